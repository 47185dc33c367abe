#include "app/run_guard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>

RunGuard::RunGuard(QWidget& window, QObject& heldReceiver, std::function<void()> heldCalls,
                   std::function<void()> stop)
    : window(&window), heldReceiver(&heldReceiver), heldCalls(std::move(heldCalls)),
      stop(std::move(stop))
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

RunGuard::~RunGuard()
{
    Turn();
    QCoreApplication::instance()->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    if (callHeld && heldReceiver)
        QMetaObject::invokeMethod(heldReceiver, heldCalls, Qt::QueuedConnection);
    if (closeHeld && window)
        QMetaObject::invokeMethod(
            window, [window = window] { window->close(); }, Qt::QueuedConnection);
}

void RunGuard::Turn()
{
    turning = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    turning = false;
}

bool RunGuard::eventFilter(QObject* receiver, QEvent* event)
{
    if (!turning)
        return false;
    switch (event->type()) {
    case QEvent::Timer:
        return true;
    case QEvent::MetaCall:
        callHeld = callHeld || receiver == heldReceiver;
        return receiver == heldReceiver;
    case QEvent::Close:
        closeHeld = true;
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            stop();
        return true;
    default:
        return event->isInputEvent();
    }
}
