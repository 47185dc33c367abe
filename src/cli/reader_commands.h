#pragma once

#include "cli/cli_report.h"
#include "cli/cli_request.h"
#include "cli/page_image_file.h"

#include <functional>
#include <vector>

struct SerialLink;

// The commands of orvane-cli on an open link, each one operation of the window: it holds the
// operation's busy flag, sends the TOR with the operation's factor and then the operation's run
// from transponder/. They fill report (commands sent, outcomes, ok) and tell hooks as they go.

// What a command tells its caller while it runs, and what it asks (any may be empty); whether it
// reads the UID first.
struct CommandHooks
{
    std::function<void(int page)> progress;      // right before each page's command
    std::function<void(const Outcome&)> outcome; // each outcome as soon as it is known
    std::function<bool()> stopRequested;         // asked before each page's command
    bool uidFirst = false; // pages and carrier ID: RUID right after the TOR, so the UID is known
};

void RunRead(SerialLink& link, const CliRequest& request, const CommandHooks& hooks,
             CliReport& report);
void RunWrite(SerialLink& link, const std::vector<PageText>& pagesHex, bool verify,
              DisplayFormat format, const CommandHooks& hooks, CliReport& report);
void RunLock(SerialLink& link, const PageSelection& pages, const CommandHooks& hooks,
             CliReport& report);
void RunReadUid(SerialLink& link, const CommandHooks& hooks, CliReport& report);
void RunReadCarrierId(SerialLink& link, int length, DisplayFormat format, const CommandHooks& hooks,
                      CliReport& report);
void RunWriteCarrierId(SerialLink& link, const QString& carrierIdHex, int length,
                       DisplayFormat format, const CommandHooks& hooks, CliReport& report);
