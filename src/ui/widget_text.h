#pragma once

#include <QString>

class QWidget;

// The text of a dialog control as the dialog's members hold it: an edit's contents (line breaks of
// a multi-line edit or a terminal output as CR LF), a button's, label's or group box's caption, an editable combo box's
// edit text. Returns an empty text for a null widget or a kind without text.
QString WidgetText(const QWidget* widget);

// Puts `text` into the control in full, beyond any length limit; CR LF and lone CR become line
// breaks of a multi-line edit or a terminal output. Does nothing for a null widget or a kind without text.
void SetWidgetText(QWidget* widget, const QString& text);
