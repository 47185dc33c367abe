#pragma once

#include "framework/control_styles.h"
#include "framework/dialog_ids.h"
#include "framework/dialog_template.h"

// A small dialog with one control of every kind, for tests of the dialog framework and controls.
namespace sample {

inline constexpr int kTemplateId = 900;
inline constexpr int kWriteButton = 1007; // push button, text left-aligned
inline constexpr int kReadBox = 1099;     // push-like check box
inline constexpr int kPlainBox = 1015;    // ordinary check box
inline constexpr int kLengthField = 1077; // centred edit, holds a number
inline constexpr int kPageField = 1006;   // edit with a limit
inline constexpr int kSecondField = 1009; // edit after the page field
inline constexpr int kSendField = 1002;   // edit
inline constexpr int kOutput = 1003;      // multi-line edit with want-return
inline constexpr int kCombo = 1004;       // editable drop-down combo box
inline constexpr int kDisabledButton = 1023;
inline constexpr int kExitCommand = 32771;
inline constexpr int kShowCommand = 32776;

inline DialogTemplate Template()
{
    const std::uint32_t field = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    DialogTemplate t;
    t.templateId = kTemplateId;
    t.caption = QStringLiteral("Sample");
    t.sizeInDialogUnits = QSize(300, 200);
    t.style = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    t.fontName = QStringLiteral("MS Sans Serif");
    t.fontPointSize = 8;
    t.controls = {
        {IDC_STATIC, ControlKind::GroupBox, QStringLiteral("Group"), {200, 120, 90, 70}, 0},
        {IDOK,
         ControlKind::PushButton,
         QStringLiteral("OK"),
         {218, 169, 11, 11},
         WS_TABSTOP | BS_DEFPUSHBUTTON,
         true},
        {IDCANCEL,
         ControlKind::PushButton,
         QStringLiteral("Cancel"),
         {218, 181, 11, 11},
         WS_TABSTOP,
         true},
        {kWriteButton,
         ControlKind::PushButton,
         QStringLiteral("  write"),
         {178, 36, 86, 12},
         WS_TABSTOP | BS_LEFT},
        {kReadBox,
         ControlKind::AutoCheckBox,
         QStringLiteral("  read"),
         {178, 22, 86, 12},
         WS_TABSTOP | BS_PUSHLIKE | BS_LEFT},
        {kPlainBox, ControlKind::AutoCheckBox, QString(), {7, 10, 8, 8}, WS_TABSTOP},
        {kPageField, ControlKind::Edit, QString(), {45, 22, 82, 12}, field},
        {kSecondField, ControlKind::Edit, QString(), {45, 36, 82, 12}, field},
        {kLengthField, ControlKind::Edit, QString(), {132, 22, 19, 12}, field | ES_CENTER},
        {kSendField, ControlKind::Edit, QString(), {10, 100, 97, 12}, field},
        {kOutput,
         ControlKind::Edit,
         QString(),
         {10, 114, 135, 60},
         field | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL},
        {kCombo, ControlKind::ComboBox, QString(), {200, 100, 60, 80}, WS_TABSTOP | WS_VSCROLL},
        {kDisabledButton,
         ControlKind::PushButton,
         QStringLiteral("off"),
         {200, 60, 40, 12},
         WS_TABSTOP | WS_DISABLED},
    };
    t.menu = MenuTemplate{129,
                          {{QStringLiteral("File"), {{kExitCommand, QStringLiteral("Exit")}}},
                           {QStringLiteral("Terminal"), {{kShowCommand, QStringLiteral("Show")}}}}};
    return t;
}

} // namespace sample
