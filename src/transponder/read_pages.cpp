#include "app/ctamblor_dlg.h"
#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/page_field_colours.h"
#include "transponder/reader_command.h"
#include "transponder/window_operation.h"

namespace {

void PrepareFields(CTamblorDlg& dialog)
{
    dialog.UpdateData(false);
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index) {
        if (dialog.pageRows.rows[index].selected == 1)
            FocusPageField(dialog, index);
    }
    SetAllPageFieldColours(dialog, kColourWhite);
}

// Reads the selected pages in page order until an answer shorter than a page ends the run.
void ReadSelectedPages(CTamblorDlg& dialog, ExchangeContext& context)
{
    int lastAnswerLength = kPageHexDigits;
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index) {
        PageRow& row = dialog.pageRows.rows[index];
        if (row.selected != 1)
            continue;
        if (!ReadRunContinues(lastAnswerLength))
            break;
        SetPageFieldColour(dialog, index, kColourWhite);
        const ExchangeResult answer =
            CommandExchange(context, ReadPageCommand(static_cast<int>(index) + 1));
        lastAnswerLength = answer.answerLength;
        const bool read = IsGoodPageAnswer(answer);
        if (read)
            row.text = PresentHex(answer.kept, dialog.displayFormat);
        PutAnswerRecord(context, answer);
        dialog.UpdateData(false);
        FocusPageField(dialog, index);
        SetPageFieldColour(dialog, index, read ? kColourGreen : kColourRed);
    }
}

} // namespace

void CTamblorDlg::ReadPages()
{
    RunWindowOperation(
        *this,
        {.busyFlag = BusyFlag::Read,
         .timeoutFactor = kReadPagesTimeoutFactor,
         .takeFields = [this] { UpdateData(true); },
         .beforeTimeoutQuery = [this] { PrepareFields(*this); },
         .exchanges = [this](ExchangeContext& context) { ReadSelectedPages(*this, context); },
         .afterBusyCleared = [this] { ShowRecordsAfterARun(*this); }});
}
