#include "app/ctamblor_dlg.h"

LRESULT CTamblorDlg::OnLengthSpin(const NMUPDOWN&)
{
    // Built by the reader-operations work.
    return 0;
}

void CTamblorDlg::OnLengthChanged()
{
    // Built by the reader-operations work.
}

void CTamblorDlg::ReadCarrierId()
{
    // Built by the reader-operations work.
}

void CTamblorDlg::WriteCarrierId()
{
    // Built by the reader-operations work.
}
