#include "support/sample_dialog.h"
#include "support/recording_message_presenter.h"

#include <gtest/gtest.h>

namespace {

TEST(DataExchange, LimitStopsTypingButALongerShownTextCanOnlyShrink)
{
    SampleDialog dialog;
    dialog.Open();
    auto* field = dialog.Field(sample::kPageField);
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, QStringLiteral("EFGHIJ"));
    EXPECT_EQ(field->text(), QStringLiteral("ABCDEFGH"));

    dialog.pageText = QStringLiteral("0123456789ABCDEF"); // as a settings file can hold
    dialog.UpdateData(false);
    EXPECT_EQ(field->text(), dialog.pageText);
    QTest::keyClicks(field, QStringLiteral("X\bX")); // refused, Backspace, then taken
    EXPECT_EQ(field->text(), QStringLiteral("0123456789ABCDE"));
}

// A refused field keeps its member, shows one message titled with the application's name and
// takes the focus.
TEST(DataExchange, ANumberFieldTakesOnlyA32BitDecimalAndALimitedFieldNoLongerText)
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    // clang-format off
    const struct { int field; QString text; int length; const char* message; } rows[] = {
        {sample::kLengthField, " -12 ", -12, nullptr},
        {sample::kLengthField, "+2147483647", INT32_MAX, nullptr},
        {sample::kLengthField, "-2147483648", INT32_MIN, nullptr},
        {sample::kLengthField, "2147483648", 4, "whole number"},
        {sample::kLengthField, "-2147483649", 4, "whole number"},
        {sample::kLengthField, "", 4, "whole number"},
        {sample::kLengthField, "\u0661", 4, "whole number"}, // a digit of another script
        {sample::kPageField, "0123456789", 4, "no more than 8 characters"},
    }; // message: null when taken over
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        RecordingMessagePresenter boxes;
        SampleDialog dialog;
        dialog.Open();
        dialog.Field(row.field)->SetTextInFull(row.text);
        EXPECT_EQ(dialog.UpdateData(true), row.message == nullptr);
        EXPECT_EQ(dialog.length, row.length);
        ASSERT_EQ(boxes.shown.size(), row.message ? 1u : 0u);
        if (row.message) {
            EXPECT_TRUE(boxes.shown[0].text.contains(QLatin1String(row.message)));
            EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Orvane"));
            EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(row.field));
        }
    }
}

} // namespace
