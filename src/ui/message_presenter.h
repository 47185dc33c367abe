#pragma once

#include <QString>

class QWidget;

// What a message box shows: owner window (may be null), text, title and MB_ icon bits.
struct MessageBoxRequest
{
    QWidget* owner = nullptr;
    QString text;
    QString title;
    unsigned type = 0;
};

// Shows message boxes. The process has one current presenter (see message_boxes.h); tests install a
// recorder so that no modal box waits for a click.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    // Shows the box and returns the id of the button that closed it (IDOK for a box with OK only).
    virtual int Present(const MessageBoxRequest& request) = 0;
};
