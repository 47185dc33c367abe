#include "app/ctamblor_dlg.h"

void CTamblorDlg::OnAllClicked()
{
    // Built by the reader-operations work.
}

void CTamblorDlg::OnPageBoxClicked(int)
{
    // Built by the reader-operations work.
}
