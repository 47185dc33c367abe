#include "app/main_window.h"
#include "app/operations/operation_run.h"
#include "transponder/operation_runs.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

#include <functional>
#include <optional>

namespace {

// Reads the selected pages in page order until an answer shorter than a page ends the run. Each
// answer goes into its page's text and colour; the fields show the model, and the focus moves
// to the page last read, whenever the run waits on the reader longer than a frame and at the end.
void ReadSelectedPages(MainWindow& window, ExchangeContext& context)
{
    WindowModel& model = window.Model();
    std::optional<std::size_t> lastRead;
    const auto focusLastRead = [&] {
        if (lastRead)
            window.Widgets().pageFields[*lastRead]->setFocus();
    };
    std::function<void()> showProgress = std::move(context.showProgress);
    context.showProgress = [&] {
        window.ShowFields();
        focusLastRead();
        if (showProgress)
            showProgress();
    };
    PageRunHooks hooks;
    hooks.starting = [&](int page) { window.SetPageFieldColour(page - 1, kColourWhite); };
    hooks.finished = [&](const ReaderStep& step) {
        const std::size_t index = static_cast<std::size_t>(step.page - 1);
        if (step.good)
            model.pageRows.rows[index].text = PresentHex(step.answer.kept, model.displayFormat);
        window.SetPageFieldColour(index, step.good ? kColourGreen : kColourRed);
        lastRead = index;
    };
    ReadPageRun(context, model.pageRows.Selection(), hooks);
    context.showProgress = std::move(showProgress);
    focusLastRead();
}

} // namespace

void MainWindow::ReadPages()
{
    TakeFields();
    {
        OperationRun run(*this, ReaderOperation::ReadPages);
        if (run.Connected()) {
            ShowFields();
            for (std::size_t index = 0; index < widgets.pageFields.size(); ++index) {
                if (model.pageRows.rows[index].selected)
                    widgets.pageFields[index]->setFocus();
            }
            SetAllPageFieldColours(kColourWhite);
            run.QueryTimeout();
            ReadSelectedPages(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        ShowFields();
}
