#include "ui/widget_text.h"

#include "ui/multi_line_edit.h"
#include "ui/single_line_edit.h"
#include "ui/terminal_output.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");

} // namespace

QString WidgetText(const QWidget* widget)
{
    if (auto* multi = qobject_cast<const MultiLineEdit*>(widget))
        return multi->toPlainText().replace(kLf, kCrLf);
    if (auto* output = qobject_cast<const TerminalOutput*>(widget))
        return output->Text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return {};
}

void SetWidgetText(QWidget* widget, const QString& text)
{
    if (auto* multi = qobject_cast<MultiLineEdit*>(widget)) {
        QString lines = text;
        lines.replace(kCrLf, kLf).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        multi->SetTextInFull(lines);
    } else if (auto* output = qobject_cast<TerminalOutput*>(widget)) {
        output->SetText(text);
    } else if (auto* single = qobject_cast<SingleLineEdit*>(widget)) {
        single->SetTextInFull(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setEditText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    }
}
