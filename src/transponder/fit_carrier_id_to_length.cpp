#include "transponder/fit_carrier_id_to_length.h"

#include "app/ctamblor_dlg.h"
#include "transponder/carrier_id_length.h"

void FitCarrierIdToLength(CTamblorDlg& dialog)
{
    if (CutCarrierIdToLength(dialog.carrierIdText, dialog.displayFormat, dialog.carrierIdLength))
        dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
}
