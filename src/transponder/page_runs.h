#pragma once

#include "transponder/page_rows.h"
#include "transponder/reader_protocol.h"
#include "transponder/reader_step.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

struct ExchangeContext;

// The runs of the page operations over pages 1..17, shared by the window and the command line:
// which pages get a command, in which order, how each answer is judged, and when a run ends. Each
// answer's record goes on top of the context's terminal text. None of them sends the TOR: the
// caller runs the TimeoutQuery with its operation's factor first.

// What a caller shows while a run goes on: starting(page) right before the page's command goes
// out, finished(step) after its answer was judged and recorded. stopRequested is asked before each
// page's command; when it says true, the run ends there, as after a failed page. Any may be empty.
struct PageRunHooks
{
    std::function<void(int page)> starting;
    std::function<void(const ReaderStep&)> finished;
    std::function<bool()> stopRequested;
};

// Reads the selected pages ("RD n"); a page is good when its kept answer is a whole page without
// an error mark. The run ends before the next selected page once an uncut answer was shorter than
// a page (a timeout, "No Read", a short line). Returns the steps in page order.
std::vector<ReaderStep> ReadPageRun(ExchangeContext& context, const PageSelection& selected,
                                    const PageRunHooks& hooks = {});

// Writes pages in page order ("WD n <hex>"): dataFor(page) gives the 16 HEX digits to send, or
// nothing to pass the page by without a command; it is asked only while the run goes on. A page is
// good when acknowledged; the run ends after the first page that is not. Returns the steps.
std::vector<ReaderStep> WritePageRun(ExchangeContext& context,
                                     const std::function<std::optional<QString>(int page)>& dataFor,
                                     const PageRunHooks& hooks = {});

// Locks the selected pages ("LD n"); the run ends after the first page not acknowledged.
std::vector<ReaderStep> LockPageRun(ExchangeContext& context, const PageSelection& selected,
                                    const PageRunHooks& hooks = {});
