#include "platform/network_port_name.h"

#include <QRegularExpression>

namespace {

const QString kSchemeEnd = QStringLiteral("://");

ParsedNetworkPortName Problem(const QString& problem)
{
    return {std::nullopt, problem};
}

} // namespace

bool IsNetworkPortName(const QString& portName)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(portName).hasMatch();
}

ParsedNetworkPortName ParseNetworkPortName(const QString& portName)
{
    const qsizetype schemeEnd = portName.indexOf(kSchemeEnd);
    const QString scheme = portName.left(schemeEnd).toLower();
    NetworkPortName name;
    if (scheme == QLatin1StringView("rfc2217"))
        name.protocol = NetworkProtocol::Rfc2217;
    else if (scheme == QLatin1StringView("tcp"))
        name.protocol = NetworkProtocol::Tcp;
    else
        return Problem(QStringLiteral("The scheme '%1' is not known: use rfc2217:// or tcp://.")
                           .arg(portName.left(schemeEnd)));
    const QString rest = portName.mid(schemeEnd + kSchemeEnd.size());
    qsizetype portStart = rest.lastIndexOf(QLatin1Char(':'));
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return Problem(QStringLiteral("The IPv6 address has no closing bracket."));
        name.host = rest.mid(1, close - 1);
        if (close + 1 < rest.size() && rest.at(close + 1) != QLatin1Char(':'))
            return Problem(QStringLiteral("A ':' and the port number must follow the ']'."));
        portStart = close + 1 < rest.size() ? close + 1 : -1;
    } else {
        name.host = rest.left(portStart);
        if (name.host.contains(QLatin1Char(':')))
            return Problem(
                QStringLiteral("An IPv6 address goes in brackets: [%1].").arg(name.host));
    }
    if (name.host.isEmpty())
        return Problem(QStringLiteral("The host is missing before the port number."));
    if (name.host.contains(QRegularExpression(QStringLiteral("[\\s/@\\[\\]]"))))
        return Problem(
            QStringLiteral("The host '%1' is not a host name or an address.").arg(name.host));
    if (portStart < 0)
        return Problem(QStringLiteral("The port number is missing: add ':' and the port number "
                                      "after the host."));
    const QString digits = rest.mid(portStart + 1);
    bool ok = false;
    const uint port = digits.toUInt(&ok);
    static const QRegularExpression onlyDigits(QStringLiteral("^[0-9]{1,5}$"));
    if (!onlyDigits.match(digits).hasMatch() || !ok || port == 0 || port > 65535)
        return Problem(
            QStringLiteral("The port number '%1' is not a number from 1 to 65535.").arg(digits));
    name.port = static_cast<std::uint16_t>(port);
    return {name, QString()};
}
