#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

class LockPagesTest : public ReaderOperationsFixture
{
};

TEST_F(LockPagesTest, LocksSelectedPagesEvenEmptyOnesNewestRecordFirst)
{
    CTamblorDlg& window = OpenWithData(SelectLines({1, 2}));

    Click(kLockButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rLD 1\rLD 2\r"));
    EXPECT_EQ(TerminalShown(),
              QStringLiteral("ACK\r\nLD 2 // Lock page 2\r\nACK\r\nLD 1 // Lock page 1\r\n"));
    EXPECT_EQ(PageFieldColour(1), kColourGreen);
    EXPECT_EQ(PageFieldColour(2), kColourGreen);
    reader->Configure([](ReaderEmulator& emulator) {
        EXPECT_TRUE(emulator.IsLocked(1));
        EXPECT_TRUE(emulator.IsLocked(2));
        EXPECT_FALSE(emulator.IsLocked(3));
    });
    EXPECT_EQ(window.serialLink.receiveThread.readBusy, 0);
}

TEST_F(LockPagesTest, NoAcknowledgementStopsAndOtherFieldsKeepTheirColours)
{
    std::vector<int> all;
    for (int page = 1; page <= 17; ++page)
        all.push_back(page);
    CTamblorDlg& window = OpenWithData(SelectLines(all));
    window.pageFields.field3.SetBackgroundColor(kColourRed);
    window.pageFields.field4.SetBackgroundColor(kColourGreen);
    ScriptedReader scripted(*reader, ScriptWith([](const QByteArray& command) {
        return command == "LD 2" ? std::optional<QByteArray>("NAK\r") : std::nullopt;
    }));

    Click(kLockButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rLD 1\rLD 2\r"));
    EXPECT_EQ(PageFieldColour(1), kColourGreen);
    EXPECT_EQ(PageFieldColour(2), kColourRed);
    EXPECT_EQ(PageFieldColour(3), kColourRed);
    EXPECT_EQ(PageFieldColour(4), kColourGreen);
    EXPECT_EQ(PageFieldColour(5), kColourWhite);
}

TEST_F(LockPagesTest, UnselectedFieldsKeepTheColourOfAnEarlierRead)
{
    CTamblorDlg& window = OpenWithData(SelectLines({1}));
    Click(kReadButton);
    ASSERT_EQ(PageFieldColour(1), kColourGreen);
    window.pageRows.rows[0].selected = 0;
    window.pageRows.rows[5].selected = 1;
    window.UpdateData(false);
    reader->ClearReceivedBytes();

    Click(kLockButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rLD 6\r"));
    EXPECT_EQ(PageFieldColour(1), kColourGreen);
    EXPECT_EQ(PageFieldColour(6), kColourGreen);
}

TEST_F(LockPagesTest, NoPageSelectedOrNoPortLeavesNoRecord)
{
    CTamblorDlg& window = OpenWithData();
    window.terminal.outputText = QStringLiteral("old line\r\n");
    window.UpdateData(false);

    Click(kLockButton);
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\r"));
    EXPECT_EQ(TerminalShown(), QString());

    window.pageRows.rows[0].selected = 1;
    window.UpdateData(false);
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;
    reader->ClearReceivedBytes();
    Click(kLockButton);
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
    EXPECT_EQ(PageFieldColour(1), kColourWhite);
}

} // namespace
