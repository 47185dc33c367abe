#pragma once

#include "app/run_guard.h"
#include "transponder/reader_operation.h"

#include <QString>

class COrvaneDlg;

// One operation's hold on the reader link and the terminal, for the length of a scope. On entry
// it clears the window's terminal text and sets the operation's busy flag (OperationScope), so
// received lines stay out of the terminal; the run's records collect in a text of their own. On
// exit it clears the busy flag and makes the records the terminal text. While the run lasts the
// terminal text stays empty, so showing the members after each page does not lay out a growing
// terminal again; the window takes no input until the end (RunGuard), so the terminal looks the
// same. While the run waits on the reader the window stays alive, and Escape stops the run: its
// records then get "stopped" on top. GUI thread only.
class OperationRun
{
public:
    OperationRun(COrvaneDlg& dialog, ReaderOperation operation);
    ~OperationRun();
    OperationRun(const OperationRun&) = delete;
    OperationRun& operator=(const OperationRun&) = delete;

    // True when a port is open; without one an operation sends nothing and shows no message.
    bool Connected() const;

    // What the exchanges of the run work on: the link, the run's records and the timeout unit.
    ExchangeContext& Exchanges() { return scope.Exchanges(); }
    // Asks the reader "TOR" and scales the window's timeout unit by the operation's factor.
    void QueryTimeout() { scope.QueryTimeout(); }

private:
    COrvaneDlg& dialog;
    QString records;
    OperationScope scope;
    RunGuard guard; // ends before the busy flag clears
};
