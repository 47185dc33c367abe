#include "ui/dialog_builder.h"

#include "ui/coloured_label.h"
#include "ui/dialog_units.h"
#include "ui/enter_field.h"
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

bool Has(const ControlSpec& entry, unsigned options)
{
    return (entry.options & options) == options;
}

Qt::Alignment HorizontalAlignment(const ControlSpec& entry)
{
    return Has(entry, Centred) ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget* MakeButton(const ControlSpec& entry, QWidget* parent)
{
    const bool checkBox = entry.kind == ControlKind::CheckBox;
    if (checkBox && !Has(entry, PushLike))
        return new QCheckBox(entry.caption, parent);
    auto* button = new QPushButton(entry.caption, parent);
    button->setAutoDefault(false);
    button->setDefault(Has(entry, DefaultButton));
    button->setCheckable(checkBox);
    if (Has(entry, LeftText))
        button->setStyleSheet(QStringLiteral("text-align: left;"));
    return button;
}

QWidget* MakeEdit(const ControlSpec& entry, QWidget* parent)
{
    SingleLineEdit* edit = entry.kind == ControlKind::EnterField ? new EnterField(parent)
                                                                 : new SingleLineEdit(parent);
    edit->setAlignment(HorizontalAlignment(entry) | Qt::AlignVCenter);
    edit->setFrame(Has(entry, Border));
    return edit;
}

QWidget* MakeTerminalOutput(const ControlSpec& entry, QWidget* parent)
{
    auto* output = new TerminalOutput(parent);
    output->setVerticalScrollBarPolicy(Has(entry, VerticalScroll) ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
    if (!Has(entry, Border))
        output->setFrameShape(QFrame::NoFrame);
    return output;
}

QWidget* MakeStatic(const ControlSpec& entry, QWidget* parent)
{
    QLabel* label =
        entry.kind == ControlKind::ColouredLabel ? new ColouredLabel(parent) : new QLabel(parent);
    label->setText(entry.caption);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(HorizontalAlignment(entry) | Qt::AlignTop);
    return label;
}

QWidget* MakePicture(const ControlSpec& entry, QWidget* parent)
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
QWidget* MakeGroupBox(const ControlSpec& entry, QWidget* parent)
{
    auto* box = new QGroupBox(entry.caption, parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->lower();
    return box;
}

QWidget* MakeWidget(const ControlSpec& entry, QWidget* parent)
{
    switch (entry.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
        return MakeButton(entry, parent);
    case ControlKind::Edit:
    case ControlKind::EnterField:
        return MakeEdit(entry, parent);
    case ControlKind::Label:
    case ControlKind::ColouredLabel:
        return MakeStatic(entry, parent);
    case ControlKind::Picture:
        return MakePicture(entry, parent);
    case ControlKind::UpDown:
        return new UpDownControl(Has(entry, ArrowKeys), parent);
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
    return kind != ControlKind::Label && kind != ControlKind::ColouredLabel &&
           kind != ControlKind::Picture && kind != ControlKind::GroupBox;
}

QRect PixelRect(const ControlSpec& entry, const QWidget* widget)
{
    QRect rect = DialogUnitsToPixels(entry.rect);
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

std::vector<QWidget*> BuildControls(const DialogLayout& layout, QWidget* client)
{
    std::vector<QWidget*> built;
    built.reserve(layout.controls.size());
    for (const ControlSpec& entry : layout.controls) {
        QWidget* widget = MakeWidget(entry, client);
        widget->setObjectName(entry.name);
        widget->setGeometry(PixelRect(entry, widget));
        const Qt::FocusPolicy policy = !TakesFocus(entry.kind) ? Qt::NoFocus
                                       : Has(entry, TabStop)   ? Qt::StrongFocus
                                                               : Qt::ClickFocus;
        widget->setFocusPolicy(policy);
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
            combo->lineEdit()->setFocusPolicy(policy);
        built.push_back(widget);
    }
    return built;
}

QFont DialogFont(const DialogLayout& layout)
{
    QFont font;
    QStringList families;
    if (!layout.fontName.isEmpty())
        families << layout.fontName;
    // At the templates' pixel size the captions fit their rectangles only in a narrow face.
    families << QStringLiteral("Nimbus Sans Narrow") << QStringLiteral("Liberation Sans Narrow")
             << QStringLiteral("DejaVu Sans Condensed");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(
        static_cast<int>(std::lround(layout.fontPointSize * kScreenDotsPerInch / kPointsPerInch)));
    return font;
}
