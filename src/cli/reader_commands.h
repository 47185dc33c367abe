#pragma once

#include "cli/cli_report.h"
#include "cli/cli_request.h"
#include "cli/page_image_file.h"

#include <functional>
#include <vector>

struct SerialLink;

// The commands of orvane-cli on an open link, each one operation of the window: it holds the
// operation's busy flag, sends the TOR with the operation's factor and then the operation's run
// from transponder/. They fill report (steps, results, ok) and call progress(page) before each
// page's command.

using Progress = std::function<void(int page)>;

void RunRead(SerialLink& link, const CliRequest& request, const Progress& progress,
             CliReport& report);
// A write passes over the pages after stopRequested() first holds (without a command): they are
// not written.
void RunWrite(SerialLink& link, const std::vector<PageText>& pagesHex, bool verify,
              DisplayFormat format, const Progress& progress, CliReport& report,
              const std::function<bool()>& stopRequested = {});
void RunLock(SerialLink& link, const PageSelection& pages, const Progress& progress,
             CliReport& report);
void RunReadUid(SerialLink& link, CliReport& report);
void RunReadCarrierId(SerialLink& link, int length, DisplayFormat format, CliReport& report);
void RunWriteCarrierId(SerialLink& link, const QString& carrierIdHex, int length,
                       DisplayFormat format, CliReport& report);
