#include "support/pty_pair.h"

#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    const char* name = nullptr;
    termios attributes{};
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        (name = ::ptsname(master)) == nullptr || ::tcgetattr(master, &attributes) != 0) {
        Vanish();
        return;
    }
    slavePath = QString::fromLocal8Bit(name);
    cfmakeraw(&attributes);
    ::tcsetattr(master, TCSANOW, &attributes);
}

bool PtyPair::Write(const QByteArray& bytes)
{
    return ::write(master, bytes.constData(), bytes.size()) == bytes.size();
}

void PtyPair::Vanish()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
