#include "app/main_window_fixture.h"

#include "resources/command_ids.h"
#include "resources/control_ids.h"
#include "support/wait_until.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using namespace std::chrono_literals;

class TerminalTest : public MainWindowFixture
{
protected:
    QString OutputShown() const { return Control<QPlainTextEdit>(kTerminalOutput)->toPlainText(); }
    QLineEdit* SendField() const { return Control<QLineEdit>(kSendField); }
};

TEST_F(TerminalTest, SendWritesTheTextAndOneCarriageReturn)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    struct Case
    {
        QString typed;
        QByteArray sent;
    };
    for (const Case& c : {Case{QStringLiteral("RD 1"), "RD 1\r"}, Case{QString(), "\r"},
                          Case{QStringLiteral(" TOR "), " TOR \r"}}) {
        SCOPED_TRACE(c.typed.toStdString());
        reader->ClearReceivedBytes();
        SendField()->setText(c.typed);
        QTest::mouseClick(window.GetDlgItem(kSendButton), Qt::LeftButton);
        EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes() == c.sent; }))
            << reader->ReceivedBytes().toHex().constData();
        EXPECT_EQ(window.terminal.sendText, c.typed);
    }
}

TEST_F(TerminalTest, SendWithThePortClosedWritesNothing)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;
    SendField()->setText(QStringLiteral("RD 1"));
    window.DispatchCommand(kSendButton);
    QTest::qWait(50);
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
    EXPECT_TRUE(OutputShown().isEmpty());
}

TEST_F(TerminalTest, EnterInTheSendFieldSendsAndLeavesTheCommandSelected)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    window.DispatchCommand(CommandId::kTerminalShow);
    SendField()->setText(QStringLiteral("RUID"));
    SendField()->setFocus();
    QTest::keyClick(SendField(), Qt::Key_Return);
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes() == "RUID\r"; }));
    EXPECT_EQ(SendField()->selectedText(), QStringLiteral("RUID"));
    EXPECT_FALSE(window.EndResult().has_value());
    QTest::keyClick(SendField(), Qt::Key_Return);
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes() == "RUID\rRUID\r"; }));
}

TEST_F(TerminalTest, AnswersAppearNewestFirstEvenWhileThePaneIsHidden)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    ASSERT_EQ(window.terminal.shown, 0);
    ASSERT_TRUE(reader->SendRaw("ACK\r"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !window.terminal.outputText.isEmpty(); }));
    ASSERT_TRUE(reader->SendRaw("No Read\r"));
    EXPECT_TRUE(ProcessEventsUntil([&] {
        return window.terminal.outputText == QStringLiteral("No Read\r\nACK\r\n");
    })) << window.terminal.outputText.toStdString();
    EXPECT_EQ(OutputShown(), QStringLiteral("No Read\nACK\n"));
}

TEST_F(TerminalTest, LinesQueuedBeforeAnOperationStartedAreDroppedLaterOnesShown)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
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
    EXPECT_TRUE(ProcessEventsUntil([&] {
        return window.terminal.outputText == QStringLiteral("fresh\r\n");
    })) << window.terminal.outputText.toStdString();
}

TEST_F(TerminalTest, AFloodArrivesCompleteInOrderAndBounded)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
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
