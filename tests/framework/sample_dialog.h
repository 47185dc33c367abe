#pragma once

#include "framework/cdialog_ex.h"
#include "framework/ddx.h"
#include "support/sample_dialog_template.h"

#include <QApplication>
#include <QTest>
#include <cstdint>

// The sample template with members bound in this order: send, page (limited to 8), read box,
// length number, plain box, output.
class SampleDialog : public CDialogEx
{
public:
    SampleDialog() : CDialogEx(sample::Template()) {}
    using CDialogEx::GetMessageMap;

    QString sendText, pageText = QStringLiteral("ABCD"), outputText;
    std::int32_t length = 4;
    bool readChecked = false, plainChecked = false;

    // Creates the window and makes it the active window, so that focus and keys work.
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
        DDX_Text(dx, sample::kPageField, pageText);
        DDV_MaxChars(dx, pageText, 8);
        DDX_Check(dx, sample::kReadBox, readChecked);
        DDX_Text(dx, sample::kLengthField, length);
        DDX_Check(dx, sample::kPlainBox, plainChecked);
        DDX_Text(dx, sample::kOutput, outputText);
    }
};
