#pragma once

#include "transponder/reader_step.h"

#include <QString>

#include <functional>
#include <vector>

struct ExchangeContext;

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
