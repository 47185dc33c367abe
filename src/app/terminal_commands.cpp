// The main window's terminal handlers.
#include "app/main_window.h"

#include "app/terminal_pane.h"
#include "serial/terminal_line_queue.h"
#include "transponder/reader_protocol.h"
#include "ui/enter_field.h"
#include "ui/terminal_output.h"

#include <QAction>

void MainWindow::SendCommandLine()
{
    // A length message raised while taking over does not stop the send: the send text is taken
    // over before any limited field.
    TakeFields();
    if (serialLink.connected)
        serialLink.WriteText(model.terminalSendText + kCommandEnd);
    ShowFields();
}

void MainWindow::OnSendFieldEnter()
{
    widgets.sendField->selectAll();
    SendCommandLine();
    // Showing the model again may have moved the selection; the command stays selected so the
    // next key replaces it and the next Enter sends it again.
    widgets.sendField->selectAll();
}

void MainWindow::ToggleTerminal()
{
    model.terminalShown = !model.terminalShown;
    widgets.terminalShow->setCheckable(true);
    widgets.terminalShow->setChecked(model.terminalShown);
    FitWindowToTerminal();
}

void MainWindow::ClearTerminal()
{
    TakeFields();
    widgets.terminalOutput->Clear();
    ShowFields();
}

void MainWindow::FitWindowToTerminal()
{
    const QSize client(model.terminalShown ? kWideClientWidth : kNarrowClientWidth,
                       kTerminalClientHeight);
    const QSize windowSize(client.width(), client.height() + MenuBarHeight());
    if (!isVisible()) {
        // Not placed yet: a position now would pin the window where the desktop has not put it.
        resize(windowSize);
        return;
    }
    // A resize keeps the top-left corner.
    resize(windowSize);
    repaint();
}

// The queue may drop lines of a batch that the pane would still show.
static_assert(TerminalLineQueue::kKeptLines >= kMaxOutputLines);

void MainWindow::ShowReceivedLines()
{
    const TerminalLines lines = serialLink.receiveThread.TakeTerminalLines();
    // An operation that started after these lines arrived owns the terminal and clears it anyway.
    if (lines.ends.empty() || serialLink.receiveThread.IsBusy())
        return;
    ShowLinesOnTop(*widgets.terminalOutput, lines);
}
