#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
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
    int lastAnswerLength = kPageHexDigits;
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index) {
        PageRow& row = dialog.pageRows.rows[index];
        if (!row.selected)
            continue;
        if (!ReadRunContinues(lastAnswerLength))
            break;
        SetPageFieldColour(dialog, index, kColourWhite);
        const ExchangeResult answer =
            CommandExchange(context, ReadPageCommand(static_cast<int>(index) + 1));
        lastAnswerLength = answer.answerLength;
        const bool read = IsGoodPageAnswer(answer.kept);
        if (read)
            row.text = PresentHex(answer.kept, dialog.displayFormat);
        PutAnswerRecord(context, answer);
        dialog.UpdateData(false);
        FocusPageField(dialog, index);
        SetPageFieldColour(dialog, index, read ? kColourGreen : kColourRed);
    }
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
