#pragma once

#include "serial/receive_thread.h"
#include "transponder/exchange.h"

#include <QString>

struct SerialLink;

// The operations the window and orvane-cli run against the reader.
enum class ReaderOperation {
    ReadPages,
    WritePages,
    LockPages,
    ReadCarrierId,
    WriteCarrierId,
    ReadUid,
};

// What an operation holds while it runs: the busy flag that keeps received lines out of the
// terminal, and the factor its TOR answer is multiplied by to give its timeout unit.
struct OperationTraits
{
    ReceiveThread::Busy busy;
    int timeoutFactor;
};

constexpr OperationTraits TraitsOf(ReaderOperation operation)
{
    using Busy = ReceiveThread::Busy;
    switch (operation) {
    case ReaderOperation::ReadPages:
    case ReaderOperation::ReadCarrierId:
        return {Busy::Read, 13};
    case ReaderOperation::WritePages:
    case ReaderOperation::WriteCarrierId:
        return {Busy::Write, 25};
    case ReaderOperation::LockPages:
    case ReaderOperation::ReadUid:
        break;
    }
    return {Busy::Read, 25};
}

// One operation's hold on the link for the length of a scope: its busy flag, and the exchanges it
// runs with its records and timeout unit (both owned by the caller).
class OperationScope
{
public:
    OperationScope(SerialLink& link, ReaderOperation operation, QString& records, int& timeoutUnit);
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

    ExchangeContext& Exchanges() { return context; }

    // Asks the reader "TOR" and scales the timeout unit by the operation's factor.
    void QueryTimeout();

private:
    ReaderOperation operation;
    ReceiveThread::BusyScope busyScope;
    ExchangeContext context;
};

// Forgets what came in before, asks the reader for its timeout value ("TOR") and waits at most 4
// timeout units for the answer. A TOR answer (TimeoutAnswerValue: a plain number from 1 to 255)
// makes the timeout unit v * factor. Anything else - no answer, or a line that is no TOR answer
// (16 HEX digits, "ACK", ...), which is a late answer to an earlier command, such as one a killed
// program left behind - means the line is out of step: the query drains the late line still to
// come (one more wait) and asks once more, and drains again after a second miss. When no TOR
// answer comes the unit stays as it was. Leaves no record in the terminal.
void TimeoutQuery(ExchangeContext& context, int factor);
