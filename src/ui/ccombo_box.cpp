#include "ui/ccombo_box.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

QComboBox* Combo(QWidget* widget)
{
    return qobject_cast<QComboBox*>(widget);
}

} // namespace

int CComboBox::AddString(const QString& text)
{
    QComboBox* combo = Combo(GetSafeWidget());
    if (combo == nullptr)
        return -1;
    // Adding must not replace what the edit field shows.
    const QString shown = combo->currentText();
    combo->addItem(text);
    combo->setEditText(shown);
    return combo->count() - 1;
}

void CComboBox::ResetContent()
{
    if (QComboBox* combo = Combo(GetSafeWidget()))
        combo->clear();
}

void CComboBox::FitDroppedWidth()
{
    if (QComboBox* combo = Combo(GetSafeWidget()))
        combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) +
                                       2 * combo->view()->frameWidth());
}
