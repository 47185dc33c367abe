#pragma once

#include "transponder/reader_operation.h"

#include <QString>

class MainWindow;

// One operation's hold on the reader link and the terminal, for the length of a scope. It sets the
// operation's busy flag (OperationScope), so received lines stay out of the terminal while the
// run's records collect in a text of their own; with a port open it clears the terminal output on
// entry and shows the records there on exit (the writing operations do so without a port too).
// GUI thread only.
class OperationRun
{
public:
    OperationRun(MainWindow& window, ReaderOperation operation);
    ~OperationRun();
    OperationRun(const OperationRun&) = delete;
    OperationRun& operator=(const OperationRun&) = delete;

    // True when a port is open; without one an operation sends nothing and shows no message.
    bool Connected() const { return connected; }

    // What the exchanges of the run work on: the link, the run's records and the timeout unit.
    ExchangeContext& Exchanges() { return scope.Exchanges(); }
    // Asks the reader "TOR" and scales the window's timeout unit by the operation's factor.
    void QueryTimeout() { scope.QueryTimeout(); }

private:
    MainWindow& window;
    const bool connected;
    const bool clearsTerminal;
    QString records;
    OperationScope scope;
};
