// The network side of SerialDevice: a serial port that a server offers over telnet with the
// COM-PORT option (rfc2217://) or as plain TCP (tcp://).
#include "platform/serial_device.h"

#include "platform/network_port_name.h"
#include "platform/serial_error_mask.h"
#include "platform/telnet_com_port.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

SerialOpenResult Failure(SerialOpenReason reason, int systemError = 0)
{
    SerialOpenResult result;
    result.failure.reason = reason;
    result.failure.systemError = systemError;
    return result;
}

int MillisecondsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// A connected, non-blocking socket, or why there is none.
struct Connection
{
    int descriptor = -1;
    SerialOpenReason failure = SerialOpenReason::Failed;
    int systemError = 0;
};

Connection ConnectWithin(const NetworkPortName& name, Clock::time_point deadline)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* addresses = nullptr;
    const QByteArray host = name.host.toUtf8();
    const QByteArray port = QByteArray::number(name.port);
    if (::getaddrinfo(host.constData(), port.constData(), &hints, &addresses) != 0)
        return {-1, SerialOpenReason::HostNotFound, 0};
    Connection result{-1, SerialOpenReason::NoAnswer, ETIMEDOUT};
    for (const addrinfo* address = addresses; address != nullptr && result.descriptor < 0;
         address = address->ai_next) {
        const int socket =
            ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                     address->ai_protocol);
        if (socket < 0)
            continue;
        int error = 0;
        if (::connect(socket, address->ai_addr, address->ai_addrlen) != 0) {
            error = errno;
            pollfd entry{socket, POLLOUT, 0};
            if (error == EINPROGRESS) {
                socklen_t size = sizeof error;
                error = ::poll(&entry, 1, MillisecondsLeft(deadline)) > 0 &&
                                ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0
                            ? error
                            : ETIMEDOUT;
            }
        }
        if (error == 0) {
            // Each command is one write; it goes out at once rather than waiting for more.
            const int on = 1;
            ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            result.descriptor = socket;
            continue;
        }
        ::close(socket);
        // A refusal from any of the host's addresses says more than a time-out.
        if (result.failure != SerialOpenReason::ConnectionRefused) {
            result.failure = error == ECONNREFUSED ? SerialOpenReason::ConnectionRefused
                             : error == ETIMEDOUT  ? SerialOpenReason::NoAnswer
                                                   : SerialOpenReason::Failed;
            result.systemError = error;
        }
    }
    ::freeaddrinfo(addresses);
    return result;
}

QByteArray OneByte(std::uint8_t value)
{
    return QByteArray(1, static_cast<char>(value));
}

QByteArray BigEndian(std::uint32_t value)
{
    const std::uint32_t wire = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&wire), sizeof wire);
}

} // namespace

SerialOpenResult SerialDevice::Connect(const QString& portName, const LineSettings& settings)
{
    const ParsedNetworkPortName parsed = ParseNetworkPortName(portName);
    if (!parsed.address) {
        SerialOpenResult result = Failure(SerialOpenReason::BadNetworkName);
        result.failure.nameProblem = parsed.problem;
        return result;
    }
    const bool comPort = parsed.address->protocol == NetworkProtocol::Rfc2217;
    if (comPort && static_cast<std::int32_t>(settings.baudRate) <= 0)
        return Failure(SerialOpenReason::BaudRateRefused);
    const Clock::time_point deadline = Clock::now() + kConnectTimeout;
    const Connection connection = ConnectWithin(*parsed.address, deadline);
    if (connection.descriptor < 0)
        return Failure(connection.failure, connection.systemError);
    std::unique_ptr<SerialDevice> device(
        new SerialDevice(connection.descriptor, comPort ? Transport::Rfc2217 : Transport::Tcp));
    if (!comPort) {
        device->DropWaiting();
        return {std::move(device), {}};
    }

    // The line as a local open sets it, and the purge a local open does; the server answers
    // each with the value it put into force.
    const std::array<std::pair<std::uint8_t, QByteArray>, 6> requests = {{
        {TelnetComPort::kSetBaudRate, BigEndian(settings.baudRate)},
        {TelnetComPort::kSetDataSize, OneByte(8)},
        {TelnetComPort::kSetParity, OneByte(TelnetComPort::kParityNone)},
        {TelnetComPort::kSetStopSize, OneByte(TelnetComPort::kOneStopBit)},
        {TelnetComPort::kSetControl, OneByte(TelnetComPort::kNoFlowControl)},
        {TelnetComPort::kPurgeData, OneByte(TelnetComPort::kPurgeBothBuffers)},
    }};
    QByteArray greeting = TelnetComPort::Greeting();
    for (const auto& [command, value] : requests)
        greeting += TelnetComPort::Command(command, value);
    if (!device->WriteRaw(greeting))
        return Failure(SerialOpenReason::ConnectionClosed);
    const std::map<std::uint8_t, QByteArray>& answers = device->telnet->Answers();
    const auto answered = [&](const auto& request) { return answers.contains(request.first); };
    std::array<std::uint8_t, 512> dropped;
    while (!std::all_of(requests.cbegin(), requests.cend(), answered)) {
        pollfd entry{device->descriptor, POLLIN | POLLRDHUP, 0};
        if (::poll(&entry, 1, MillisecondsLeft(deadline)) <= 0)
            return Failure(SerialOpenReason::NoAnswer, ETIMEDOUT);
        // Data from before the purge is dropped, as a local open drops it.
        if (!device->ReceiveFromNetwork(dropped.data(), dropped.size()))
            return Failure(SerialOpenReason::ConnectionClosed);
    }
    if (answers.at(TelnetComPort::kSetBaudRate) != requests[0].second)
        return Failure(SerialOpenReason::BaudRateRefused);
    for (const auto& [command, value] : requests) {
        if (answers.at(command) != value)
            return Failure(SerialOpenReason::LineSettingsRefused);
    }
    device->telnet->ForgetAnswers();
    return {std::move(device), {}};
}

std::optional<std::size_t> SerialDevice::ReceiveFromNetwork(std::uint8_t* buffer,
                                                            std::size_t capacity)
{
    for (;;) {
        const ssize_t count = ::recv(descriptor, buffer, capacity, 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return 0;
        if (count <= 0) {
            // The server closed the connection, or it broke.
            NoteError(kSerialErrorRead | kSerialErrorHangUp);
            return std::nullopt;
        }
        // Acknowledged at once: a server that sends the answer in small pieces waits for each
        // acknowledgement before it sends the next piece.
        const int on = 1;
        ::setsockopt(descriptor, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
        if (!telnet)
            return static_cast<std::size_t>(count);
        QByteArray replies;
        const std::size_t data = telnet->Receive(buffer, static_cast<std::size_t>(count), replies);
        if (!replies.isEmpty())
            WriteRaw(replies);
        if (data > 0)
            return data;
    }
}

void SerialDevice::DropWaiting()
{
    std::array<std::uint8_t, 4096> chunk;
    while (ReceiveFromNetwork(chunk.data(), chunk.size()).value_or(0) > 0) {
    }
}
