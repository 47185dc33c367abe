#include "transponder/reader_operation.h"

#include "serial/serial_link.h"
#include "transponder/timeout_query.h"

OperationScope::OperationScope(SerialLink& link, ReaderOperation operation, QString& records,
                               int& timeoutUnit)
    : operation(operation), busyScope(link.receiveThread, TraitsOf(operation).busy),
      context{link, records, timeoutUnit}
{
}

void OperationScope::QueryTimeout()
{
    TimeoutQuery(context, TraitsOf(operation).timeoutFactor);
}
