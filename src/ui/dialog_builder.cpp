#include "ui/dialog_builder.h"

#include "ui/control_styles.h"
#include "ui/dialog_units.h"
#include "ui/multi_line_edit.h"
#include "ui/single_line_edit.h"
#include "ui/terminal_output.h"
#include "ui/up_down_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <cmath>

namespace {

constexpr double kScreenDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

bool Has(const DialogControlSpec& entry, std::uint32_t bits)
{
    return (entry.style & bits) == bits;
}

Qt::Alignment HorizontalAlignment(const DialogControlSpec& entry)
{
    // Edits and statics share the bit values for centred and right-aligned text.
    if (Has(entry, SS_CENTER))
        return Qt::AlignHCenter;
    if (Has(entry, SS_RIGHT))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* MakeButton(const DialogControlSpec& entry, QWidget* parent)
{
    const bool checkBox = entry.kind == ControlKind::AutoCheckBox;
    if (checkBox && !Has(entry, BS_PUSHLIKE))
        return new QCheckBox(entry.caption, parent);
    auto* button = new QPushButton(entry.caption, parent);
    button->setAutoDefault(false);
    button->setDefault(Has(entry, BS_DEFPUSHBUTTON));
    button->setCheckable(checkBox);
    if (Has(entry, BS_LEFT))
        button->setStyleSheet(QStringLiteral("text-align: left;"));
    return button;
}

QWidget* MakeEdit(const DialogControlSpec& entry, QWidget* parent)
{
    if (Has(entry, ES_MULTILINE)) {
        auto* edit = new MultiLineEdit(Has(entry, ES_WANTRETURN), parent);
        edit->setVerticalScrollBarPolicy(Has(entry, WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(Has(entry, ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap
                                                         : QPlainTextEdit::WidgetWidth);
        edit->setReadOnly(Has(entry, ES_READONLY));
        if (!Has(entry, WS_BORDER))
            edit->setFrameShape(QFrame::NoFrame);
        return edit;
    }
    auto* edit = new SingleLineEdit(parent);
    edit->setAlignment(HorizontalAlignment(entry) | Qt::AlignVCenter);
    edit->setReadOnly(Has(entry, ES_READONLY));
    edit->setFrame(Has(entry, WS_BORDER));
    return edit;
}

QWidget* MakeTerminalOutput(const DialogControlSpec& entry, QWidget* parent)
{
    auto* output = new TerminalOutput(parent);
    output->setVerticalScrollBarPolicy(Has(entry, WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
    if (!Has(entry, WS_BORDER))
        output->setFrameShape(QFrame::NoFrame);
    return output;
}

QWidget* MakeStatic(const DialogControlSpec& entry, QWidget* parent)
{
    auto* label = new QLabel(entry.caption, parent);
    label->setTextFormat(Qt::PlainText);
    const bool singleLine = Has(entry, SS_CENTERIMAGE);
    label->setWordWrap(!singleLine);
    label->setAlignment(HorizontalAlignment(entry) |
                        (singleLine ? Qt::AlignVCenter : Qt::AlignTop));
    return label;
}

QWidget* MakePicture(const DialogControlSpec& entry, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    const QPixmap pixmap(entry.caption);
    if (!pixmap.isNull())
        picture->setPixmap(pixmap);
    return picture;
}

QWidget* MakeComboBox(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Takes exactly what is typed: no inline completion from the list.
    combo->setCompleter(nullptr);
    return combo;
}

// A group box only frames the controls it surrounds, which may come before it in the template:
// it lies beneath them and lets every pointer event through to them.
QWidget* MakeGroupBox(const DialogControlSpec& entry, QWidget* parent)
{
    auto* box = new QGroupBox(entry.caption, parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->lower();
    return box;
}

QWidget* MakeWidget(const DialogControlSpec& entry, QWidget* parent)
{
    switch (entry.kind) {
    case ControlKind::PushButton:
    case ControlKind::AutoCheckBox:
        return MakeButton(entry, parent);
    case ControlKind::Edit:
        return MakeEdit(entry, parent);
    case ControlKind::StaticText:
        return MakeStatic(entry, parent);
    case ControlKind::Picture:
        return MakePicture(entry, parent);
    case ControlKind::UpDown:
        return new UpDownControl(Has(entry, UDS_ARROWKEYS), parent);
    case ControlKind::ComboBox:
        return MakeComboBox(parent);
    case ControlKind::GroupBox:
        return MakeGroupBox(entry, parent);
    case ControlKind::TerminalOutput:
        return MakeTerminalOutput(entry, parent);
    }
    return new QWidget(parent);
}

bool TakesFocus(ControlKind kind)
{
    return kind != ControlKind::StaticText && kind != ControlKind::Picture &&
           kind != ControlKind::GroupBox;
}

QRect PixelRect(const DialogControlSpec& entry, const QWidget* widget)
{
    QRect rect = DialogUnitsToPixels(entry.rectInDialogUnits);
    if (entry.kind == ControlKind::Picture) {
        const auto* picture = static_cast<const QLabel*>(widget);
        if (!picture->pixmap().isNull())
            rect.setSize(picture->pixmap().size());
    } else if (entry.kind == ControlKind::ComboBox) {
        // The template height includes the dropped-down list.
        rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
    }
    return rect;
}

} // namespace

std::vector<BuiltControl> BuildDialogControls(const DialogTemplate& dialogTemplate, QWidget* client)
{
    std::vector<BuiltControl> built;
    built.reserve(dialogTemplate.controls.size());
    for (const DialogControlSpec& entry : dialogTemplate.controls) {
        QWidget* widget = MakeWidget(entry, client);
        widget->setGeometry(PixelRect(entry, widget));
        widget->setEnabled(!Has(entry, WS_DISABLED));
        widget->setVisible(!entry.hidden);
        const Qt::FocusPolicy policy = !TakesFocus(entry.kind)  ? Qt::NoFocus
                                       : Has(entry, WS_TABSTOP) ? Qt::StrongFocus
                                                                : Qt::ClickFocus;
        widget->setFocusPolicy(policy);
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
            combo->lineEdit()->setFocusPolicy(policy);
        built.push_back({&entry, widget});
    }
    return built;
}

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    QFont font;
    QStringList families;
    if (!dialogTemplate.fontName.isEmpty())
        families << dialogTemplate.fontName;
    // At the templates' pixel size the captions fit their rectangles only in a narrow face.
    families << QStringLiteral("Nimbus Sans Narrow") << QStringLiteral("Liberation Sans Narrow")
             << QStringLiteral("DejaVu Sans Condensed");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(
        std::lround(dialogTemplate.fontPointSize * kScreenDotsPerInch / kPointsPerInch)));
    return font;
}
