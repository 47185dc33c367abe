#include "controls/coloured_enter_edit.h"

#include "controls/edit_message_names.h"

#include <QEvent>
#include <QWidget>

ColouredEnterEdit::ColouredEnterEdit(int fieldNumber)
    : EnterReportingEdit(NumberedEditMessageName(fieldNumber)), number(fieldNumber)
{
}

void ColouredEnterEdit::SetBackgroundColor(COLORREF colour, bool redraw)
{
    ReplaceBackground(colour);
    QWidget* field = GetSafeWidget();
    if (redraw && field != nullptr)
        field->repaint();
}

void ColouredEnterEdit::OnAttached()
{
    CopyFont(GetSafeWidget()->font());
}

bool ColouredEnterEdit::OnWidgetEvent(QEvent* event)
{
    // The edit keeps drawing its text, caret and selection itself; the colours reach it through
    // its palette just before each paint, so a changed colour shows at every repaint.
    if (event->type() == QEvent::Paint)
        ApplyColours();
    return EnterReportingEdit::OnWidgetEvent(event);
}

void ColouredEnterEdit::ApplyColours()
{
    QWidget* field = GetSafeWidget();
    QPalette palette = field->palette();
    const QColor text = textColor.ToQColor();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, text);
        if (BackgroundBrush())
            palette.setColor(group, QPalette::Base, *BackgroundBrush());
    }
    if (palette != field->palette())
        field->setPalette(palette);
    if (Font() && *Font() != field->font())
        field->setFont(*Font());
}
