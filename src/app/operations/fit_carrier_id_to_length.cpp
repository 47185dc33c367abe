#include "app/operations/fit_carrier_id_to_length.h"

#include "app/corvane_dlg.h"
#include "transponder/carrier_id_length.h"

void FitCarrierIdToLength(COrvaneDlg& dialog)
{
    if (CutCarrierIdToLength(dialog.carrierIdText, dialog.displayFormat, dialog.carrierIdLength))
        dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
}
