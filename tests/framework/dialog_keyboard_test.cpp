#include "framework/single_line_edit.h"
#include "sample_dialog.h"
#include "support/recording_message_presenter.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(DialogKeyboard, EnterPressesAFocusedPushButtonElseTakesTheFieldsOverAndEnds)
{
    const struct
    {
        int focus;
        Qt::Key key;
        const char* typed;
        std::optional<int> result;
        const char* pageText;
        int clicks, messages;
    } rows[] = {
        {sample::kWriteButton, Qt::Key_Return, "1234", {}, "ABCD", 1, 0},
        {sample::kOutput, Qt::Key_Return, "1234", {}, "ABCD", 0, 0}, // wants Return for itself
        {sample::kReadBox, Qt::Key_Enter, "1234", IDOK, "1234", 0, 0},
        {sample::kPlainBox, Qt::Key_Return, "1234", IDOK, "1234", 0, 0},
        {sample::kLengthField, Qt::Key_Enter, "1234", IDOK, "1234", 0, 0},
        {sample::kReadBox, Qt::Key_Return, "123456789", {}, "123456789", 0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.focus << " " << row.key);
        RecordingMessagePresenter boxes;
        SampleDialog dialog;
        int clicks = 0;
        dialog.GetMessageMap().OnCommand(sample::kWriteButton, [&] { ++clicks; });
        dialog.Open();
        dialog.Item<SingleLineEdit>(sample::kPageField)->SetTextInFull(row.typed);
        dialog.GetDlgItem(row.focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), row.key);
        EXPECT_EQ(dialog.EndResult(), row.result);
        EXPECT_EQ(dialog.pageText, row.pageText);
        EXPECT_EQ(clicks, row.clicks);
        EXPECT_EQ(boxes.shown.size(), std::size_t(row.messages));
        EXPECT_EQ(dialog.GetSafeWidget()->isVisible(), !row.result);
    }
}

TEST(DialogKeyboard, TabAndShiftTabVisitTheEnabledVisibleTabStopsInTemplateOrder)
{
    SampleDialog dialog;
    dialog.Open();
    // The control holding the focus; a combo box's inner edit counts as the combo box.
    const auto focused = [&] {
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->parentWidget() != dialog.GetSafeWidget()->ClientArea())
            focus = focus->parentWidget();
        return focus;
    };
    const int order[] = {sample::kWriteButton, sample::kReadBox,     sample::kPlainBox,
                         sample::kPageField,   sample::kLengthField, sample::kSendField,
                         sample::kOutput,      sample::kCombo};
    const std::size_t count = std::size(order);
    ASSERT_EQ(focused(), dialog.GetDlgItem(order[0])); // the hidden OK and Cancel are skipped
    for (std::size_t i = 1; i <= count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), dialog.GetDlgItem(order[i % count])) << "after tab " << i;
    }
    for (std::size_t i = count; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), dialog.GetDlgItem(order[i])) << "after back-tab to " << i;
    }
}

} // namespace
