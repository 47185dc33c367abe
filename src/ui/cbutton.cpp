#include "ui/cbutton.h"

#include <QAbstractButton>
#include <QIcon>

void CButton::SetCheck(int check)
{
    if (auto* button = qobject_cast<QAbstractButton*>(GetSafeWidget()))
        button->setChecked(check == 1);
}

void CButton::SetBitmap(const QPixmap& picture)
{
    if (auto* button = qobject_cast<QAbstractButton*>(GetSafeWidget())) {
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
    }
}
