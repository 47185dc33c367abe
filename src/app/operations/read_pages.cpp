#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "transponder/operation_runs.h"

#include <functional>
#include <optional>

namespace {

void PrepareFields(COrvaneDlg& dialog)
{
    dialog.UpdateData(false);
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index) {
        if (dialog.pageRows.rows[index].selected)
            FocusPageField(dialog, index);
    }
    SetAllPageFieldColours(dialog, kColourWhite);
}

// Reads the selected pages in page order until an answer shorter than a page ends the run. Each
// answer goes into its page's member and colour; the fields show the members, and the focus moves
// to the page last read, whenever the run waits on the reader longer than a frame and at the end.
void ReadSelectedPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    std::optional<std::size_t> lastRead;
    std::function<void()> showProgress = std::move(context.showProgress);
    context.showProgress = [&] {
        dialog.UpdateData(false);
        if (lastRead)
            FocusPageField(dialog, *lastRead);
        if (showProgress)
            showProgress();
    };
    PageRunHooks hooks;
    hooks.starting = [&](int page) { SetPageFieldColour(dialog, page - 1, kColourWhite); };
    hooks.finished = [&](const ReaderStep& step) {
        const std::size_t index = static_cast<std::size_t>(step.page - 1);
        if (step.good)
            dialog.pageRows.rows[index].text = PresentHex(step.answer.kept, dialog.displayFormat);
        SetPageFieldColour(dialog, index, step.good ? kColourGreen : kColourRed);
        lastRead = index;
    };
    ReadPageRun(context, dialog.pageRows.Selection(), hooks);
    context.showProgress = std::move(showProgress);
    if (lastRead)
        FocusPageField(dialog, *lastRead);
}

} // namespace

void COrvaneDlg::ReadPages()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReaderOperation::ReadPages);
        if (run.Connected()) {
            PrepareFields(*this);
            run.QueryTimeout();
            ReadSelectedPages(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        UpdateData(false);
}
