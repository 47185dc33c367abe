#include "framework/single_line_edit.h"
#include "sample_dialog.h"
#include "support/recording_message_presenter.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace {

TEST(DataExchange, LimitStopsTypingButALongerShownTextCanOnlyShrink)
{
    SampleDialog dialog;
    dialog.Open();
    auto* field = dialog.Item<SingleLineEdit>(sample::kPageField);
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, QStringLiteral("EFGHIJ"));
    EXPECT_EQ(field->text(), QStringLiteral("ABCDEFGH"));

    dialog.pageText = QStringLiteral("0123456789ABCDEF"); // as a settings file can hold
    dialog.UpdateData(false);
    EXPECT_EQ(field->text(), dialog.pageText);
    QTest::keyClick(field, Qt::Key_X);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_X);
    EXPECT_EQ(field->text(), QStringLiteral("0123456789ABCDE"));
}

// A refused field stops the take-over there: members bound before it are taken, its own text
// member too, those bound after keep their values; one message, and the focus on the field.
TEST(DataExchange, TakeOverReadsEveryFieldOrStopsAtTheFirstRefusedOne)
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    const struct
    {
        int field;
        const char16_t* text;
        std::int32_t length;
        const char* message; // null: taken over
    } rows[] = {
        {sample::kLengthField, u" -12 ", -12, nullptr},
        {sample::kLengthField, u"+2147483647", INT32_MAX, nullptr},
        {sample::kLengthField, u"-2147483648", INT32_MIN, nullptr},
        {sample::kLengthField, u"2147483648", 4, "whole number"},
        {sample::kLengthField, u"-2147483649", 4, "whole number"},
        {sample::kLengthField, u"", 4, "whole number"},
        {sample::kLengthField, u"+ 1", 4, "whole number"},
        {sample::kLengthField, u"1 2", 4, "whole number"},
        {sample::kLengthField, u"0x10", 4, "whole number"},
        {sample::kLengthField, u"\u0661", 4, "whole number"}, // a digit of another script
        {sample::kPageField, u"0123456789", 4, "no more than 8 characters"},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        SCOPED_TRACE(text.toStdString());
        RecordingMessagePresenter boxes;
        SampleDialog dialog;
        dialog.Open();
        dialog.Item<SingleLineEdit>(sample::kSendField)->setText(QStringLiteral("send"));
        dialog.Item<SingleLineEdit>(row.field)->SetTextInFull(text);
        dialog.Item<QAbstractButton>(sample::kPlainBox)->setChecked(true);

        EXPECT_EQ(dialog.UpdateData(true), row.message == nullptr);
        EXPECT_EQ(dialog.sendText, QStringLiteral("send"));
        EXPECT_EQ(dialog.pageText, dialog.Item<SingleLineEdit>(sample::kPageField)->text());
        EXPECT_EQ(dialog.length, row.length);
        EXPECT_EQ(dialog.plainChecked, row.message == nullptr);
        if (row.message == nullptr)
            continue;
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(boxes.shown[0].text.contains(QLatin1String(row.message)));
        EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Orvane"));
        EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(row.field));
    }
}

} // namespace
