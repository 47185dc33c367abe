#include "support/port_holder_process.h"

#include "support/wait_until.h"

#include <csignal>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

PortHolderProcess::PortHolderProcess(const QString& devicePath)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    const QByteArray path = devicePath.toLocal8Bit();
    // A plain fork: the sanitizers follow it, where a shared-memory spawn confuses them.
    process = ::fork();
    if (process == 0) {
        // The shell tells when it holds the device, then waits for input that never comes.
        ::dup2(ends[1], STDIN_FILENO);
        ::dup2(ends[1], STDOUT_FILENO);
        ::execlp("sh", "sh", "-c", "exec 3<>\"$1\" && echo held && read never", "holder",
                 path.constData(), nullptr);
        ::_exit(127);
    }
    ::close(ends[1]);
    channel = ends[0];
    char mark[5] = {};
    pollfd entry{channel, POLLIN, 0};
    holding = process > 0 && ::poll(&entry, 1, static_cast<int>(kGenerousWait.count())) > 0 &&
              ::read(channel, mark, sizeof mark) == sizeof mark;
}

PortHolderProcess::~PortHolderProcess()
{
    ::close(channel);
    if (process > 0) {
        ::kill(process, SIGKILL);
        ::waitpid(process, nullptr, 0);
    }
}
