#include "ui/data_exchange.h"

#include "ui/cdialog_ex.h"

CDataExchange::CDataExchange(CDialogEx& owner, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), dialog(owner)
{
}

QWidget* CDataExchange::PrepareCtrl(int id)
{
    if (failed)
        return nullptr;
    QWidget* control = dialog.GetDlgItem(id);
    if (control != nullptr)
        lastControl = control;
    return control;
}

void CDataExchange::Fail(const QString& message)
{
    if (failed)
        return;
    failed = true;
    failureMessage = message;
}
