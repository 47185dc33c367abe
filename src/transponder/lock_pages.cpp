#include "app/ctamblor_dlg.h"

void CTamblorDlg::LockPages()
{
    // Built by the reader-operations work.
}
