// The main window's terminal handlers.
#include "app/corvane_dlg.h"
#include "ui/dialog_window.h"
#include "ui/menu_flags.h"
#include "resources/command_ids.h"
#include "serial/terminal_line_queue.h"
#include "transponder/reader_protocol.h"

void COrvaneDlg::SendCommandLine()
{
    // A length message raised while taking over does not stop the send: the send text is taken
    // over before any limited field.
    UpdateData(true);
    if (serialLink.connected)
        serialLink.WriteText(terminal.sendText + kCommandEnd);
    UpdateData(false);
}

void COrvaneDlg::OnSendFieldEnter()
{
    terminal.sendField.SetSel(0, -1);
    terminal.sendField.ScrollCaret();
    SendCommandLine();
    // Showing the members again may have moved the selection; the command stays selected so the
    // next key replaces it and the next Enter sends it again.
    terminal.sendField.SetSel(0, -1);
}

void COrvaneDlg::ToggleTerminal()
{
    terminal.shown = !terminal.shown;
    if (CMenu* menu = GetMenu())
        menu->CheckMenuItem(CommandId::kTerminalShow,
                            terminal.shown ? MF_CHECKED : MF_UNCHECKED);
    FitWindowToTerminal();
}

void COrvaneDlg::ClearTerminal()
{
    UpdateData(true);
    terminal.outputText.clear();
    UpdateData(false);
}

void COrvaneDlg::FitWindowToTerminal()
{
    DialogWindow* window = GetSafeWidget();
    if (window == nullptr)
        return;
    const QSize client = terminal.ClientSize();
    const QSize windowSize(client.width(), client.height() + window->MenuBarHeight());
    if (!window->isVisible()) {
        // Not placed yet: a position now would pin the window where the desktop has not put it.
        window->resize(windowSize);
        return;
    }
    const QRect frame = GetWindowRect();
    const QSize frameMargins = frame.size() - window->size();
    MoveWindow(QRect(frame.topLeft(), windowSize + frameMargins), true);
}

// The queue may drop lines of a batch that the pane would still show.
static_assert(TerminalLineQueue::kKeptLines >= TerminalPane::kMaxOutputLines);

void COrvaneDlg::ShowReceivedLines()
{
    const TerminalLines lines = serialLink.receiveThread.TakeTerminalLines();
    // An operation that started after these lines arrived owns the terminal and clears it anyway.
    if (lines.ends.empty() || serialLink.receiveThread.IsBusy())
        return;
    if (!terminal.outputField.IsAttached())
        return;
    terminal.ShowLinesOnTop(lines);
}
