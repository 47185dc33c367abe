#include "app/main_window.h"
#include "app/operations/operation_run.h"
#include "transponder/operation_runs.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

void MainWindow::ReadUid()
{
    TakeFields();
    {
        OperationRun run(*this, ReaderOperation::ReadUid);
        if (run.Connected()) {
            widgets.uidField->SetBackgroundColor(kColourWhite);
            run.QueryTimeout();
            // The UID is shown exactly as the reader sent it, whatever the display format.
            const ReaderStep step = ReadUidRun(run.Exchanges());
            model.uidText = WithoutLineEnds(step.answer.kept);
            widgets.uidField->SetBackgroundColor(step.good ? kColourGreen : kColourRed);
            ShowFields();
            widgets.uidField->setFocus();
        }
    }
    if (serialLink.connected)
        ShowFields();
}
