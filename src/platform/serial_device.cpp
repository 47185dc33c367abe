#include "platform/serial_device.h"

#include "platform/group_membership.h"
#include "platform/line_speed.h"
#include "platform/network_port_name.h"
#include "platform/process_name.h"
#include "platform/serial_error_mask.h"
#include "platform/telnet_com_port.h"
#include "platform/uucp_lock.h"
#include "platform/wake_signal.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QString kDeviceDirectory = QStringLiteral("/dev/");

bool IsHangUpError(int error)
{
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF;
}

void SetModemLine(int descriptor, int line, std::uint8_t control)
{
    // Pseudo-terminals have no modem lines; the request fails there and that is fine.
    const int request = control == kLineControlEnable ? TIOCMBIS : TIOCMBIC;
    ::ioctl(descriptor, request, &line);
}

TerminalMode ModeOf(const termios& attributes)
{
    static_assert(TerminalMode::kControlCharCount <= NCCS);
    TerminalMode mode;
    mode.inputFlags = attributes.c_iflag;
    mode.outputFlags = attributes.c_oflag;
    mode.controlFlags = attributes.c_cflag;
    mode.localFlags = attributes.c_lflag;
    mode.lineDiscipline = attributes.c_line;
    std::copy_n(attributes.c_cc, mode.controlChars.size(), mode.controlChars.begin());
    return mode;
}

SerialOpenResult Failure(SerialOpenReason reason, int systemError = errno)
{
    SerialOpenResult result;
    result.failure.reason = reason;
    result.failure.systemError = systemError;
    return result;
}

SerialOpenResult HeldBy(pid_t holder)
{
    SerialOpenResult result = Failure(SerialOpenReason::Held, EBUSY);
    result.failure.holderProcess = holder;
    result.failure.holderProgram = ProcessName(holder);
    return result;
}

SerialOpenResult OpenRefused(int error, const struct stat& node)
{
    switch (error) {
    case EACCES:
    case EPERM: {
        SerialOpenResult result = Failure(SerialOpenReason::PermissionDenied, error);
        result.failure.groupName = GroupName(node.st_gid);
        result.failure.membership = MembershipOf(node.st_gid);
        result.failure.onlyRoot =
            node.st_uid == 0 && (node.st_gid == 0 || (node.st_mode & S_IRWXG) == 0);
        return result;
    }
    case EBUSY:
        // Another program set the exclusive mode.
        return Failure(SerialOpenReason::Held, error);
    case EIO:
        return Failure(SerialOpenReason::NoHardware, error);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return Failure(SerialOpenReason::NoSuchDevice, error);
    default:
        return Failure(SerialOpenReason::Failed, error);
    }
}

} // namespace

QString SerialDevice::DevicePath(const QString& portName)
{
    return portName.startsWith(QLatin1Char('/')) || IsNetworkPortName(portName)
               ? portName
               : kDeviceDirectory + portName;
}

SerialDevice::SerialDevice(int descriptor, Transport transport)
    : descriptor(descriptor), transport(transport),
      telnet(transport == Transport::Rfc2217 ? std::make_unique<TelnetComPort>() : nullptr)
{
}

std::unique_ptr<SerialDevice> SerialDevice::Open(const QString& portName)
{
    return TryOpen(portName).device;
}

std::unique_ptr<SerialDevice> SerialDevice::Open(const QString& portName,
                                                 const DeviceHolders& holders)
{
    return TryOpen(portName, holders).device;
}

SerialOpenResult SerialDevice::TryOpen(const QString& portName)
{
    return TryOpen(portName, DeviceHolders::Scan());
}

SerialOpenResult SerialDevice::TryOpen(const QString& portName, const DeviceHolders& holders)
{
    const QString devicePath = DevicePath(portName);
    const QByteArray path = devicePath.toLocal8Bit();
    // Checked before the open: opening a port can already disturb its holder (a real port raises
    // DTR and RTS).
    struct stat node = {};
    if (::stat(path.constData(), &node) != 0)
        return Failure(errno == ENOENT || errno == ENOTDIR ? SerialOpenReason::NoSuchDevice
                                                           : SerialOpenReason::Failed);
    if (!S_ISCHR(node.st_mode))
        return Failure(SerialOpenReason::NotATerminal);
    const pid_t holder = holders.HolderOf(node.st_rdev);
    if (holder != 0)
        return HeldBy(holder);
    const pid_t locker = OtherLockHolder(devicePath);
    if (locker != 0)
        return HeldBy(locker);
    const int descriptor = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return OpenRefused(errno, node);
    auto refuse = [descriptor](SerialOpenReason reason) {
        ::close(descriptor);
        return Failure(reason);
    };
    if (!::isatty(descriptor))
        return refuse(SerialOpenReason::NotATerminal);
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0)
        return refuse(SerialOpenReason::Held);
    if (::ioctl(descriptor, TIOCEXCL) != 0)
        return refuse(SerialOpenReason::Failed);
    // Writes block until the driver takes the byte; reads return at once (VMIN 0, VTIME 0).
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::ioctl(descriptor, TIOCNXCL);
        return refuse(SerialOpenReason::Failed);
    }
    return {std::unique_ptr<SerialDevice>(new SerialDevice(descriptor)), {}};
}

SerialDevice::~SerialDevice()
{
    if (descriptor >= 0) {
        ::ioctl(descriptor, TIOCNXCL);
        ::close(descriptor);
    }
}

