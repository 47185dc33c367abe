#include "ui/message_boxes.h"

#include "ui/qt_message_presenter.h"

#include <QApplication>
#include <QWidget>
#include <atomic>

namespace {

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

} // namespace

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter)
{
    MessagePresenter* previous = PresenterSlot().exchange(presenter);
    return previous != nullptr ? previous : &QtPresenter();
}

MessagePresenter& CurrentMessagePresenter()
{
    MessagePresenter* presenter = PresenterSlot().load();
    return presenter != nullptr ? *presenter : QtPresenter();
}

int AfxMessageBox(const QString& text, unsigned type)
{
    return CurrentMessagePresenter().Present(
        {QApplication::activeWindow(), text, QCoreApplication::applicationName(), type});
}

int MessageBox(QWidget* owner, const QString& text, const QString& title, unsigned type)
{
    return CurrentMessagePresenter().Present({owner, text, title, type});
}
