#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// How a serial port served over the network is spoken to: telnet with the COM-PORT option, which
// sets the line and purges the server's buffers, or plain TCP with the server's line settings.
enum class NetworkProtocol { Rfc2217, Tcp };

// A port name such as "rfc2217://reader-3:2001" or "tcp://[::1]:3001", taken apart.
struct NetworkPortName
{
    NetworkProtocol protocol = NetworkProtocol::Tcp;
    QString host; // a host name or an address, IPv6 without its brackets
    std::uint16_t port = 0;
};

// A network port name, or what is wrong with it.
struct ParsedNetworkPortName
{
    std::optional<NetworkPortName> address; // empty: see problem
    QString problem;
};

// True when portName begins with a scheme ("letters://"), so it names a port on the network;
// any other name is a device.
bool IsNetworkPortName(const QString& portName);

// Takes a network port name apart: the scheme rfc2217 or tcp, a host (an IPv6 address in
// brackets) and a port number from 1 to 65535. Anything else gives a problem that says what is
// wrong, in words an operator can act on.
ParsedNetworkPortName ParseNetworkPortName(const QString& portName);
