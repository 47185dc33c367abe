// The main window's Interface > Settings handler.
#include "app/main_window.h"

#include "app/interface_dialog.h"
#include "platform/number_parsing.h"

void MainWindow::OnInterfaceSettings()
{
    // A field that fails the take-over keeps the focus and its text; the port can still be
    // changed, but the model must not be shown over the typed text at the end. The fields cannot
    // change while the dialog is up, so a failed take-over is not repeated after it.
    const bool fieldsTaken = TakeFields();

    // The operator chooses the port from here on.
    replugWatch.Stop();
    serialLink.ClosePort(*this);
    if (serialLink.portHandle != nullptr) {
        // The port that would not close stays in use, so its answers must be collected again.
        if (serialLink.portHandle->IsOpen())
            serialLink.StartReceiveThread();
        if (fieldsTaken)
            ShowFields();
        return;
    }
    serialLink.connected = false;

    InterfaceDialog dialog(this, serialLink.portName, QString::number(serialLink.baudRate));
    const int result = dialog.exec();
    const bool fieldsTakenAfter = fieldsTaken && TakeFields();
    if (result == QDialog::Accepted) {
        serialLink.portName = dialog.PortText();
        serialLink.baudRate = ParseLeadingInt32(dialog.BaudRateText());
    }
    serialLink.ConnectPort(*this);

    if (fieldsTakenAfter)
        ShowFields();
}
