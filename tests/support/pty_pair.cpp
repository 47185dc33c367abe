#include "support/pty_pair.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
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

PtyPair::~PtyPair()
{
    Vanish();
}

bool PtyPair::Write(const QByteArray& bytes, std::chrono::milliseconds bound)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        pollfd entry{master, POLLOUT, 0};
        if (::poll(&entry, 1, static_cast<int>(bound.count())) <= 0 || !(entry.revents & POLLOUT))
            return false;
        const ssize_t count = ::write(master, bytes.constData() + sent, bytes.size() - sent);
        if (count < 0 && errno == EAGAIN)
            continue;
        if (count <= 0)
            return false;
        sent += count;
    }
    return true;
}

void PtyPair::Vanish()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
