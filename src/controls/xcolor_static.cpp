#include "controls/xcolor_static.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

void CXColorStatic::SetBackgroundColor(COLORREF colour, bool redraw)
{
    ReplaceBackground(colour);
    QWidget* label = GetSafeWidget();
    if (redraw && label != nullptr)
        label->repaint();
}

void CXColorStatic::OnAttached()
{
    CopyFont(GetSafeWidget()->font());
}

bool CXColorStatic::OnWidgetEvent(QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return CStatic::OnWidgetEvent(event);
    Paint();
    return true;
}

void CXColorStatic::Paint()
{
    QWidget* widget = GetSafeWidget();
    QPainter painter(widget);
    const QRect client = widget->rect();
    if (BackgroundBrush())
        painter.fillRect(client, *BackgroundBrush());
    if (Font())
        painter.setFont(*Font());
    painter.setPen(textColor.ToQColor());

    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const Qt::Alignment alignment = label->alignment();
        const int horizontal = alignment & Qt::AlignHCenter ? Qt::AlignHCenter
                               : alignment & Qt::AlignRight ? Qt::AlignRight
                                                            : Qt::AlignLeft;
        flags = label->wordWrap() ? horizontal | Qt::AlignTop | Qt::TextWordWrap
                                  : horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
    }
    painter.drawText(client, flags, GetWindowText());
}
