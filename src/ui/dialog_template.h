#pragma once

#include "ui/menu_template.h"

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The kinds of control a dialog template can hold. Variants (default button, left-aligned text,
// push-like check box, centred or multi-line edit, want-return, ...) are style bits of the control.
enum class ControlKind {
    PushButton,
    AutoCheckBox,
    Edit,
    StaticText,
    Picture, // caption names the picture resource, e.g. ":/bitmaps/139.png"
    UpDown,
    ComboBox, // drop-down, editable
    GroupBox,
    TerminalOutput, // read-only lines that grow at the top (ui/terminal_output.h)
};

// One control of a template. Controls without an id of their own use IDC_STATIC.
struct DialogControlSpec
{
    int id = -1;
    ControlKind kind = ControlKind::StaticText;
    QString caption;
    QRect rectInDialogUnits; // left, top, width, height
    std::uint32_t style = 0; // WS_/BS_/ES_/SS_/UDS_ bits of control_styles.h
    bool hidden = false;
};

// A dialog as data. The controls' order is the tab order; WS_TABSTOP makes a control a tab stop.
// The font is the one the controls' text is drawn in; positions do not depend on it (fixed base
// units, see dialog_units.h).
struct DialogTemplate
{
    int templateId = 0;
    QString caption;
    QSize sizeInDialogUnits; // client area below the menu bar
    std::uint32_t style = 0; // WS_SYSMENU, WS_THICKFRAME, ... of control_styles.h
    QString fontName;
    int fontPointSize = 8;
    std::vector<DialogControlSpec> controls;
    std::optional<MenuTemplate> menu;
};
