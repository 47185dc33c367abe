#pragma once

#include "framework/control_styles.h"
#include "framework/dialog_ids.h"
#include "framework/dialog_template.h"

// A small dialog with one control of every kind, for tests of the dialog framework and controls.
namespace sample {

inline constexpr int kWriteButton = 1007; // push button
inline constexpr int kReadBox = 1099;     // push-like check box
inline constexpr int kPlainBox = 1015;    // ordinary check box
inline constexpr int kPageField = 1006;   // edit with a limit
inline constexpr int kLengthField = 1077; // holds a number
inline constexpr int kSendField = 1002;
inline constexpr int kOutput = 1003; // multi-line edit with want-return
inline constexpr int kCombo = 1004;  // editable drop-down combo box

inline DialogTemplate Template()
{
    const std::uint32_t field = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    DialogTemplate t;
    t.caption = QStringLiteral("Sample");
    t.sizeInDialogUnits = QSize(300, 200);
    t.style = WS_SYSMENU | WS_THICKFRAME;
    // clang-format off
    t.controls = {
        {IDOK, ControlKind::PushButton, "OK", {218, 169, 11, 11}, WS_TABSTOP | BS_DEFPUSHBUTTON, true},
        {IDCANCEL, ControlKind::PushButton, "Cancel", {218, 181, 11, 11}, WS_TABSTOP, true},
        {kWriteButton, ControlKind::PushButton, "write", {178, 36, 86, 12}, WS_TABSTOP},
        {kReadBox, ControlKind::AutoCheckBox, "read", {178, 22, 86, 12}, WS_TABSTOP | BS_PUSHLIKE},
        {kPlainBox, ControlKind::AutoCheckBox, "", {7, 10, 8, 8}, WS_TABSTOP},
        {kPageField, ControlKind::Edit, "", {45, 22, 82, 12}, field},
        {kLengthField, ControlKind::Edit, "", {132, 22, 19, 12}, field},
        {kSendField, ControlKind::Edit, "", {10, 100, 97, 12}, field},
        {kOutput, ControlKind::Edit, "", {10, 114, 135, 60}, field | ES_MULTILINE | ES_WANTRETURN},
        {kCombo, ControlKind::ComboBox, "", {200, 100, 60, 80}, WS_TABSTOP},
        {IDC_STATIC, ControlKind::PushButton, "off", {200, 60, 40, 12}, WS_TABSTOP | WS_DISABLED},
    };
    // clang-format on
    t.menu = MenuTemplate{129, {{"File", {{IDCANCEL, "Exit"}}}}};
    return t;
}

} // namespace sample
