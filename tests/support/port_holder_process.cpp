#include "support/port_holder_process.h"

#include <csignal>
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
    // A shell that could not open the device ends at once: the read then finds the end.
    char mark[5] = {};
    holding = process > 0 && ::read(channel, mark, sizeof mark) == sizeof mark;
}

PortHolderProcess::~PortHolderProcess()
{
    ::close(channel);
    if (process > 0) {
        ::kill(process, SIGKILL);
        ::waitpid(process, nullptr, 0);
    }
}
