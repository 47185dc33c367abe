#include "transponder/answer_line.h"

#include "serial/serial_link.h"

void DiscardEarlierLines(SerialLink& link)
{
    link.receiveThread.DiscardReceived(link.portHandle.get());
}

bool DrainLateLine(SerialLink& link, std::chrono::milliseconds wait)
{
    return link.receiveThread.AwaitLine(wait).has_value();
}
