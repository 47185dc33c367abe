#include "ui/coloured_label.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

void ColouredLabel::SetBackgroundColor(const QColor& colour, bool redraw)
{
    background = colour;
    QWidget* label = GetSafeWidget();
    if (redraw && label != nullptr)
        label->repaint();
}

bool ColouredLabel::OnWidgetEvent(QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return CStatic::OnWidgetEvent(event);
    Paint();
    return true;
}

void ColouredLabel::Paint()
{
    QWidget* widget = GetSafeWidget();
    QPainter painter(widget);
    const QRect client = widget->rect();
    painter.fillRect(client, background);
    painter.setPen(textColor);

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
