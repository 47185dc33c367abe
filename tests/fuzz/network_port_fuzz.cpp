// Arbitrary port names into the network name parser and arbitrary bytes from a server into the
// telnet receiver: a name gives a host and a port from 1 to 65535, or says what is wrong; data
// escaped for the wire comes back out of the receiver exactly.
#include "fuzz_check.h"
#include "platform/network_port_name.h"
#include "platform/telnet_com_port.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParsedNetworkPortName parsed = ParseNetworkPortName(QString::fromUtf8(bytes));
    Require(parsed.address ? !parsed.address->host.isEmpty() && parsed.address->port != 0
                           : !parsed.problem.isEmpty(),
            "a host and a port, or a problem");
    QByteArray received = bytes, wire = TelnetComPort::Escaped(bytes), replies;
    TelnetComPort().Receive(reinterpret_cast<std::uint8_t*>(received.data()), size, replies);
    const std::size_t kept = TelnetComPort().Receive(reinterpret_cast<std::uint8_t*>(wire.data()),
                                                     std::size_t(wire.size()), replies = {});
    Require(wire.left(qsizetype(kept)) == bytes && replies.isEmpty(), "escaped data comes back");
    return 0;
}
