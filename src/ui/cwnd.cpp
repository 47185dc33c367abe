#include "ui/cwnd.h"

#include "ui/dialog_window.h"
#include "ui/widget_text.h"

#include <QObject>
#include <QWidget>

// Forwards the attached widget's events to its control object.
class CWndEventHook final : public QObject
{
public:
    explicit CWndEventHook(CWnd& owner) : owner(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return watched == owner.widget && owner.OnWidgetEvent(event);
    }

private:
    CWnd& owner;
};

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    Detach();
}

bool CWnd::Attach(QWidget* target, int id)
{
    if (target == nullptr || IsAttached())
        return false;
    widget = target;
    controlId = id;
    hook = std::make_unique<CWndEventHook>(*this);
    widget->installEventFilter(hook.get());
    OnAttached();
    return true;
}

void CWnd::Detach()
{
    if (widget && hook)
        widget->removeEventFilter(hook.get());
    hook.reset();
    widget.clear();
}

CDialogEx* CWnd::GetParentDialog() const
{
    for (QWidget* w = widget.data(); w != nullptr; w = w->parentWidget()) {
        if (auto* window = qobject_cast<DialogWindow*>(w))
            return &window->Owner();
    }
    return nullptr;
}

QString CWnd::GetWindowText() const
{
    return WidgetText(widget.data());
}

void CWnd::SetWindowText(const QString& text)
{
    SetWidgetText(widget.data(), text);
}

void CWnd::SetFocus()
{
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

bool CWnd::OnWidgetEvent(QEvent*)
{
    return false;
}
