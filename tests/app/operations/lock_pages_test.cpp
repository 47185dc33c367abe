#include "app/window_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using LockPagesTest = OperationFixture;

TEST_F(LockPagesTest, SelectedPagesAreLockedUntilOneIsNotAcknowledged)
{
    const OperationRow rows[] = {
        {.name = "NAK stops and fields not locked keep their colours",
         .data = Select({2, 3, 4, 5}),
         .answers = {{"LD 3", "NAK\r"}},
         .paint = "GWWRWWWWWWWWWWWWW WW",
         .sent = "TOR\rLD 2\rLD 3\r",
         .colours = "GGRRWWWWWWWWWWWWW WW"},
        {.name = "empty pages too, records newest first",
         .data = Select({1, 2}),
         .sent = "TOR\rLD 1\rLD 2\r",
         .colours = "GGWWWWWWWWWWWWWWW WW",
         .terminal = "ACK\r\nLD 2 // Lock page 2\r\nACK\r\nLD 1 // Lock page 1\r\n"},
    };
    for (const OperationRow& row : rows)
        Run(kLockButton, row);
    // The emulated reader answered the last row itself.
    reader->Configure([](ReaderEmulator& emulator) {
        EXPECT_TRUE(emulator.IsLocked(2));
        EXPECT_FALSE(emulator.IsLocked(3));
    });
}

TEST_F(LockPagesTest, WithoutAPortNoOperationSendsOrShowsAnything)
{
    const struct
    {
        int button;
        QString terminal;
        QString colours;
    } rows[] = {
        {kReadButton, "old line\r\n", "WWWWWWWWRWWWWWWWW WW"},
        {kWriteButton, "", "WWWWWWWWWWWWWWWWW WW"},
        {kLockButton, "", "WWWWWWWWRWWWWWWWW WW"},
    };
    COrvaneDlg& window = OpenOnReader(Select({1, 9}) + "P1=zz\r\nP9=2222222222222222\r\n");
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        window.terminal.outputText = QStringLiteral("old line\r\n");
        window.UpdateData(false);
        Paint("WWWWWWWWRWWWWWWWW WW");

        Press(row.button);

        EXPECT_EQ(Text(kTerminalOutput), row.terminal);
        EXPECT_EQ(Colours(), row.colours);
        EXPECT_EQ(Text(PageField(9)), QStringLiteral("2222222222222222"));
        EXPECT_TRUE(presenter.shown.empty()) << "not even for the invalid P1";
    }
    // Reconnected, the next command is the first thing the reader gets.
    window.serialLink.ConnectPort(window);
    Press(kLockButton);
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes().startsWith("TOR\r"); }))
        << reader->ReceivedBytes().constData();
}

} // namespace
