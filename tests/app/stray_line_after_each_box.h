#pragma once

#include "app/corvane_dlg.h"
#include "ui/dialog_ids.h"
#include "ui/message_boxes.h"
#include "reader-sim/pty_reader_server.h"
#include "support/wait_until.h"

// While a message box is up between two commands of a write, the reader sends a stray "ACK": it is
// in the window's hands (published, line event set) before the box closes.
class StrayLineAfterEachBox final : public MessagePresenter
{
public:
    StrayLineAfterEachBox(COrvaneDlg& window, PtyReaderServer& reader)
        : window(window), reader(reader), previous(SetMessagePresenter(this)) {}
    ~StrayLineAfterEachBox() override { SetMessagePresenter(previous); }

    int Present(const MessageBoxRequest&) override
    {
        // Forgets what came before the box first, so that the line event is set by this line alone.
        window.serialLink.receiveThread.DiscardReceived(window.serialLink.portHandle.get());
        if (reader.SendRaw("ACK\r"))
            WaitUntil([&] { return window.serialLink.receiveThread.LineWaiting(); });
        return IDOK;
    }

private:
    COrvaneDlg& window;
    PtyReaderServer& reader;
    MessagePresenter* previous;
};
