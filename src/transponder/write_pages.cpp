#include "app/ctamblor_dlg.h"

void CTamblorDlg::WritePages()
{
    // Built by the reader-operations work.
}
