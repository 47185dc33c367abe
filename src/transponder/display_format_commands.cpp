#include "app/ctamblor_dlg.h"

void CTamblorDlg::OnHexClicked()
{
    // Built by the reader-operations work.
}

void CTamblorDlg::OnAsciiClicked()
{
    // Built by the reader-operations work.
}
