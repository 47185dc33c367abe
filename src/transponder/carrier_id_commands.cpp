#include "app/ctamblor_dlg.h"
#include "transponder/carrier_id_length.h"
#include "transponder/fit_carrier_id_to_length.h"

LRESULT CTamblorDlg::OnLengthSpin(const NMUPDOWN& change)
{
    UpdateData(true);
    carrierIdLength = SpinCarrierIdLength(carrierIdLength, change.iDelta);
    FitCarrierIdToLength(*this);
    UpdateData(false);
    return 0;
}

void CTamblorDlg::OnLengthChanged()
{
    // A text that is not an integer is refused by the data exchange and the length keeps its value.
    UpdateData(true);
    FitCarrierIdToLength(*this);
    UpdateData(false);
}
