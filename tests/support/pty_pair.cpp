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
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        (name = ::ptsname(master)) == nullptr) {
        Vanish();
        return;
    }
    slavePath = QString::fromLocal8Bit(name);
    termios attributes{};
    if (::tcgetattr(master, &attributes) != 0) {
        Vanish();
        return;
    }
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

QByteArray PtyPair::Read(qsizetype count, std::chrono::milliseconds bound)
{
    QByteArray bytes;
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd entry{master, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0 || !(entry.revents & POLLIN))
            break;
        char buffer[256];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

QByteArray PtyPair::ReadUntilQuiet(std::chrono::milliseconds quiet)
{
    QByteArray bytes;
    for (;;) {
        const QByteArray more = Read(1, quiet);
        if (more.isEmpty())
            return bytes;
        bytes += more;
    }
}

void PtyPair::Vanish()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
