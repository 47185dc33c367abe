#pragma once

#include "framework/cedit.h"
#include "framework/win_types.h"

#include <QString>

// An edit that wants all keys: Enter sends the class's registered message synchronously to the
// dialog (control id, this object) and goes no further; Tab and Escape stay in the field, where
// they change nothing.
class EnterReportingEdit : public CEdit
{
public:
    explicit EnterReportingEdit(const QString& messageName);

protected:
    bool OnWidgetEvent(QEvent* event) override;

private:
    QString messageName;
    UINT messageId;
};
