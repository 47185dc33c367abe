#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

// Keeps the main window alive, but out of the operator's reach, while one operation runs on the
// GUI thread; the busy cursor shows for its lifetime. Each Turn lets the window paint and answer
// the desktop (expose, resize, the window manager's ping) and nothing else: mouse and key events
// are dropped (Escape calls stop), a close request is held and made again once the run is over,
// socket notifiers are not served, timers wait (they fire again after the run), and calls queued
// to heldReceiver are held: heldCalls is queued to it once after the run instead. The last Turn
// comes when the guard ends, so no input made during the run is replayed afterwards. GUI thread
// only.
class RunGuard final : public QObject
{
public:
    RunGuard(QWidget& window, QObject& heldReceiver, std::function<void()> heldCalls,
             std::function<void()> stop);
    ~RunGuard() override;
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

    // Processes once what is waiting, as above.
    void Turn();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> window;
    QPointer<QObject> heldReceiver;
    std::function<void()> heldCalls;
    std::function<void()> stop;
    bool turning = false;
    bool callHeld = false;
    bool closeHeld = false;
};
