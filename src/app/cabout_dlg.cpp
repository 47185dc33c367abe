#include "app/cabout_dlg.h"

#include "resources/about_dialog_template.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CDialogEx(AboutDialogTemplate(), parent) {}
