#include "transponder/page_runs.h"

#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"

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
    if (hooks.finished)
        hooks.finished(step);
    return step;
}

bool StopRequested(const PageRunHooks& hooks)
{
    return hooks.stopRequested && hooks.stopRequested();
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
        if (!ReadRunContinues(lastAnswerLength) || StopRequested(hooks))
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
        if (StopRequested(hooks))
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
        if (StopRequested(hooks))
            break;
        steps.push_back(Exchange(context, page, LockPageCommand(page), hooks));
    }
    return steps;
}
