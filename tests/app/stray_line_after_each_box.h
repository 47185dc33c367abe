#pragma once

#include "app/main_window.h"
#include "ui/message_boxes.h"
#include "reader-sim/pty_reader_server.h"
#include "support/wait_until.h"

// While a message box is up between two commands of a write, the reader sends a stray "ACK": it is
// in the window's hands (published, line event set) before the box closes.
class StrayLineAfterEachBox final : public MessagePresenter
{
public:
    StrayLineAfterEachBox(MainWindow& window, PtyReaderServer& reader)
        : window(window), reader(reader), previous(SetMessagePresenter(this)) {}
    ~StrayLineAfterEachBox() override { SetMessagePresenter(previous); }

    void Present(const MessageBoxRequest&) override
    {
        // Forgets what came before the box first, so that the line event is set by this line alone.
        window.Link().receiveThread.DiscardReceived(window.Link().portHandle.get());
        if (reader.SendRaw("ACK\r"))
            WaitUntil([&] { return window.Link().receiveThread.LineWaiting(); });
    }

private:
    MainWindow& window;
    PtyReaderServer& reader;
    MessagePresenter* previous;
};
