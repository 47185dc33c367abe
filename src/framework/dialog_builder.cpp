#include "framework/dialog_builder.h"

#include "framework/control_styles.h"
#include "framework/dialog_units.h"
#include "framework/multi_line_edit.h"
#include "framework/single_line_edit.h"
#include "framework/up_down_control.h"

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

bool Has(const DialogControlSpec& spec, std::uint32_t bits)
{
    return (spec.style & bits) == bits;
}

Qt::Alignment HorizontalAlignment(const DialogControlSpec& spec)
{
    // Edits and statics share the bit values for centred and right-aligned text.
    if (Has(spec, SS_CENTER))
        return Qt::AlignHCenter;
    if (Has(spec, SS_RIGHT))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* MakeButton(const DialogControlSpec& spec, QWidget* parent)
{
    const bool checkBox = spec.kind == ControlKind::AutoCheckBox;
    if (checkBox && !Has(spec, BS_PUSHLIKE))
        return new QCheckBox(spec.caption, parent);
    auto* button = new QPushButton(spec.caption, parent);
    button->setAutoDefault(false);
    button->setDefault(Has(spec, BS_DEFPUSHBUTTON));
    button->setCheckable(checkBox);
    if (Has(spec, BS_LEFT))
        button->setStyleSheet(QStringLiteral("text-align: left;"));
    return button;
}

QWidget* MakeEdit(const DialogControlSpec& spec, QWidget* parent)
{
    if (Has(spec, ES_MULTILINE)) {
        auto* edit = new MultiLineEdit(Has(spec, ES_WANTRETURN), parent);
        edit->setVerticalScrollBarPolicy(Has(spec, WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(Has(spec, ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap
                                                        : QPlainTextEdit::WidgetWidth);
        edit->setReadOnly(Has(spec, ES_READONLY));
        if (!Has(spec, WS_BORDER))
            edit->setFrameShape(QFrame::NoFrame);
        return edit;
    }
    auto* edit = new SingleLineEdit(parent);
    edit->setAlignment(HorizontalAlignment(spec) | Qt::AlignVCenter);
    edit->setReadOnly(Has(spec, ES_READONLY));
    edit->setFrame(Has(spec, WS_BORDER));
    return edit;
}

QWidget* MakeStatic(const DialogControlSpec& spec, QWidget* parent)
{
    auto* label = new QLabel(spec.caption, parent);
    label->setTextFormat(Qt::PlainText);
    const bool singleLine = Has(spec, SS_CENTERIMAGE);
    label->setWordWrap(!singleLine);
    label->setAlignment(HorizontalAlignment(spec) | (singleLine ? Qt::AlignVCenter : Qt::AlignTop));
    return label;
}

QWidget* MakePicture(const DialogControlSpec& spec, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    const QPixmap pixmap(spec.caption);
    if (!pixmap.isNull())
        picture->setPixmap(pixmap);
    return picture;
}

QWidget* MakeComboBox(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QWidget* MakeWidget(const DialogControlSpec& spec, QWidget* parent)
{
    switch (spec.kind) {
    case ControlKind::PushButton:
    case ControlKind::AutoCheckBox:
        return MakeButton(spec, parent);
    case ControlKind::Edit:
        return MakeEdit(spec, parent);
    case ControlKind::StaticText:
        return MakeStatic(spec, parent);
    case ControlKind::Picture:
        return MakePicture(spec, parent);
    case ControlKind::UpDown:
        return new UpDownControl(Has(spec, UDS_ARROWKEYS), parent);
    case ControlKind::ComboBox:
        return MakeComboBox(parent);
    case ControlKind::GroupBox:
        return new QGroupBox(spec.caption, parent);
    }
    return new QWidget(parent);
}

bool TakesFocus(ControlKind kind)
{
    return kind != ControlKind::StaticText && kind != ControlKind::Picture &&
           kind != ControlKind::GroupBox;
}

QRect PixelRect(const DialogControlSpec& spec, const QWidget* widget)
{
    QRect rect = DialogUnitsToPixels(spec.rectInDialogUnits);
    if (spec.kind == ControlKind::Picture) {
        const auto* picture = static_cast<const QLabel*>(widget);
        if (!picture->pixmap().isNull())
            rect.setSize(picture->pixmap().size());
    } else if (spec.kind == ControlKind::ComboBox) {
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
    for (const DialogControlSpec& spec : dialogTemplate.controls) {
        QWidget* widget = MakeWidget(spec, client);
        widget->setGeometry(PixelRect(spec, widget));
        widget->setEnabled(!Has(spec, WS_DISABLED));
        widget->setVisible(!spec.hidden);
        const Qt::FocusPolicy policy = !TakesFocus(spec.kind)  ? Qt::NoFocus
                                       : Has(spec, WS_TABSTOP) ? Qt::StrongFocus
                                                               : Qt::ClickFocus;
        widget->setFocusPolicy(policy);
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
            combo->lineEdit()->setFocusPolicy(policy);
        built.push_back({&spec, widget});
    }
    return built;
}

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    QFont font;
    QStringList families;
    if (!dialogTemplate.fontName.isEmpty())
        families << dialogTemplate.fontName;
    families << QStringLiteral("Nimbus Sans") << QStringLiteral("Liberation Sans")
             << QStringLiteral("Arial") << QStringLiteral("DejaVu Sans");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(
        std::lround(dialogTemplate.fontPointSize * kScreenDotsPerInch / kPointsPerInch)));
    return font;
}
