#include "ui/enter_field.h"

#include <QKeyEvent>
#include <QWidget>

void EnterField::SetBackgroundColor(const QColor& colour, bool redraw)
{
    background = colour;
    QWidget* field = GetSafeWidget();
    if (redraw && field != nullptr)
        field->repaint();
}

bool EnterField::OnWidgetEvent(QEvent* event)
{
    // The edit keeps drawing its text, caret and selection itself; the colours reach it through
    // its palette just before each paint, so a changed colour shows at every repaint.
    if (event->type() == QEvent::Paint) {
        ApplyColours();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (onEnter)
            onEnter();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void EnterField::ApplyColours()
{
    if (!background)
        return;
    QWidget* field = GetSafeWidget();
    QPalette palette = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Base, *background);
    }
    if (palette != field->palette())
        field->setPalette(palette);
}
