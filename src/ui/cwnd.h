#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class CDialogEx;
class QEvent;
class QObject;

// A control object kept by value in its dialog: it drives a widget that the dialog's template
// created and owns. Attaching happens once (the data exchange's object binding); destroying the
// object detaches it and releases only what the object itself owns. Once the widget is gone every
// call is a harmless no-op. GUI thread only.
class CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Attaches to `widget` with control id `id`. Returns false (and changes nothing) when the
    // object is attached already or the widget is null.
    bool Attach(QWidget* widget, int id);
    void Detach();
    bool IsAttached() const { return !widget.isNull(); }

    // The attached widget, or null.
    QWidget* GetSafeWidget() const { return widget.data(); }
    int GetDlgCtrlID() const { return controlId; }
    // The dialog whose template holds the widget, or null.
    CDialogEx* GetParentDialog() const;

    QString GetWindowText() const;
    void SetWindowText(const QString& text);
    void SetFocus();

protected:
    // Runs right after attaching; the widget is set.
    virtual void OnAttached() {}
    // Sees every event of the widget before the widget does; returning true consumes the event.
    virtual bool OnWidgetEvent(QEvent* event);

private:
    friend class CWndEventHook;

    QPointer<QWidget> widget;
    int controlId = -1;
    std::unique_ptr<QObject> hook;
};
