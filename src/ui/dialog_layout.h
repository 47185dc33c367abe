#pragma once

#include <QRect>
#include <QString>
#include <Qt>
#include <vector>

// The kinds of control a dialog layout can hold.
enum class ControlKind {
    PushButton,
    CheckBox, // a push-like box shows as a button that stays down
    Edit,
    EnterField, // an Edit that keeps Enter, Tab and Escape and owns its colour
    Label,
    ColouredLabel,
    Picture, // caption names the picture resource, e.g. ":/bitmaps/139.png"
    UpDown,
    ComboBox, // drop-down, editable
    GroupBox,
    TerminalOutput, // read-only lines that grow at the top (ui/terminal_output.h)
};

// How a control looks and behaves beyond its kind; each option applies to the kinds it names.
enum ControlOption : unsigned {
    TabStop = 1u << 0,
    Border = 1u << 1,
    DefaultButton = 1u << 2, // push button: Enter presses it
    LeftText = 1u << 3,      // push button, check box
    PushLike = 1u << 4,      // check box
    Centred = 1u << 5,       // edit, label
    VerticalScroll = 1u << 6,
    ArrowKeys = 1u << 7, // up-down: Up and Down keys step too
};

// Push buttons with these names accept and reject the dialog.
inline const QString kOkButtonName = QStringLiteral("okButton");
inline const QString kCancelButtonName = QStringLiteral("cancelButton");

// One control: its object name (empty for a control nothing looks up), kind, caption, rectangle
// in dialog units (left, top, width, height) and options.
struct ControlSpec
{
    QString name;
    ControlKind kind = ControlKind::Label;
    QString caption;
    QRect rect;
    unsigned options = 0;
};

// One entry of a drop-down menu: its action's object name and caption.
struct MenuEntrySpec
{
    QString name;
    QString caption;
};

// One drop-down menu of a menu bar.
struct MenuSpec
{
    QString caption;
    std::vector<MenuEntrySpec> entries;
};

// A dialog as data. The controls' order is the tab order. Positions do not depend on the font
// (fixed base units, see dialog_units.h).
struct DialogLayout
{
    QString caption;
    QSize sizeInDialogUnits; // client area below the menu bar
    Qt::WindowFlags buttons = Qt::WindowCloseButtonHint;
    QString fontName;
    int fontPointSize = 8;
    std::vector<ControlSpec> controls;
    std::vector<MenuSpec> menus; // none: no menu bar
};
