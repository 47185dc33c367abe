#pragma once

#include "ui/cdialog_ex.h"

// The About box: the About picture and nothing to confirm; it closes with its close box or Escape.
class CAboutDlg final : public CDialogEx
{
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    // The OK button is hidden and disabled, so Enter does not close the box either.
    void OnOK() override {}
};
