#include "controls/enter_reporting_edit.h"

#include "framework/cdialog_ex.h"
#include "framework/registered_messages.h"

#include <QKeyEvent>

EnterReportingEdit::EnterReportingEdit(const QString& name)
    : messageName(name), messageId(RegisterWindowMessage(name))
{
}

bool EnterReportingEdit::OnWidgetEvent(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return CEdit::OnWidgetEvent(event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (CDialogEx* dialog = GetParentDialog())
            dialog->SendMessage(messageId, static_cast<WPARAM>(GetDlgCtrlID()), this);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}
