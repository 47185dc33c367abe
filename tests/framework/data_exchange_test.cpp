#include "framework/multi_line_edit.h"
#include "framework/notification_codes.h"
#include "framework/single_line_edit.h"
#include "sample_dialog.h"
#include "support/recording_message_presenter.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class DataExchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
        dialog.pageText = QStringLiteral("ABCD");
        dialog.secondText = QStringLiteral("second");
        dialog.length = 4;
        dialog.readChecked = 1;
        dialog.Open();
    }

    SingleLineEdit* Edit(int id) { return dialog.Item<SingleLineEdit>(id); }

    RecordingMessagePresenter boxes;
    SampleDialog dialog;
};

TEST_F(DataExchange, ShowingPutsMembersIntoControlsWithoutChangeNotificationsAndTakingOverReads)
{
    int changes = 0;
    dialog.GetMessageMap().OnNotification(EN_CHANGE, sample::kLengthField, [&] { ++changes; });
    dialog.length = 12;
    dialog.UpdateData(false);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Edit(sample::kPageField)->text(), QStringLiteral("ABCD"));
    EXPECT_EQ(Edit(sample::kLengthField)->text(), QStringLiteral("12"));
    EXPECT_TRUE(dialog.Item<QPushButton>(sample::kReadBox)->isChecked());
    QTest::keyClick(Edit(sample::kLengthField), Qt::Key_5);
    EXPECT_EQ(changes, 1);

    Edit(sample::kLengthField)->setText(QStringLiteral(" -12 "));
    dialog.Item<QPushButton>(sample::kReadBox)->setChecked(false);
    dialog.Item<QCheckBox>(sample::kPlainBox)->setChecked(true);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.length, -12);
    EXPECT_EQ(dialog.readChecked, 0);
    EXPECT_EQ(dialog.plainChecked, 1);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DataExchange, LimitStopsTypingButALongerShownTextCanOnlyShrink)
{
    SingleLineEdit* field = Edit(sample::kPageField);
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, QStringLiteral("EFGHIJ"));
    EXPECT_EQ(field->text(), QStringLiteral("ABCDEFGH"));

    dialog.pageText = QStringLiteral("0123456789ABCDEF"); // 16 characters, limit 8
    dialog.UpdateData(false);
    EXPECT_EQ(field->text(), dialog.pageText);
    field->end(false);
    QTest::keyClick(field, Qt::Key_X);
    EXPECT_EQ(field->text(), dialog.pageText);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_X);
    EXPECT_EQ(field->text(), QStringLiteral("0123456789ABCDE"));
}

TEST_F(DataExchange, TakeOverStopsAtTheFirstFieldOverItsLimit)
{
    dialog.pageText = QStringLiteral("0123456789"); // longer than the limit, as a settings file can
    dialog.UpdateData(false);
    Edit(sample::kSendField)->setText(QStringLiteral("send"));
    Edit(sample::kSecondField)->setText(QStringLiteral("new"));
    Edit(sample::kLengthField)->setText(QStringLiteral("9"));
    dialog.pageText.clear();

    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.sendText, QStringLiteral("send"));       // bound before: taken over
    EXPECT_EQ(dialog.pageText, QStringLiteral("0123456789")); // the field's own member too
    EXPECT_EQ(dialog.secondText, QStringLiteral("second"));   // bound after: unchanged
    EXPECT_EQ(dialog.length, 4);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("8")));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Orvane"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(sample::kPageField));
}

TEST_F(DataExchange, NumberThatIsNotAnIntegerStopsTheTakeOverAndKeepsTheMember)
{
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral("")}) {
        SCOPED_TRACE(text.toStdString());
        boxes.shown.clear();
        Edit(sample::kLengthField)->setText(text);
        dialog.Item<QCheckBox>(sample::kPlainBox)->setChecked(true);
        EXPECT_FALSE(dialog.UpdateData(true));
        EXPECT_EQ(dialog.length, 4);
        EXPECT_EQ(dialog.plainChecked, 0); // bound after the number
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("whole number")));
        EXPECT_EQ(QApplication::focusWidget(), Edit(sample::kLengthField));
    }
}

} // namespace
