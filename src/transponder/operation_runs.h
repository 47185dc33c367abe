#pragma once

#include "transponder/exchange.h"
#include "transponder/page_rows.h"
#include "transponder/reader_protocol.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The runs of the page operations over pages 1..17, shared by the window and the command line:
// which pages get a command, in which order, how each answer is judged, and when a run ends. Each
// answer's record goes on top of the context's terminal text. None of them sends the TOR: the
// caller runs the TimeoutQuery with its operation's factor first.

// What a caller shows while a run goes on: starting(page) right before the page's command goes
// out, finished(step) after its answer was judged and recorded (not for an exchange that was
// stopped). stopRequested is asked before each page's command; when it says true, or the context is
// stopped, the run ends there, as after a failed page. Any may be empty.
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

// The carrier ID operations' exchanges, shared by the window and the command line. Neither sends
// the TOR: the caller runs the TimeoutQuery with its operation's factor first.

// What a carrier ID read gave: the page reads, whether they all succeeded and the carrier ID in
// HEX taken from them as they came (failed answers included).
struct CarrierIdReading
{
    std::vector<ReaderStep> steps;
    bool good = false;
    QString hex;
};

// Reads page 1, and page 2 when a carrier ID of length bytes (1..16) reaches into it. Only page
// 1's answer is recorded in the terminal text.
CarrierIdReading ReadCarrierIdRun(ExchangeContext& context, int length);

enum class CarrierIdWriteOutcome {
    AreaNotRead,   // a page of the area did not read as 16 HEX digits: nothing was written
    Page1Mismatch, // page 1 did not read back as written: page 2 was not written
    Page2Mismatch, // page 2 did not read back as written
    Written,
};

struct CarrierIdWriting
{
    std::vector<ReaderStep> steps;
    CarrierIdWriteOutcome outcome = CarrierIdWriteOutcome::AreaNotRead;
};

// Reads pages 1 and 2, puts carrierIdHex (2 * length HEX digits, length 1..16) over the area's
// start and writes page 1 then page 2, each read back and compared with what was written; page 2
// is written only after page 1 compared equal. checked(step) reports each read-back, good when
// equal. Nothing is written when either page of the area did not read as 16 HEX digits.
CarrierIdWriting WriteCarrierIdRun(ExchangeContext& context, const QString& carrierIdHex,
                                   int length,
                                   const std::function<void(const ReaderStep&)>& checked = {});

// Asks the reader for the UID ("RUID") and records the answer; good when it is 8 characters
// without an error mark. The caller runs the TimeoutQuery first.
ReaderStep ReadUidRun(ExchangeContext& context);
