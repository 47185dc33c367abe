#include "app/ctamblor_dlg.h"

void CTamblorDlg::ReadUid()
{
    // Built by the reader-operations work.
}
