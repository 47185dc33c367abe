// The main window's answer to a reader that vanished while its port was open.
#include "app/corvane_dlg.h"

#include "serial/link_messages.h"

void COrvaneDlg::OnDeviceHangUp()
{
    // A report from a worker that was stopped since, for a port closed or replaced meanwhile.
    if (!serialLink.portHandle || !serialLink.receiveThread.DeviceHungUp())
        return;
    serialLink.ClosePort(*this);
    serialLink.connected = false;
    // Watching from now on lets a reader plugged back while the box is open be taken at once.
    if (!serialLink.portHandle)
        replugWatch.Start();
    ShowLinkError(serialLink.portName + LinkMessages::kWasDisconnectedSuffix);
}
