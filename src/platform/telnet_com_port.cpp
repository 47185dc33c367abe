#include "platform/telnet_com_port.h"

#include <initializer_list>

namespace {

constexpr std::uint8_t kIac = 255;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kSe = 240;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;
constexpr std::uint8_t kServerAnswerOffset = 100;
// A subnegotiation longer than this is none the client asked for; the rest of it is dropped.
constexpr qsizetype kLongestSubnegotiation = 64;

bool Supported(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

QByteArray Bytes(std::initializer_list<std::uint8_t> bytes)
{
    QByteArray array;
    for (const std::uint8_t byte : bytes)
        array.append(static_cast<char>(byte));
    return array;
}

QByteArray Option(std::uint8_t verb, std::uint8_t option)
{
    return Bytes({kIac, verb, option});
}

} // namespace

TelnetComPort::TelnetComPort()
{
    // As the greeting asks.
    localOn.set(kBinary).set(kComPort);
    remoteOn.set(kBinary);
}

QByteArray TelnetComPort::Greeting()
{
    return Option(kWill, kComPort) + Option(kWill, kBinary) + Option(kDo, kBinary);
}

QByteArray TelnetComPort::Command(std::uint8_t command, QByteArrayView value)
{
    return Bytes({kIac, kSb, kComPort, command}) + Escaped(value) + Bytes({kIac, kSe});
}

QByteArray TelnetComPort::Escaped(QByteArrayView data)
{
    QByteArray escaped;
    escaped.reserve(data.size());
    for (const char byte : data) {
        escaped.append(byte);
        if (static_cast<std::uint8_t>(byte) == kIac)
            escaped.append(byte);
    }
    return escaped;
}

std::size_t TelnetComPort::Receive(std::uint8_t* bytes, std::size_t count, QByteArray& replies)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = bytes[i];
        switch (state) {
        case State::Data:
            if (byte == kIac)
                state = State::Command;
            else
                bytes[kept++] = byte;
            break;
        case State::Command:
            state = State::Data;
            if (byte == kIac)
                bytes[kept++] = byte;
            else if (byte == kSb)
                state = State::Sub, sub.clear();
            else if (byte >= kWill)
                state = State::Option, verb = byte;
            break;
        case State::Option:
            state = State::Data;
            HandleOption(byte, replies);
            break;
        case State::Sub:
            if (byte == kIac)
                state = State::SubCommand;
            else if (sub.size() < kLongestSubnegotiation)
                sub.append(char(byte));
            break;
        case State::SubCommand:
            state = byte == kIac ? State::Sub : State::Data;
            if (byte == kIac && sub.size() < kLongestSubnegotiation)
                sub.append(char(byte));
            else if (byte == kSe)
                EndSubnegotiation();
            break;
        }
    }
    return kept;
}

void TelnetComPort::HandleOption(std::uint8_t option, QByteArray& replies)
{
    const bool asksOn = verb == kDo || verb == kWill;
    const bool clientSide = verb == kDo || verb == kDont;
    std::bitset<256>& inForce = clientSide ? localOn : remoteOn;
    const bool agreed = asksOn && Supported(option);
    // A request for the state already in force gets no reply, so the two sides never loop; a
    // refusal is repeated each time the server asks.
    if (inForce.test(option) == agreed && asksOn == agreed)
        return;
    inForce.set(option, agreed);
    replies += Option(clientSide ? (agreed ? kWill : kWont) : (agreed ? kDo : kDont), option);
}

void TelnetComPort::EndSubnegotiation()
{
    if (sub.size() < 2 || static_cast<std::uint8_t>(sub.at(0)) != kComPort)
        return;
    const auto command = static_cast<std::uint8_t>(sub.at(1));
    if (command > kServerAnswerOffset)
        answers[static_cast<std::uint8_t>(command - kServerAnswerOffset)] = sub.mid(2);
}
