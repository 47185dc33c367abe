#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "transponder/page_runs.h"
#include "transponder/timeout_query.h"

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

// Reads the selected pages in page order until an answer shorter than a page ends the run.
void ReadSelectedPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    PageRunHooks hooks;
    hooks.starting = [&](int page) { SetPageFieldColour(dialog, page - 1, kColourWhite); };
    hooks.finished = [&](const ReaderStep& step) {
        const std::size_t index = static_cast<std::size_t>(step.page - 1);
        QString& text = dialog.pageRows.rows[index].text;
        if (step.good)
            text = PresentHex(step.answer.kept, dialog.displayFormat);
        // Only this page's member changed during the run; showing it alone keeps a run against
        // a fast reader from laying out the whole window once per page.
        dialog.pageFields.InPageOrder()[index]->SetWindowText(text);
        FocusPageField(dialog, index);
        SetPageFieldColour(dialog, index, step.good ? kColourGreen : kColourRed);
    };
    ReadPageRun(context, dialog.pageRows.Selection(), hooks);
}

} // namespace

void COrvaneDlg::ReadPages()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReceiveThread::Busy::Read);
        if (run.Connected()) {
            PrepareFields(*this);
            TimeoutQuery(run.Exchanges(), kReadPagesTimeoutFactor);
            ReadSelectedPages(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        UpdateData(false);
}
