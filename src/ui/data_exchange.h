#pragma once

#include <QString>

class CDialogEx;
class QWidget;

// The state of one UpdateData run: its direction, the control the last binding used, and the
// first failure. After a failure every later binding of the run leaves its member and control
// alone.
class CDataExchange
{
public:
    CDataExchange(CDialogEx& dialog, bool saveAndValidate);

    const bool m_bSaveAndValidate; // true: controls into members; false: members into controls

    CDialogEx& Dialog() const { return dialog; }
    // The control with `id`, now the one a failure focuses; null when the run has failed already or
    // the dialog has no such control.
    QWidget* PrepareCtrl(int id);
    QWidget* LastControl() const { return lastControl; }

    // Records the run's failure and the message that says what is allowed; only the first counts.
    void Fail(const QString& message);
    bool Failed() const { return failed; }
    const QString& FailureMessage() const { return failureMessage; }

private:
    CDialogEx& dialog;
    QWidget* lastControl = nullptr;
    bool failed = false;
    QString failureMessage;
};
