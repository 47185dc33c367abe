#include "serial/open_failure_text.h"

#include "platform/serial_device.h"

#include <QDir>

#include <cstring>

namespace {

QString OnlySerialAdapter(const QString& serialById)
{
    const QFileInfoList adapters =
        QDir(serialById).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    return adapters.size() == 1 ? adapters.first().absoluteFilePath() : QString();
}

QString NoSuchDevice(const QString& serialById)
{
    const QString adapter = OnlySerialAdapter(serialById);
    if (adapter.isEmpty())
        return QStringLiteral("There is no such device.");
    return QStringLiteral("There is no such device; the one serial adapter connected is %1.")
        .arg(adapter);
}

QString PermissionDenied(const SerialOpenFailure& failure)
{
    if (failure.onlyRoot)
        return QStringLiteral("Only root may open it; see the README for a udev rule that gives "
                              "the dialout group access.");
    switch (failure.membership) {
    case GroupMembership::NotMember:
        return QStringLiteral("Permission denied: the device belongs to the group '%1' and you "
                              "are not in it; add yourself to the group '%1' and log in again.")
            .arg(failure.groupName);
    case GroupMembership::MemberNextSession:
        return QStringLiteral("Permission denied: you are in the group '%1' from your next "
                              "login on; log in again.")
            .arg(failure.groupName);
    case GroupMembership::Member:
        break;
    }
    return QStringLiteral("Permission denied: the device's permissions keep its group '%1' out.")
        .arg(failure.groupName);
}

QString Holder(const SerialOpenFailure& failure)
{
    if (failure.holderProcess == 0)
        return QString();
    const QString program =
        failure.holderProgram.isEmpty() ? QStringLiteral("process") : failure.holderProgram;
    return QStringLiteral("%1 (%2)").arg(program).arg(failure.holderProcess);
}

} // namespace

QString OpenFailureExplanation(const SerialOpenFailure& failure, std::int32_t baudRate,
                               const QString& serialById)
{
    switch (failure.reason) {
    case SerialOpenReason::NoSuchDevice:
        return NoSuchDevice(serialById);
    case SerialOpenReason::PermissionDenied:
        return PermissionDenied(failure);
    case SerialOpenReason::Held: {
        const QString holder = Holder(failure);
        return holder.isEmpty()
                   ? QStringLiteral("Another program is using the device.")
                   : QStringLiteral("Another program is using the device: %1.").arg(holder);
    }
    case SerialOpenReason::BaudRateRefused:
        return baudRate <= 0
                   ? QStringLiteral("The baud rate %1 is not valid: it must be above 0.")
                         .arg(baudRate)
                   : QStringLiteral("The device does not take the baud rate %1.").arg(baudRate);
    case SerialOpenReason::BadNetworkName:
        return failure.nameProblem;
    case SerialOpenReason::HostNotFound:
        return QStringLiteral("The host name could not be resolved.");
    case SerialOpenReason::ConnectionRefused:
        return QStringLiteral("The connection was refused: no server listens at that port.");
    case SerialOpenReason::NoAnswer:
        return QStringLiteral("The server did not answer within %1 seconds.")
            .arg(SerialDevice::kConnectTimeout.count());
    case SerialOpenReason::ConnectionClosed:
        return QStringLiteral("The server closed the connection.");
    case SerialOpenReason::LineSettingsRefused:
        return QStringLiteral("The server does not take 8 data bits, no parity, one stop bit and "
                              "no handshake.");
    case SerialOpenReason::NotATerminal:
    case SerialOpenReason::NoHardware:
    case SerialOpenReason::Failed:
        break;
    }
    return QString();
}

QString OpenFailureBrief(const SerialOpenFailure& failure)
{
    switch (failure.reason) {
    case SerialOpenReason::NoSuchDevice:
        return QStringLiteral("no such device");
    case SerialOpenReason::NotATerminal:
        return QStringLiteral("not a serial device");
    case SerialOpenReason::PermissionDenied:
        return QStringLiteral("permission denied");
    case SerialOpenReason::Held: {
        const QString holder = Holder(failure);
        return holder.isEmpty() ? QStringLiteral("in use") : QStringLiteral("in use by ") + holder;
    }
    case SerialOpenReason::NoHardware:
        return QStringLiteral("no hardware");
    case SerialOpenReason::BaudRateRefused:
        return QStringLiteral("baud rate refused");
    // Only local devices are surveyed.
    case SerialOpenReason::BadNetworkName:
    case SerialOpenReason::HostNotFound:
    case SerialOpenReason::ConnectionRefused:
    case SerialOpenReason::NoAnswer:
    case SerialOpenReason::ConnectionClosed:
    case SerialOpenReason::LineSettingsRefused:
    case SerialOpenReason::Failed:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(failure.systemError)).toLower();
}

QString UnopenablePortsLine(const PortSurvey& survey)
{
    if (survey.unopenable.empty())
        return survey.openable.isEmpty() ? QStringLiteral("No serial device found.") : QString();
    QStringList reasons;
    for (const UnopenablePort& port : survey.unopenable)
        reasons.append(port.name + QStringLiteral(": ") + OpenFailureBrief(port.failure));
    const QString count =
        survey.unopenable.size() == 1
            ? QStringLiteral("1 serial device cannot")
            : QStringLiteral("%1 serial devices cannot").arg(survey.unopenable.size());
    return count + QStringLiteral(" be opened now: ") + reasons.join(QStringLiteral("; "));
}
