#include "app/ctamblor_dlg.h"

void CTamblorDlg::RestoreDefaultContent()
{
    // Built by the reader-operations work.
}
