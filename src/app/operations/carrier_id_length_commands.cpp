#include "app/corvane_dlg.h"
#include "transponder/carrier_id_length.h"
#include "app/operations/fit_carrier_id_to_length.h"

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
