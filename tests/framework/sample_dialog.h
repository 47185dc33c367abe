#pragma once

#include "framework/cdialog_ex.h"
#include "framework/ddx.h"
#include "support/sample_dialog_template.h"

#include <QApplication>
#include <QTest>
#include <cstdint>

// The sample template with members bound in a fixed order: send, output, page (limited), second
// (limited), read box, length number, plain box, combo.
class SampleDialog : public CDialogEx
{
public:
    SampleDialog() : CDialogEx(sample::Template()) {}
    using CDialogEx::GetMessageMap;

    QString sendText, outputText, pageText, secondText, comboText;
    std::int32_t length = 0;
    bool readChecked = false;
    bool plainChecked = false;
    int pageLimit = 8;

    // Creates the window, shows it and makes it the active window so that focus and keys work.
    void Open()
    {
        Create();
        QApplication::setActiveWindow(GetSafeWidget());
        (void)QTest::qWaitForWindowActive(GetSafeWidget());
    }

    template <typename Widget> Widget* Item(int id) const
    {
        return qobject_cast<Widget*>(GetDlgItem(id));
    }

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Text(dx, sample::kSendField, sendText);
        DDX_Text(dx, sample::kOutput, outputText);
        DDX_Text(dx, sample::kPageField, pageText);
        DDV_MaxChars(dx, pageText, pageLimit);
        DDX_Text(dx, sample::kSecondField, secondText);
        DDV_MaxChars(dx, secondText, pageLimit);
        DDX_Check(dx, sample::kReadBox, readChecked);
        DDX_Text(dx, sample::kLengthField, length);
        DDX_Check(dx, sample::kPlainBox, plainChecked);
        DDX_CBString(dx, sample::kCombo, comboText);
    }
};
