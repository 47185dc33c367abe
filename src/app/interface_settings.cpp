// The main window's Interface > Settings handler.
#include "app/corvane_dlg.h"

#include "ui/dialog_ids.h"
#include "platform/number_parsing.h"
#include "app/cinterface_dlg.h"

void COrvaneDlg::OnInterfaceSettings()
{
    CInterfaceDlg dialog(GetSafeWidget());
    // A field that fails the take-over keeps the focus and its text; the port can still be
    // changed, but the members must not be shown over the typed text at the end. The fields cannot
    // change while the dialog is up, so a failed take-over is not repeated after it.
    const bool fieldsTaken = UpdateData(true);

    // The operator chooses the port from here on.
    replugWatch.Stop();
    serialLink.ClosePort(*this);
    if (serialLink.portHandle != nullptr) {
        // The port that would not close stays in use, so its answers must be collected again.
        if (serialLink.portHandle->IsOpen())
            serialLink.StartReceiveThread();
        if (fieldsTaken)
            UpdateData(false);
        return;
    }
    serialLink.connected = false;

    dialog.portText = serialLink.portName;
    dialog.baudRateText = QString::number(serialLink.baudRate);
    const int result = dialog.DoModal();
    const bool fieldsTakenAfter = fieldsTaken && UpdateData(true);
    if (result == IDOK) {
        serialLink.portName = dialog.portText;
        serialLink.baudRate = ParseLeadingInt32(dialog.baudRateText);
    }
    serialLink.ConnectPort(*this);

    if (fieldsTakenAfter)
        UpdateData(false);
}
