#pragma once

#include "platform/device_holders.h"
#include "platform/line_settings.h"
#include "platform/serial_open_failure.h"

#include <QByteArrayView>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

class TelnetComPort;
class WakeSignal;

// What ClearError found: the error mask (kSerialError* bits) and the bytes waiting to be read.
// When the query itself failed, ok is false and systemError holds the errno.
struct SerialErrorStatus
{
    bool ok = false;
    std::uint32_t errorMask = 0;
    std::uint32_t bytesWaiting = 0;
    int systemError = 0;
};

// What a wait for input saw.
enum class InputState { Readable, Idle, HungUp, Woken };

class SerialDevice;

// An open device, or why there is none.
struct SerialOpenResult
{
    std::unique_ptr<SerialDevice> device; // null: see failure
    SerialOpenFailure failure;
};

// One serial device opened exclusively for reading and writing on termios, or a serial port that a
// server offers on the network (rfc2217:// or tcp://, see network_port_name.h). Reads and writes
// are safe from two threads at once (one reader, one writer); opening and closing are not.
class SerialDevice
{
public:
    // The most a network port's open waits, for the connection and for the server's answers.
    static constexpr std::chrono::seconds kConnectTimeout{3};

    // "/..." is a device path, a network port name stays as it is; any other name means /dev/NAME
    // (an empty name gives "/dev/").
    static QString DevicePath(const QString& portName);

    // Connects to the network port portName names, within kConnectTimeout. Over rfc2217:// it puts
    // the settings' baud rate, 8 data bits, no parity, one stop bit and no flow control into force
    // on the server, checks the server's answers (a rate it does not answer with is
    // BaudRateRefused) and purges the server's buffers; over tcp:// it drops whatever waits and
    // sends no settings. Returns null with the reason when the name is malformed, the host is not
    // found, the connection is refused, the server does not answer in time or closes the
    // connection; nothing stays open then.
    static SerialOpenResult Connect(const QString& portName, const LineSettings& settings);

    // Opens the device exclusively: a device that another process holds open (as far as `holders`
    // shows), that a UUCP lock file of a live process names, or whose lock another program or this
    // process (through another SerialDevice) holds fails, without the device being opened at all.
    // Returns null when the device is absent, not a terminal, or held.
    static std::unique_ptr<SerialDevice> Open(const QString& portName,
                                              const DeviceHolders& holders);
    // As above, with the holders scanned now.
    static std::unique_ptr<SerialDevice> Open(const QString& portName);

    // Open with the reason of a failure: for a held device the holder where /proc or its lock
    // file shows it, for a refused permission the group that owns the device.
    static SerialOpenResult TryOpen(const QString& portName, const DeviceHolders& holders);
    static SerialOpenResult TryOpen(const QString& portName);

    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Puts the settings into force, DTR and RTS as they say where the device has modem lines. Any
    // baud rate above 0 is asked for; a driver that puts a rate more than 2 % away into force
    // refuses it. Returns false for settings the device or termios refuses; the device's settings
    // then stay as they were.
    bool ApplyLineSettings(const LineSettings& settings);

    // Discards everything pending in the input and the output queue (a network port: what waits
    // here, and over rfc2217:// the server's buffers). Returns false on failure.
    bool Purge();

    // Bytes waiting in the input queue, or nothing when the query failed.
    std::optional<std::uint32_t> BytesWaiting() const;

    // Waits up to timeout for input; HungUp when the other end is gone or the device failed (bytes
    // still waiting are then found through BytesWaiting).
    InputState WaitForInput(std::chrono::milliseconds timeout) const;

    // Reads one byte if one is waiting; nothing (and kSerialErrorRead noted) when none could be
    // read.
    std::optional<std::uint8_t> ReadByte();

    // Blocks until input waits (Readable), the device hangs up or fails (HungUp), wake is
    // signalled (Woken; the signal stays pending for its owner to clear) or a signal handler
    // interrupts the wait (Idle).
    InputState WaitForInputOrWake(const WakeSignal& wake) const;

    // Reads the bytes waiting, at most capacity of them, and returns how many (0 when none). On
    // failure notes kSerialErrorRead (and kSerialErrorHangUp when the device is gone) and returns
    // nothing.
    std::optional<std::size_t> ReadWaiting(std::uint8_t* buffer, std::size_t capacity);

    // Writes bytes in one call (more only when the device takes part of them) and returns when the
    // driver, or the network, has taken them all. On failure notes kSerialErrorWrite (and
    // kSerialErrorHangUp when the device or the connection is gone) and returns false.
    bool Write(QByteArrayView bytes);

    // Reports and clears the noted error bits, with the number of bytes waiting.
    SerialErrorStatus ClearError();

    // Releases the device. Returns false and stays open if releasing failed.
    bool Close();

    bool IsOpen() const { return descriptor >= 0; }

    // Test seam: the next Close reports failure and leaves the device open, as a failing driver
    // would.
    void FailNextClose() { failNextClose = true; }

private:
    // What is at the other end of the descriptor.
    enum class Transport { Terminal, Rfc2217, Tcp };

    explicit SerialDevice(int descriptor, Transport transport = Transport::Terminal);
    void NoteError(std::uint32_t bits) { pendingErrors.fetch_or(bits); }
    // Writes bytes as they are, whole; for a network port under writeMutex.
    bool WriteRaw(QByteArrayView bytes);
    // Reads what waits on a network port, telnet commands taken out and answered; 0 when none.
    std::optional<std::size_t> ReceiveFromNetwork(std::uint8_t* buffer, std::size_t capacity);
    // Drops what waits on a network port.
    void DropWaiting();

    int descriptor = -1;
    Transport transport = Transport::Terminal;
    std::unique_ptr<TelnetComPort> telnet; // rfc2217:// only
    std::mutex writeMutex; // a network port: the reader's replies to the server and the commands
    bool failNextClose = false;
    std::atomic<std::uint32_t> pendingErrors{0};
};
