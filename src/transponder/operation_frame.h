#pragma once

#include "transponder/exchange_context.h"

#include <functional>

// The busy flag an operation holds for its whole run; either keeps the receive thread's lines out
// of the terminal, so that the operation alone decides what the terminal shows.
enum class BusyFlag {
    Read,
    Write,
};

// What one transponder operation adds to the frame that every operation shares. Only takeFields
// and exchanges are required; an empty step is skipped.
struct OperationSteps
{
    BusyFlag busyFlag = BusyFlag::Read;
    int timeoutFactor = 0;                        // TOR answer multiplier (13 or 25)
    std::function<void()> takeFields{};           // the window's fields into its members
    std::function<void()> afterFieldsTaken{};     // before the terminal text is cleared
    std::function<void()> beforeConnectedCheck{}; // busy flag already set; runs also without a port
    std::function<void()> beforeTimeoutQuery{};   // port open, before the TOR is sent
    std::function<void(ExchangeContext&)> exchanges{}; // after the timeout query
    std::function<void()> afterBusyCleared{};          // last, also without a port
};

// Runs one operation in the common frame: take the fields, clear the context's terminal text, set
// the busy flag; when the port is open, run the timeout query and the operation's exchanges on
// context (each discards what came before its command); then clear the busy flag. Without a port
// nothing is sent and no message is shown.
void RunOperation(ExchangeContext& context, const OperationSteps& steps);
