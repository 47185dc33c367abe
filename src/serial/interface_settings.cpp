// The main window's Interface > Settings handler.
#include "app/ctamblor_dlg.h"

void CTamblorDlg::OnInterfaceSettings()
{
    // Built by the Interface dialog work.
}
