#include "transponder/answer_line.h"

#include "serial/serial_link.h"

void DiscardEarlierLines(SerialLink& link)
{
    link.receiveThread.DiscardReceived(link.portHandle.get());
}
