#pragma once

#include "platform/line_settings.h"
#include "platform/serial_device.h"
#include "serial/device_identity.h"
#include "serial/receive_thread.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

class LinkErrorReporter;

// Answers the reader still owes: commands whose wait for an answer ran out twice. Their lines may
// still come, late, and must not be taken for the answers of later commands; after expectedUntil
// they are no longer expected. Answers to the timeout query are counted apart: they are all alike.
struct OwedAnswers
{
    int timeoutAnswers = 0;
    int otherAnswers = 0;
    std::chrono::steady_clock::time_point expectedUntil{};
};

// An exchange stopped while it waited: the reader may still send that command's answer until
// `until`. The link's next command waits that out first, discarding the line as the drain after
// a wait that ran out does, so that the late answer is never taken for its own.
struct UnfinishedDrain
{
    std::chrono::steady_clock::time_point until{};
    std::chrono::milliseconds wait{}; // the stopped command's wait
    bool timeoutQuery = false;        // the stopped command was TOR
};

// The tool's one connection to the reader: the port, its line settings and the receive thread.
// Every member function runs on the GUI thread.
struct SerialLink
{
    // Status WriteText returns when no port is open.
    static constexpr std::int32_t kNoPort = -1;

    QString portName;
    std::int32_t baudRate = static_cast<std::int32_t>(kDefaultBaudRate);
    bool connected = false;
    LineSettings lineSettings = MakeReaderLineSettings();
    std::unique_ptr<SerialDevice> portHandle; // null: no port
    ReceiveThread receiveThread;
    DeviceIdentity openedIdentity; // of the device ConnectPort opened last
    OwedAnswers owedAnswers;       // kept by the exchanges; a port that opens owes nothing
    std::optional<UnfinishedDrain> unfinishedDrain; // likewise

    SerialLink() = default;
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens the port exclusively (a network port name: connects, see SerialDevice::Connect),
    // purges both queues, applies the line settings with baudRate, forgets the answers owed on the
    // port before and starts the receive thread. Returns no device and the reason when the port
    // cannot be opened or refuses the settings (the port is then closed again and no thread runs).
    SerialOpenResult OpenPort(const QString& name, std::int32_t rate);

    // OpenPort with portName and baudRate, keeping the device as portHandle: connected becomes
    // true, or false with portName + " could not be opened!" shown through reporter, followed on a
    // second line by the reason when the operator can act on it (that no port is set, for an empty
    // portName).
    void ConnectPort(LinkErrorReporter& reporter);

    // Without a port: OpenPort with portName and baudRate, as ConnectPort but silent, and only when
    // the device at portName has the identity of the one ConnectPort opened last. Returns
    // connected, which it sets; a port that is open already is kept and gives false.
    bool ReopenPort();

    // Stops the receive thread, purges and closes the port. No port: nothing happens. A failed
    // close shows "Can't close COM Port." and keeps portHandle. connected is left to the caller.
    void ClosePort(LinkErrorReporter& reporter);

    // Sends the low byte of every UTF-16 code unit of text in one write (more only when the port
    // takes part of it), also beyond 255 units. Returns 0 when every byte was taken, kNoPort
    // without a port, otherwise the error mask (or errno) of the failed write.
    std::int32_t WriteText(const QString& text);

    void StartReceiveThread() { receiveThread.Start(portHandle.get()); }
    void StopReceiveThread() { receiveThread.Stop(); }
};
