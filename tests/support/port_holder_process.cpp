#include "support/port_holder_process.h"

#include "support/wait_until.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr char kHoldingMark[] = "held\n";
constexpr char kScript[] = "exec 3<>\"$1\" && echo held && read count && head -c \"$count\" <&3";

} // namespace

PortHolderProcess::PortHolderProcess(const QString& devicePath)
{
    int input[2];
    int output[2];
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
        return;
    const QByteArray path = devicePath.toLocal8Bit();
    // A plain fork: the sanitizers follow it, where a shared-memory spawn confuses them.
    process = ::fork();
    if (process == 0) {
        ::dup2(input[0], STDIN_FILENO);
        ::dup2(output[1], STDOUT_FILENO);
        ::execlp("sh", "sh", "-c", kScript, "holder", path.constData(), nullptr);
        ::_exit(127);
    }
    ::close(input[0]);
    ::close(output[1]);
    toHolder = input[1];
    fromHolder = output[0];
    holding = process > 0 && ReadOutput(sizeof kHoldingMark - 1) == kHoldingMark;
}

PortHolderProcess::~PortHolderProcess()
{
    ::close(toHolder);
    ::close(fromHolder);
    if (process > 0) {
        ::kill(process, SIGKILL);
        ::waitpid(process, nullptr, 0);
    }
}

QByteArray PortHolderProcess::Read(qsizetype count)
{
    const QByteArray request = QByteArray::number(count) + '\n';
    if (::write(toHolder, request.constData(), request.size()) != request.size())
        return QByteArray();
    return ReadOutput(count);
}

QByteArray PortHolderProcess::ReadOutput(qsizetype count)
{
    QByteArray bytes;
    char buffer[256];
    pollfd entry{fromHolder, POLLIN, 0};
    while (bytes.size() < count && ::poll(&entry, 1, static_cast<int>(kGenerousWait.count())) > 0) {
        const ssize_t got =
            ::read(fromHolder, buffer, std::min<qsizetype>(sizeof buffer, count - bytes.size()));
        if (got <= 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}
