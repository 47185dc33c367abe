#pragma once

#include "ui/cdialog_ex.h"
#include "ui/control_styles.h"
#include "ui/ddx.h"
#include "ui/dialog_ids.h"
#include "ui/dialog_template.h"
#include "ui/single_line_edit.h"

#include <QApplication>
#include <QTest>
#include <cstdint>

// A small dialog with buttons, a check box and edits, for tests of the dialog layer.
namespace sample {

inline constexpr int kWriteButton = 1007; // push button
inline constexpr int kReadBox = 1099;     // push-like check box
inline constexpr int kPageField = 1006;   // edit with a limit
inline constexpr int kLengthField = 1077; // holds a number
inline constexpr int kOutput = 1003;      // multi-line edit with want-return

inline DialogTemplate Template()
{
    const std::uint32_t field = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    // clang-format off
    return {.caption = QStringLiteral("Sample"), .sizeInDialogUnits = QSize(300, 200),
            .style = WS_SYSMENU | WS_THICKFRAME, .fontName = {}, .controls = {
        {IDOK, ControlKind::PushButton, "OK", {218, 169, 11, 11}, WS_TABSTOP | BS_DEFPUSHBUTTON, true},
        {IDCANCEL, ControlKind::PushButton, "Cancel", {218, 181, 11, 11}, WS_TABSTOP, true},
        {kWriteButton, ControlKind::PushButton, "write", {178, 36, 86, 12}, WS_TABSTOP},
        {kReadBox, ControlKind::AutoCheckBox, "read", {178, 22, 86, 12}, WS_TABSTOP | BS_PUSHLIKE},
        {kPageField, ControlKind::Edit, "", {45, 22, 82, 12}, field},
        {kLengthField, ControlKind::Edit, "", {132, 22, 19, 12}, field},
        {kOutput, ControlKind::Edit, "", {10, 114, 135, 60}, field | ES_MULTILINE | ES_WANTRETURN},
    }, .menu = MenuTemplate{129, {{"File", {{IDCANCEL, "Exit"}}}}}};
    // clang-format on
}

} // namespace sample

// The sample template with its page field (limited to 8 characters) and its number bound.
class SampleDialog : public CDialogEx
{
public:
    SampleDialog() : CDialogEx(sample::Template()) {}
    using CDialogEx::GetMessageMap;

    QString pageText = QStringLiteral("ABCD");
    std::int32_t length = 4;

    // Creates the window and makes it the active window, so that focus and keys work.
    void Open()
    {
        Create();
        QApplication::setActiveWindow(GetSafeWidget());
        (void)QTest::qWaitForWindowActive(GetSafeWidget());
    }

    SingleLineEdit* Field(int id) const { return qobject_cast<SingleLineEdit*>(GetDlgItem(id)); }

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Text(dx, sample::kPageField, pageText);
        DDV_MaxChars(dx, pageText, 8);
        DDX_Text(dx, sample::kLengthField, length);
    }
};
