#include "support/port_holder_process.h"

#include "support/wait_until.h"

namespace {

constexpr char kHoldingMark[] = "held\n";

} // namespace

PortHolderProcess::PortHolderProcess(const QString& devicePath)
{
    const QString script = QStringLiteral("exec 3<>\"$1\" && echo held && read count && "
                                          "head -c \"$count\" <&3");
    process.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"), script, QStringLiteral("holder"), devicePath});
    holding = process.waitForReadyRead(static_cast<int>(kGenerousWait.count())) &&
              process.readLine() == kHoldingMark;
}

PortHolderProcess::~PortHolderProcess()
{
    process.kill();
    process.waitForFinished();
}

QByteArray PortHolderProcess::Read(qsizetype count)
{
    process.write(QByteArray::number(count) + '\n');
    process.closeWriteChannel();
    process.waitForFinished(static_cast<int>(kGenerousWait.count()));
    return process.readAllStandardOutput();
}
