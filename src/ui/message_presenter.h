#pragma once

#include <QMessageBox>
#include <QString>

// What a message box shows: owner window (may be null), text, title and icon.
struct MessageBoxRequest
{
    QWidget* owner = nullptr;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows message boxes. The process has one current presenter (see message_boxes.h); tests install a
// recorder so that no modal box waits for a click.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    // Shows the box until the operator closes it.
    virtual void Present(const MessageBoxRequest& request) = 0;
};