bool SerialDevice::ApplyLineSettings(const LineSettings& settings)
{
    termios attributes{};
    if (::tcgetattr(descriptor, &attributes) != 0)
        return false;
    if (!ApplyToTermios(settings, attributes))
        return false;
    if (!ApplyTerminalMode(descriptor, ModeOf(attributes), settings.baudRate))
        return false;
    SetModemLine(descriptor, TIOCM_DTR, settings.dtrControl);
    SetModemLine(descriptor, TIOCM_RTS, settings.rtsControl);
    return true;
}

bool SerialDevice::Purge()
{
    if (transport == Transport::Terminal)
        return ::tcflush(descriptor, TCIOFLUSH) == 0;
    DropWaiting();
    return !telnet ||
           WriteRaw(TelnetComPort::Command(TelnetComPort::kPurgeData,
                                           QByteArray(1, TelnetComPort::kPurgeBothBuffers)));
}

std::optional<std::uint32_t> SerialDevice::BytesWaiting() const
{
    int waiting = 0;
    if (::ioctl(descriptor, FIONREAD, &waiting) != 0 || waiting < 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(waiting);
}

InputState SerialDevice::WaitForInput(std::chrono::milliseconds timeout) const
{
    pollfd entry{descriptor, POLLIN | POLLRDHUP, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
    if (ready < 0)
        return errno == EINTR ? InputState::Idle : InputState::HungUp;
    if (ready == 0)
        return InputState::Idle;
    // A hung-up terminal also reports POLLIN, with nothing left to read; a closed connection
    // reports POLLRDHUP.
    if ((entry.revents & (POLLHUP | POLLERR | POLLNVAL | POLLRDHUP)) != 0)
        return InputState::HungUp;
    return InputState::Readable;
}

std::optional<std::uint8_t> SerialDevice::ReadByte()
{
    std::uint8_t byte = 0;
    const ssize_t count = ::read(descriptor, &byte, 1);
    if (count == 1)
        return byte;
    if (count < 0 && IsHangUpError(errno))
        NoteError(kSerialErrorRead | kSerialErrorHangUp);
    else
        NoteError(kSerialErrorRead);
    return std::nullopt;
}

InputState SerialDevice::WaitForInputOrWake(const WakeSignal& wake) const
{
    pollfd entries[] = {{descriptor, POLLIN | POLLRDHUP, 0}, {wake.Descriptor(), POLLIN, 0}};
    if (::poll(entries, 2, -1) < 0)
        return errno == EINTR ? InputState::Idle : InputState::HungUp;
    if ((entries[1].revents & POLLIN) != 0)
        return InputState::Woken;
    if ((entries[0].revents & (POLLHUP | POLLERR | POLLNVAL | POLLRDHUP)) != 0)
        return InputState::HungUp;
    return InputState::Readable;
}

std::optional<std::size_t> SerialDevice::ReadWaiting(std::uint8_t* buffer, std::size_t capacity)
{
    if (transport != Transport::Terminal)
        return ReceiveFromNetwork(buffer, capacity);
    const ssize_t count = ::read(descriptor, buffer, capacity);
    if (count >= 0)
        return static_cast<std::size_t>(count);
    if (errno == EINTR || errno == EAGAIN)
        return 0;
    NoteError(IsHangUpError(errno) ? kSerialErrorRead | kSerialErrorHangUp : kSerialErrorRead);
    return std::nullopt;
}

bool SerialDevice::Write(QByteArrayView bytes)
{
    return telnet ? WriteRaw(TelnetComPort::Escaped(bytes)) : WriteRaw(bytes);
}

bool SerialDevice::WriteRaw(QByteArrayView bytes)
{
    std::unique_lock lock(writeMutex, std::defer_lock);
    if (transport != Transport::Terminal)
        lock.lock();
    for (qsizetype at = 0; at < bytes.size();) {
        const std::size_t left = static_cast<std::size_t>(bytes.size() - at);
        // A connection the server closed must not end the program with SIGPIPE.
        const ssize_t count = transport == Transport::Terminal
                                  ? ::write(descriptor, bytes.data() + at, left)
                                  : ::send(descriptor, bytes.data() + at, left, MSG_NOSIGNAL);
        if (count > 0) {
            at += count;
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // A network port does not block: wait until the connection takes more.
        pollfd entry{descriptor, POLLOUT, 0};
        if (count < 0 && errno == EAGAIN &&
            ::poll(&entry, 1,
                   static_cast<int>(std::chrono::milliseconds(kConnectTimeout).count())) > 0 &&
            (entry.revents & POLLOUT) != 0)
            continue;
        const bool gone =
            count < 0 && (IsHangUpError(errno) || errno == EPIPE || errno == ECONNRESET);
        NoteError(gone ? kSerialErrorWrite | kSerialErrorHangUp : kSerialErrorWrite);
        return false;
    }
    return true;
}

SerialErrorStatus SerialDevice::ClearError()
{
    SerialErrorStatus status;
    status.errorMask = pendingErrors.exchange(0);
    const std::optional<std::uint32_t> waiting = BytesWaiting();
    if (!waiting) {
        status.systemError = errno;
        return status;
    }
    status.ok = true;
    status.bytesWaiting = *waiting;
    return status;
}

bool SerialDevice::Close()
{
    if (descriptor < 0)
        return true;
    if (failNextClose) {
        failNextClose = false;
        return false;
    }
    ::ioctl(descriptor, TIOCNXCL);
    const int result = ::close(descriptor);
    // Linux releases the descriptor even when close reports an error, so it is gone either way.
    descriptor = -1;
    return result == 0;
}
