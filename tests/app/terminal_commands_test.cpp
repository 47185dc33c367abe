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

class TerminalTest : public WindowFixture
{
protected:
    COrvaneDlg& OpenWithTerminal()
    {
        COrvaneDlg& window = OpenOnReader();
        Choose(CommandId::kTerminalShow);
        return window;
    }
};

TEST_F(TerminalTest, SendWritesTheTextAndOneCarriageReturnByButtonOrEnter)
{
    const struct
    {
        QString typed;
        bool enter;
        QByteArray sent;
    } rows[] = {
        {"RD 1", false, "RD 1\r"},
        {"", false, "\r"},
        {" TOR ", false, " TOR \r"},
        {"RUID", true, "RUID\r"},
    };
    COrvaneDlg& window = OpenWithTerminal();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        reader->ClearReceivedBytes();
        Type(kSendField, row.typed);
        if (row.enter)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            Press(kSendButton);
        EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes() == row.sent; }))
            << reader->ReceivedBytes().toHex().constData();
        EXPECT_EQ(window.terminal.sendText, row.typed);
        EXPECT_FALSE(window.EndResult().has_value());
    }
    auto* field = qobject_cast<QLineEdit*>(window.GetDlgItem(kSendField));
    EXPECT_EQ(field->selectedText(), QStringLiteral("RUID")) << "Enter leaves it selected";
}

TEST_F(TerminalTest, SendWithThePortClosedWritesNothing)
{
    COrvaneDlg& window = OpenWithTerminal();
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;
    Type(kSendField, QStringLiteral("RD 1"));
    Press(kSendButton);
    EXPECT_TRUE(window.terminal.outputText.isEmpty());
    // Reconnected, the reader's first bytes are the next command's.
    window.serialLink.ConnectPort(window);
    Type(kSendField, QStringLiteral("MARK"));
    Press(kSendButton);
    // Waits for a whole line: the reader may have recorded part of it.
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes().endsWith('\r'); }));
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("MARK\r"));
}

TEST_F(TerminalTest, AnswersAppearNewestFirstEvenWhileThePaneIsHidden)
{
    COrvaneDlg& window = OpenOnReader();
    ASSERT_TRUE(reader->SendRaw("ACK\r"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !window.terminal.outputText.isEmpty(); }));
    ASSERT_TRUE(reader->SendRaw("No Read\r"));
    EXPECT_TRUE(ProcessEventsUntil([&] { return Text(kTerminalOutput) == "No Read\r\nACK\r\n"; }))
        << Text(kTerminalOutput).toStdString();
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

TEST_F(TerminalTest, AFloodArrivesCompleteAndInOrder)
{
    COrvaneDlg& window = OpenOnReader();
    constexpr int kLines = 3000;
    QByteArray flood;
    for (int i = 0; i < kLines; ++i)
        flood += "L" + QByteArray::number(i) + "\r";
    ASSERT_TRUE(reader->SendRaw(flood));
    ASSERT_TRUE(ProcessEventsUntil([&] {
        return window.terminal.outputText.startsWith(QStringLiteral("L%1\r\n").arg(kLines - 1));
    }));
    const QStringList lines = window.terminal.outputText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), kLines + 1);
    for (int i = 0; i < kLines; ++i)
        ASSERT_EQ(lines[i], QStringLiteral("L%1").arg(kLines - 1 - i));
}

} // namespace
