#include "ui/enter_field.h"

#include <QKeyEvent>

void EnterField::SetBackgroundColor(const QColor& colour, bool redraw)
{
    background = colour;
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Text, Qt::black);
        colours.setColor(group, QPalette::Base, colour);
    }
    setPalette(colours);
    if (redraw)
        repaint();
}

bool EnterField::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return SingleLineEdit::event(event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return SingleLineEdit::event(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit EnterPressed();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        return SingleLineEdit::event(event);
    }
}
