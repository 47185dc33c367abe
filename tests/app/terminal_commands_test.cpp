#include "app/window_fixture.h"

#include "resources/control_names.h"
#include "support/wait_until.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlName;
using TerminalTest = WindowFixture;

// The button (pointer or Enter) and Enter in the field send the text as typed and one CR; Enter
// leaves the text selected.
TEST_F(TerminalTest, SendWritesTheTextAndOneCarriageReturnByButtonOrEnter)
{
    MainWindow& window = OpenOnReader();
    Choose(ControlName::kTerminalShow);
    EXPECT_TRUE(window.Widgets().terminalShow->isChecked());
    Type(kSendField, QStringLiteral(" TOR "));
    Press(kSendButton);
    QTest::keyClick(Control(kSendButton), Qt::Key_Return);
    QTest::keyClick(Control(kSendField), Qt::Key_Return);
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes().size() >= 18; }));
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray(" TOR \r TOR \r TOR \r"));
    EXPECT_EQ(window.Model().terminalSendText, QStringLiteral(" TOR "));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(qobject_cast<QLineEdit*>(Control(kSendField))->selectedText(), " TOR ");
}

// Terminal > Show ticks its entry and widens the window to the column; again, the reverse.
TEST_F(TerminalTest, ShowTogglesItsCheckMarkAndTheWindowWidth)
{
    MainWindow& window = OpenOnReader();
    for (const auto& [shown, width] : {std::pair{true, 874}, std::pair{false, 660}}) {
        Choose(ControlName::kTerminalShow);
        EXPECT_EQ(window.Widgets().terminalShow->isChecked(), shown);
        EXPECT_EQ(window.width(), width);
    }
}

// Tab moves to the next tab stop, round to the first, except in the fields that report Enter,
// which keep it.
TEST_F(TerminalTest, TabMovesAlongTheTabStopsAndStaysInTheEnterFields)
{
    OpenOnReader();
    QStringList order = {kWriteButton, kReadButton, kLockButton, kAllBox};
    QStringList keepTab = {kCarrierIdField, kSendField, kUidField};
    for (int page = 1; page <= kPageCount; ++page)
        order.append(PageBox(page));
    for (int page = 1; page <= kPageCount; ++page)
        order.append(PageField(page));
    keepTab += order.mid(4 + kPageCount);
    order += {kDefaultContentButton, kCarrierIdLengthField, kReadCarrierIdButton,
              kWriteCarrierIdButton, kCarrierIdField, kSendField, kSendButton, kTerminalOutput,
              kReadUidButton, kUidField, kHexBox, kAsciiBox};
    for (qsizetype i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(order[i].toStdString());
        Control(order[i])->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString next = keepTab.contains(order[i]) ? order[i] : order[(i + 1) % order.size()];
        EXPECT_EQ(QApplication::focusWidget(), Control(next));
    }
    QTest::keyClick(Control(kTerminalOutput), Qt::Key_Return); // the output keeps Enter
    EXPECT_TRUE(dialog->isVisible());
}

// Each batch of lines goes on top, newest first, while the pane is hidden too, none lost in a
// flood.
TEST_F(TerminalTest, AnswersAppearNewestFirstCompleteAndInOrder)
{
    OpenOnReader();
    ASSERT_TRUE(reader->SendRaw("ACK\r"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !Text(kTerminalOutput).isEmpty(); }));
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
    MainWindow& window = OpenOnReader();
    ReceiveThread& thread = window.Link().receiveThread;
    {
        ASSERT_TRUE(reader->SendRaw("stale\r"));
        // The line is handed to the terminal before it is announced to the exchanges.
        ASSERT_TRUE(WaitUntil([&] { return thread.LineWaiting(); }));
        // An operation started before the queued call ran.
        const ReceiveThread::BusyScope busy(thread, ReceiveThread::Busy::Read);
        QCoreApplication::processEvents();
        EXPECT_TRUE(Text(kTerminalOutput).isEmpty());
    }
    ASSERT_TRUE(reader->SendRaw("fresh\r"));
    EXPECT_TRUE(ProcessEventsUntil([&] { return Text(kTerminalOutput) == "fresh\r\n"; }))
        << Text(kTerminalOutput).toStdString();
}

} // namespace
