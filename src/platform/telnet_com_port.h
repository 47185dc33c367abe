#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <map>

// Telnet as a serial port server speaks it with the COM-PORT option: the commands that set the
// line and purge the server's buffers, the data escaped for the wire, and the receiving side that
// takes option negotiation, the server's answers and its notifications out of the data.
class TelnetComPort
{
public:
    // COM-PORT commands as the client sends them; the server answers each with its number + 100.
    static constexpr std::uint8_t kSetBaudRate = 1;
    static constexpr std::uint8_t kSetDataSize = 2;
    static constexpr std::uint8_t kSetParity = 3;
    static constexpr std::uint8_t kSetStopSize = 4;
    static constexpr std::uint8_t kSetControl = 5;
    static constexpr std::uint8_t kPurgeData = 12;
    // Values: no parity, one stop bit, no flow control, both of the server's buffers.
    static constexpr std::uint8_t kParityNone = 1;
    static constexpr std::uint8_t kOneStopBit = 1;
    static constexpr std::uint8_t kNoFlowControl = 1;
    static constexpr std::uint8_t kPurgeBothBuffers = 3;

    TelnetComPort();

    // What the client says first: it will speak COM-PORT, and both directions carry binary data.
    static QByteArray Greeting();

    // One COM-PORT command with its value (0xFF doubled).
    static QByteArray Command(std::uint8_t command, QByteArrayView value);

    // data as it goes on the wire: every 0xFF doubled.
    static QByteArray Escaped(QByteArrayView data);

    // Takes the telnet commands out of the count bytes received, moving the data bytes to the
    // front, and returns how many data bytes there are. A command cut off at the end is completed
    // by the next call. Replies to the server's option requests are appended to replies; the
    // server's answers and notifications are kept for Answers.
    std::size_t Receive(std::uint8_t* bytes, std::size_t count, QByteArray& replies);

    // The last value the server sent for each COM-PORT command (by the client's number), since
    // the last ForgetAnswers.
    const std::map<std::uint8_t, QByteArray>& Answers() const { return answers; }
    void ForgetAnswers() { answers.clear(); }

private:
    enum class State { Data, Command, Option, Sub, SubCommand };

    void HandleOption(std::uint8_t option, QByteArray& replies);
    void EndSubnegotiation();

    State state = State::Data;
    std::uint8_t verb = 0;
    QByteArray sub;                     // the subnegotiation being received
    std::bitset<256> localOn, remoteOn; // options in force for the client's and the server's side
    std::map<std::uint8_t, QByteArray> answers;
};
