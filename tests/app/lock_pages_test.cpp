#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

using LockPagesTest = ReaderOperationsFixture;

TEST_F(LockPagesTest, LocksSelectedPagesEvenEmptyOnesNewestRecordFirst)
{
    OpenWithData(SelectLines({1, 2}));

    Click(kLockButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rLD 1\rLD 2\r"));
    EXPECT_EQ(TerminalShown(),
              QStringLiteral("ACK\r\nLD 2 // Lock page 2\r\nACK\r\nLD 1 // Lock page 1\r\n"));
    EXPECT_EQ(PageFieldColour(1), kColourGreen);
    EXPECT_EQ(PageFieldColour(2), kColourGreen);
    reader->Configure([](ReaderEmulator& emulator) {
        EXPECT_TRUE(emulator.IsLocked(2));
        EXPECT_FALSE(emulator.IsLocked(3));
    });
}

TEST_F(LockPagesTest, NoAcknowledgementStopsAndOtherFieldsKeepTheirColours)
{
    COrvaneDlg& window = OpenWithData(SelectLines({2, 3, 4, 5}));
    window.pageFields.field1.SetBackgroundColor(kColourGreen); // unselected, from an earlier read
    window.pageFields.field4.SetBackgroundColor(kColourRed);
    ScriptedReader scripted(*reader, ScriptWith([](const QByteArray& command) {
        return command == "LD 3" ? std::optional<QByteArray>("NAK\r") : std::nullopt;
    }));

    Click(kLockButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rLD 2\rLD 3\r"));
    std::array<COLORREF, 17> expected{};
    expected.fill(kColourWhite);
    expected[0] = expected[1] = kColourGreen;
    expected[2] = expected[3] = kColourRed;
    EXPECT_EQ(PageFieldColours(), expected);
}

TEST_F(LockPagesTest, WithoutPortNoOperationSendsOrShowsAnything)
{
    struct Case
    {
        int button;
        QString terminalShown;
        COLORREF redFieldAfter;
    };
    const std::vector<Case> cases = {
        {kReadButton, QStringLiteral("old line\r\n"), kColourRed},
        {kWriteButton, QString(), kColourWhite},
        {kLockButton, QString(), kColourRed},
    };
    COrvaneDlg& window = OpenWithData(SelectLines({1, 9}) + "P1=zz\r\nP9=2222222222222222\r\n");
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        window.terminal.outputText = QStringLiteral("old line\r\n");
        window.UpdateData(false);
        window.pageFields.field9.SetBackgroundColor(kColourRed);

        Click(c.button);

        EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
        EXPECT_EQ(TerminalShown(), c.terminalShown);
        EXPECT_EQ(PageFieldColour(9), c.redFieldAfter);
        EXPECT_EQ(PageFieldText(9), QStringLiteral("2222222222222222"));
        EXPECT_TRUE(presenter.shown.empty()) << "not even for the invalid P1";
        EXPECT_FALSE(window.serialLink.receiveThread.IsBusy());
    }
}

} // namespace
