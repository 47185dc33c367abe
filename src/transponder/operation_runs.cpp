#include "transponder/operation_runs.h"

#include "transponder/answers.h"
#include "transponder/carrier_id.h"
#include "transponder/exchange.h"
#include "transponder/reader_protocol.h"

#include <optional>

namespace {

ReaderStep Exchange(ExchangeContext& context, int page, const ReaderCommand& command,
                    const PageRunHooks& hooks)
{
    if (hooks.starting)
        hooks.starting(page);
    ReaderStep step{page, command.line.chopped(kCommandEnd.size()),
                    CommandExchange(context, command), false};
    step.good = command.isGoodAnswer(step.answer);
    PutAnswerRecord(context, step.answer);
    if (hooks.finished && step.answer.end != ExchangeEnd::Stopped)
        hooks.finished(step);
    return step;
}

bool StopRequested(const ExchangeContext& context, const PageRunHooks& hooks)
{
    return context.stopped || (hooks.stopRequested && hooks.stopRequested());
}

} // namespace

std::vector<ReaderStep> ReadPageRun(ExchangeContext& context, const PageSelection& selected,
                                    const PageRunHooks& hooks)
{
    std::vector<ReaderStep> steps;
    int lastAnswerLength = kPageHexDigits;
    for (int page = 1; page <= kPageCount; ++page) {
        if (!selected[page - 1])
            continue;
        if (!ReadRunContinues(lastAnswerLength) || StopRequested(context, hooks))
            break;
        steps.push_back(Exchange(context, page, ReadPageCommand(page), hooks));
        lastAnswerLength = steps.back().answer.answerLength;
    }
    return steps;
}

std::vector<ReaderStep> WritePageRun(ExchangeContext& context,
                                     const std::function<std::optional<QString>(int page)>& dataFor,
                                     const PageRunHooks& hooks)
{
    std::vector<ReaderStep> steps;
    for (int page = 1; page <= kPageCount && (steps.empty() || steps.back().good); ++page) {
        const std::optional<QString> hex = dataFor(page);
        if (!hex)
            continue;
        if (StopRequested(context, hooks))
            break;
        steps.push_back(Exchange(context, page, WritePageCommand(page, *hex), hooks));
    }
    return steps;
}

std::vector<ReaderStep> LockPageRun(ExchangeContext& context, const PageSelection& selected,
                                    const PageRunHooks& hooks)
{
    std::vector<ReaderStep> steps;
    for (int page = 1; page <= kPageCount && (steps.empty() || steps.back().good); ++page) {
        if (!selected[page - 1])
            continue;
        if (StopRequested(context, hooks))
            break;
        steps.push_back(Exchange(context, page, LockPageCommand(page), hooks));
    }
    return steps;
}

namespace {

ReaderStep Exchange(ExchangeContext& context, int page, const ReaderCommand& command)
{
    ReaderStep step{page, command.line.chopped(kCommandEnd.size()),
                    CommandExchange(context, command), false};
    step.good = command.isGoodAnswer(step.answer);
    return step;
}

ReaderStep ReadPage(ExchangeContext& context, int page)
{
    return Exchange(context, page, ReadPageCommand(page));
}

// Writes one page of the area and reads it back; good when it reads as written.
bool WriteAndCheckPage(ExchangeContext& context, int page, const QString& pageHex,
                       CarrierIdWriting& writing,
                       const std::function<void(const ReaderStep&)>& checked)
{
    ReaderStep write = Exchange(context, page, WritePageCommand(page, pageHex));
    PutAnswerRecord(context, write.answer);
    writing.steps.push_back(write);
    ReaderStep check = Exchange(context, page, ReadPageCommand(page));
    check.good = check.good && check.answer.kept == pageHex;
    PutAnswerRecord(context, check.answer);
    writing.steps.push_back(check);
    if (checked && check.answer.end != ExchangeEnd::Stopped)
        checked(check);
    return check.good;
}

} // namespace

CarrierIdReading ReadCarrierIdRun(ExchangeContext& context, int length)
{
    CarrierIdReading reading;
    reading.steps.push_back(ReadPage(context, kFirstCarrierIdPage));
    PutAnswerRecord(context, reading.steps.back().answer);
    if (CarrierIdSpansTwoPages(length))
        reading.steps.push_back(ReadPage(context, kSecondCarrierIdPage));
    // A failed page 1 under a good page 2 would otherwise pass its error text as a carrier ID.
    reading.good = true;
    for (const ReaderStep& step : reading.steps)
        reading.good = reading.good && step.good;
    const QString page2 =
        reading.steps.size() > 1 ? WithoutLineEnds(reading.steps[1].answer.kept) : QString();
    reading.hex = CarrierIdFromPages(WithoutLineEnds(reading.steps[0].answer.kept), page2, length);
    return reading;
}

CarrierIdWriting WriteCarrierIdRun(ExchangeContext& context, const QString& carrierIdHex,
                                   int length,
                                   const std::function<void(const ReaderStep&)>& checked)
{
    CarrierIdWriting writing;
    const ReaderStep old1 = ReadPage(context, kFirstCarrierIdPage);
    PutAnswerRecord(context, old1.answer);
    const ReaderStep old2 = ReadPage(context, kSecondCarrierIdPage);
    writing.steps = {old1, old2};
    const std::optional<CarrierIdPages> pages =
        old1.good && old2.good
            ? ComposeCarrierIdPages(carrierIdHex, old1.answer.kept, old2.answer.kept, length)
            : std::nullopt;
    if (!pages) {
        // Both answers are recorded, so that the terminal shows why nothing was written.
        PutAnswerRecord(context, old2.answer);
        return writing;
    }
    writing.outcome = CarrierIdWriteOutcome::Page1Mismatch;
    if (!WriteAndCheckPage(context, kFirstCarrierIdPage, pages->page1, writing, checked))
        return writing;
    const bool good =
        WriteAndCheckPage(context, kSecondCarrierIdPage, pages->page2, writing, checked);
    writing.outcome = good ? CarrierIdWriteOutcome::Written : CarrierIdWriteOutcome::Page2Mismatch;
    return writing;
}

ReaderStep ReadUidRun(ExchangeContext& context)
{
    const ReaderCommand command = ReadUidCommand();
    ReaderStep step{0, command.line.chopped(kCommandEnd.size()), CommandExchange(context, command),
                    false};
    step.good = command.isGoodAnswer(step.answer);
    PutAnswerRecord(context, step.answer);
    return step;
}
