#include "app/main_window.h"
#include "app/operations/operation_run.h"
#include "transponder/carrier_id.h"
#include "transponder/operation_runs.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

void MainWindow::ReadCarrierId()
{
    TakeFields();
    model.carrierIdLength = ClampCarrierIdLength(model.carrierIdLength);
    {
        OperationRun run(*this, ReaderOperation::ReadCarrierId);
        if (run.Connected()) {
            run.QueryTimeout();
            // Reads page 1, and page 2 when the carrier ID reaches into it, and shows the first L
            // bytes. The field turns green only when every page read succeeded.
            widgets.carrierIdField->SetBackgroundColor(kColourWhite);
            const CarrierIdReading reading =
                ReadCarrierIdRun(run.Exchanges(), model.carrierIdLength);
            widgets.carrierIdField->SetBackgroundColor(reading.good ? kColourGreen : kColourRed);
            model.carrierIdText = PresentHex(reading.hex, model.displayFormat);
            ShowFields();
            widgets.carrierIdField->setFocus();
        }
    }
    if (serialLink.connected)
        ShowFields();
}
