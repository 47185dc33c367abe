#include "ui/dialog_window.h"
#include "support/recording_message_presenter.h"
#include "support/sample_dialog.h"

#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

TEST(DialogLayout, ControlsLandOnTheirPixelsBelowTheMenuBarAndMoveWindowPlacesTheFrame)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create());
    DialogWindow* window = dialog.GetSafeWidget();
    const int menuHeight = window->MenuBar()->height();
    ASSERT_GT(menuHeight, 0);
    // page field at 45, 22, 82 x 12 dialog units; client area 300 x 200 dialog units
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    EXPECT_EQ(field->geometry(), QRect(68, 36, 123, 20));
    EXPECT_EQ(field->mapTo(window, QPoint(0, 0)), QPoint(68, 36 + menuHeight));
    EXPECT_EQ(window->size(), QSize(450, 325 + menuHeight));

    const QRect moved(dialog.GetWindowRect().topLeft() + QPoint(40, 30), QSize(676, 490));
    dialog.MoveWindow(moved);
    EXPECT_EQ(dialog.GetWindowRect(), moved);
    EXPECT_EQ(window->ClientArea()->width(), window->width());
}

TEST(DialogKeyboard, EnterPressesAFocusedPushButtonElseTakesTheFieldsOverAndEnds)
{
    // clang-format off
    const struct { int focus; Qt::Key key; const char* page; int result, clicks, boxes; } rows[] = {
        {sample::kWriteButton, Qt::Key_Return, "1234", 0, 1, 0},
        {sample::kOutput, Qt::Key_Return, "1234", 0, 0, 0}, // wants Return for itself
        {sample::kReadBox, Qt::Key_Enter, "1234", IDOK, 0, 0},
        {sample::kLengthField, Qt::Key_Return, "1234", IDOK, 0, 0},
        {sample::kReadBox, Qt::Key_Return, "123456789", 0, 0, 1}, // over the page field's limit
    }; // result 0: still open
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.focus << " " << row.key);
        RecordingMessagePresenter boxes;
        SampleDialog dialog;
        int clicks = 0;
        dialog.GetMessageMap().OnCommand(sample::kWriteButton, [&] { ++clicks; });
        dialog.Open();
        dialog.Field(sample::kPageField)->SetTextInFull(row.page);
        dialog.GetDlgItem(row.focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), row.key);
        EXPECT_EQ(dialog.EndResult().value_or(0), row.result);
        EXPECT_EQ(dialog.pageText, row.result || row.boxes ? row.page : "ABCD");
        EXPECT_EQ(clicks, row.clicks);
        EXPECT_EQ(boxes.shown.size(), std::size_t(row.boxes));
        EXPECT_EQ(dialog.GetSafeWidget()->isVisible(), !row.result);
    }
}

} // namespace
