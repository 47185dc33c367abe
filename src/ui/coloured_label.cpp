#include "ui/coloured_label.h"

#include <QPainter>

void ColouredLabel::SetColours(const QColor& text, const QColor& backgroundColour)
{
    textColour = text;
    background = backgroundColour;
    update();
}

void ColouredLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.setPen(textColour);
    const int horizontal = alignment() & Qt::AlignHCenter ? Qt::AlignHCenter
                           : alignment() & Qt::AlignRight ? Qt::AlignRight
                                                          : Qt::AlignLeft;
    const int flags = wordWrap() ? horizontal | Qt::AlignTop | Qt::TextWordWrap
                                 : horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(rect(), flags, text());
}
