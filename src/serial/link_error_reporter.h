#pragma once

#include <QString>

// Where the serial link's failures reach the operator: a modal box titled "Error" with the error
// icon and one OK button; the implementer supplies title, icon and button.
class LinkErrorReporter
{
public:
    virtual ~LinkErrorReporter() = default;
    virtual void ShowLinkError(const QString& text) = 0;
};
