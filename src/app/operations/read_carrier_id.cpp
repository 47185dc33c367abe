#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "transponder/carrier_id.h"
#include "transponder/operation_runs.h"

namespace {

// Reads page 1, and page 2 when the carrier ID reaches into it, and shows the first L bytes. The
// field turns green only when every page read succeeded.
void ReadCarrierIdPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
    const CarrierIdReading reading = ReadCarrierIdRun(context, dialog.carrierIdLength);
    if (context.stopped)
        return;
    dialog.carrierIdField.SetBackgroundColor(reading.good ? kColourGreen : kColourRed, true);
    dialog.carrierIdText = PresentHex(reading.hex, dialog.displayFormat);
    dialog.UpdateData(false);
    dialog.carrierIdField.SetFocus();
}

} // namespace

void COrvaneDlg::ReadCarrierId()
{
    UpdateData(true);
    carrierIdLength = ClampCarrierIdLength(carrierIdLength);
    {
        OperationRun run(*this, ReaderOperation::ReadCarrierId);
        if (run.Connected()) {
            run.QueryTimeout();
            ReadCarrierIdPages(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        UpdateData(false);
}
