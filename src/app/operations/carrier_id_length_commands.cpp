#include "app/corvane_dlg.h"
#include "transponder/carrier_id.h"

namespace {

// Cuts the carrier ID text to the carrier ID length and turns its field white when it cut. A text
// that already fits keeps its characters and its field its colour. Does not show the members.
void FitCarrierIdToLength(COrvaneDlg& dialog)
{
    if (CutCarrierIdToLength(dialog.carrierIdText, dialog.displayFormat, dialog.carrierIdLength))
        dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
}

} // namespace

LRESULT COrvaneDlg::OnLengthSpin(const NMUPDOWN& change)
{
    UpdateData(true);
    carrierIdLength = SpinCarrierIdLength(carrierIdLength, change.iDelta);
    FitCarrierIdToLength(*this);
    UpdateData(false);
    return 0;
}

void COrvaneDlg::OnLengthChanged()
{
    // A text that is not an integer is refused by the data exchange and the length keeps its value.
    UpdateData(true);
    FitCarrierIdToLength(*this);
    UpdateData(false);
}
