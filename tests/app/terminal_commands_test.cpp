#include "app/window_fixture.h"

#include "resources/command_ids.h"
#include "resources/control_ids.h"
#include "support/wait_until.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using TerminalTest = WindowFixture;

// The button and Enter send the text as typed and one CR; Enter leaves the text selected.
TEST_F(TerminalTest, SendWritesTheTextAndOneCarriageReturnByButtonOrEnter)
{
    COrvaneDlg& window = OpenOnReader();
    Choose(CommandId::kTerminalShow);
    EXPECT_TRUE(window.GetMenu()->FindCommand(CommandId::kTerminalShow)->isChecked());
    Type(kSendField, QStringLiteral(" TOR "));
    Press(kSendButton);
    QTest::keyClick(window.GetDlgItem(kSendField), Qt::Key_Return);
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes().size() >= 12; }));
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray(" TOR \r TOR \r"));
    EXPECT_EQ(window.terminal.sendText, QStringLiteral(" TOR "));
    EXPECT_FALSE(window.EndResult().has_value());
    EXPECT_EQ(qobject_cast<QLineEdit*>(window.GetDlgItem(kSendField))->selectedText(), " TOR ");
}

// Terminal > Show ticks its entry and widens the window to the column; again, the reverse.
TEST_F(TerminalTest, ShowTogglesItsCheckMarkAndTheWindowWidth)
{
    COrvaneDlg& window = OpenOnReader();
    for (const auto& [shown, width] : {std::pair{true, 874}, std::pair{false, 660}}) {
        Choose(CommandId::kTerminalShow);
        EXPECT_EQ(window.GetMenu()->FindCommand(CommandId::kTerminalShow)->isChecked(), shown);
        EXPECT_EQ(window.GetSafeWidget()->width(), width);
    }
}

// Tab moves to the next tab stop, round to the first, except in the fields that report Enter,
// which keep it.
TEST_F(TerminalTest, TabMovesAlongTheTabStopsAndStaysInTheEnterFields)
{
    COrvaneDlg& window = OpenOnReader();
    QList<int> order = {kWriteButton, kReadButton, kLockButton, kAllBox};
    QList<int> keepTab = {kCarrierIdField, kSendField, kUidField};
    for (const PageRowConstants& row : kPageRows)
        order.append(row.checkBoxId);
    for (const PageRowConstants& row : kPageRows)
        order.append(row.fieldId);
    for (const PageRowConstants& row : kPageRows)
        keepTab.append(row.fieldId);
    order += {kDefaultContentButton, kCarrierIdLengthField, kReadCarrierIdButton,
              kWriteCarrierIdButton, kCarrierIdField, kSendField, kSendButton, kTerminalOutput,
              kReadUidButton, kUidField, kHexBox, kAsciiBox};
    for (qsizetype i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(order[i]);
        window.GetDlgItem(order[i])->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const int next = keepTab.contains(order[i]) ? order[i] : order[(i + 1) % order.size()];
        EXPECT_EQ(QApplication::focusWidget(), window.GetDlgItem(next));
    }
}

// Each batch of lines goes on top, newest first, while the pane is hidden too, none lost in a
// flood.
TEST_F(TerminalTest, AnswersAppearNewestFirstCompleteAndInOrder)
{
    COrvaneDlg& window = OpenOnReader();
    ASSERT_TRUE(reader->SendRaw("ACK\r"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !window.terminal.outputText.isEmpty(); }));
    QByteArray flood;
    QString newestFirst = QStringLiteral("ACK\r\n");
    for (int i = 0; i < 3000; ++i) {
        flood += "L" + QByteArray::number(i) + "\r";
        newestFirst.prepend(QStringLiteral("L%1\r\n").arg(i));
    }
    ASSERT_TRUE(reader->SendRaw(flood));
    EXPECT_TRUE(ProcessEventsUntil([&] { return Text(kTerminalOutput) == newestFirst; }))
        << Text(kTerminalOutput).left(200).toStdString();
}

TEST_F(TerminalTest, LinesQueuedBeforeAnOperationStartedAreDroppedLaterOnesShown)
{
    COrvaneDlg& window = OpenOnReader();
    ReceiveThread& thread = window.serialLink.receiveThread;
    {
        ASSERT_TRUE(reader->SendRaw("stale\r"));
        // The line is handed to the terminal before it is announced to the exchanges.
        ASSERT_TRUE(WaitUntil([&] { return thread.LineWaiting(); }));
        // An operation started before the queued call ran.
        const ReceiveThread::BusyScope busy(thread, ReceiveThread::Busy::Read);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.terminal.outputText.isEmpty());
    }
    ASSERT_TRUE(reader->SendRaw("fresh\r"));
    EXPECT_TRUE(ProcessEventsUntil([&] { return window.terminal.outputText == "fresh\r\n"; }))
        << window.terminal.outputText.toStdString();
}

} // namespace
