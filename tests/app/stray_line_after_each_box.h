#pragma once

#include "app/ctamblor_dlg.h"
#include "framework/dialog_ids.h"
#include "framework/message_boxes.h"
#include "reader-sim/pty_reader_server.h"
#include "support/wait_until.h"

// While a message box is up between two commands of a write, the reader sends a stray "ACK": it is
// in the window's hands (published, line event set) before the box closes.
class StrayLineAfterEachBox final : public MessagePresenter
{
public:
    StrayLineAfterEachBox(CTamblorDlg& window, PtyReaderServer& reader)
        : window(window), reader(reader), previous(SetMessagePresenter(this))
    {
    }
    ~StrayLineAfterEachBox() override { SetMessagePresenter(previous); }
    StrayLineAfterEachBox(const StrayLineAfterEachBox&) = delete;
    StrayLineAfterEachBox& operator=(const StrayLineAfterEachBox&) = delete;

    int Present(const MessageBoxRequest&) override
    {
        // Forgets what came before the box first, so that the line event is set by this line alone.
        ReceiveThread& receiveThread = window.serialLink.receiveThread;
        receiveThread.DiscardReceived(window.serialLink.portHandle.get());
        if (reader.SendRaw("ACK\r"))
            receiveThread.lineEvent.Wait(kGenerousWait);
        return IDOK;
    }

private:
    CTamblorDlg& window;
    PtyReaderServer& reader;
    MessagePresenter* previous;
};
