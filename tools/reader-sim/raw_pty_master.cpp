#include "reader-sim/raw_pty_master.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

RawPtyMaster::RawPtyMaster(int extraFlags)
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | extraFlags);
    const char* name = nullptr;
    termios attributes{};
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        (name = ::ptsname(master)) == nullptr || ::tcgetattr(master, &attributes) != 0) {
        Close();
        return;
    }
    // Raw from the start, so nothing is echoed or translated before a client sets its own mode.
    // Set through the master: no descriptor of the client's side is held, so a program that opens
    // the port sees no other holder.
    cfmakeraw(&attributes);
    if (::tcsetattr(master, TCSANOW, &attributes) != 0)
        Close();
    else
        slavePath = QString::fromLocal8Bit(name);
}

bool RawPtyMaster::Write(const QByteArray& bytes)
{
    if (master < 0)
        return false;
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = ::write(master, bytes.constData() + sent, bytes.size() - sent);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        sent += count;
    }
    return true;
}

void RawPtyMaster::Close()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
