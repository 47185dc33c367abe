#include "app/ctamblor_dlg.h"

void CTamblorDlg::ReadPages()
{
    // Built by the reader-operations work.
}
