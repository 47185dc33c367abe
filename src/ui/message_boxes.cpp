#include "ui/message_boxes.h"

#include <QApplication>
#include <atomic>

namespace {

class QtMessagePresenter final : public MessagePresenter
{
public:
    void Present(const MessageBoxRequest& request) override
    {
        QMessageBox box(request.icon, request.title, request.text, QMessageBox::Ok,
                        request.owner);
        box.exec();
    }
};

QtMessagePresenter& QtPresenter()
{
    static QtMessagePresenter presenter;
    return presenter;
}

// The one mutable process-wide setting of the message boxes; atomic so that a test may swap it
// while nothing else runs without a data race report.
std::atomic<MessagePresenter*>& PresenterSlot()
{
    static std::atomic<MessagePresenter*> slot{nullptr};
    return slot;
}

MessagePresenter& CurrentMessagePresenter()
{
    MessagePresenter* presenter = PresenterSlot().load();
    return presenter != nullptr ? *presenter : QtPresenter();
}

} // namespace

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter)
{
    MessagePresenter* previous = PresenterSlot().exchange(presenter);
    return previous != nullptr ? previous : &QtPresenter();
}

void ShowMessage(const QString& text, QMessageBox::Icon icon)
{
    ShowMessage(QApplication::activeWindow(), text, QCoreApplication::applicationName(), icon);
}

void ShowMessage(QWidget* owner, const QString& text, const QString& title, QMessageBox::Icon icon)
{
    CurrentMessagePresenter().Present({owner, text, title, icon});
}
