#include "ui/ddx.h"

#include "ui/cwnd.h"
#include "ui/data_exchange.h"
#include "ui/decimal_number.h"
#include "ui/multi_line_edit.h"
#include "ui/single_line_edit.h"
#include "ui/widget_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <algorithm>

namespace {

QString NotANumberMessage()
{
    return QStringLiteral("Please enter a whole number from -2147483648 to 2147483647.");
}

QString TooLongMessage(int maxChars)
{
    return QStringLiteral("Please enter no more than %1 characters.").arg(maxChars);
}

void SetLimit(QWidget* control, int limit)
{
    if (auto* single = qobject_cast<SingleLineEdit*>(control))
        single->SetLimitText(limit);
    else if (auto* multi = qobject_cast<MultiLineEdit*>(control))
        multi->SetLimitText(limit);
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->setMaxLength(std::max(limit, int(combo->currentText().length())));
}

} // namespace

void DDX_Text(CDataExchange& dx, int id, QString& value)
{
    QWidget* control = dx.PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx.m_bSaveAndValidate)
        value = WidgetText(control);
    else
        SetWidgetText(control, value);
}

void DDX_Text(CDataExchange& dx, int id, std::int32_t& value)
{
    QWidget* control = dx.PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (!dx.m_bSaveAndValidate) {
        SetWidgetText(control, QString::number(value));
        return;
    }
    if (const auto number = ParseDecimalInt32(WidgetText(control)))
        value = *number;
    else
        dx.Fail(NotANumberMessage());
}

void DDX_CBString(CDataExchange& dx, int id, QString& value)
{
    QWidget* control = dx.PrepareCtrl(id);
    auto* combo = qobject_cast<QComboBox*>(control);
    if (combo == nullptr) {
        if (control != nullptr)
            DDX_Text(dx, id, value);
        return;
    }
    if (dx.m_bSaveAndValidate) {
        value = combo->currentText();
        return;
    }
    const int index = combo->findText(value, Qt::MatchFixedString);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(value);
}

void DDX_Check(CDataExchange& dx, int id, bool& value)
{
    auto* box = qobject_cast<QAbstractButton*>(dx.PrepareCtrl(id));
    if (box == nullptr)
        return;
    if (dx.m_bSaveAndValidate)
        value = box->isChecked();
    else
        box->setChecked(value);
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control)
{
    QWidget* widget = dx.PrepareCtrl(id);
    if (widget != nullptr && !control.IsAttached())
        control.Attach(widget, id);
}

void DDV_MaxChars(CDataExchange& dx, const QString& value, int maxChars)
{
    if (dx.Failed())
        return;
    const int limit = std::max(0, maxChars);
    if (!dx.m_bSaveAndValidate)
        SetLimit(dx.LastControl(), limit);
    else if (value.length() > limit)
        dx.Fail(TooLongMessage(limit));
}
