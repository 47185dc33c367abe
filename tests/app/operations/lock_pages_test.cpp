#include "app/window_fixture.h"

namespace {

using namespace ControlId;
using LockPagesTest = OperationFixture;

TEST_F(LockPagesTest, SelectedPagesAreLockedUntilOneIsNotAcknowledged)
{
    Run(kLockButton, {
        {.name = "NAK stops and fields not locked keep their colours",
         .data = Select({2, 3, 4, 5}), .answers = {{"LD 3", "NAK\r"}},
         .paint = "GWWRWWWWWWWWWWWWW WW", .sent = "TOR\rLD 2\rLD 3\r",
         .colours = "GGRRWWWWWWWWWWWWW WW"},
        {.name = "empty pages too, records newest first", .data = Select({1, 2}),
         .sent = "TOR\rLD 1\rLD 2\r", .colours = "GGWWWWWWWWWWWWWWW WW",
         .terminal = "ACK\r\nLD 2 // Lock page 2\r\nACK\r\nLD 1 // Lock page 1\r\n"},
    });
    // The emulated reader answered the last row itself.
    reader->Configure([](ReaderEmulator& emulator) {
        EXPECT_TRUE(emulator.IsLocked(2));
        EXPECT_FALSE(emulator.IsLocked(3));
    });
}

TEST_F(LockPagesTest, WithoutAPortNoOperationSendsOrShowsAnything)
{
    // A button, then the terminal and field colours it leaves.
    const std::tuple<int, QString, QString> rows[] = {
        {kReadButton, "old line\r\n", "WWWWWWWWRWWWWWWWW WW"},
        {kWriteButton, "", "WWWWWWWWWWWWWWWWW WW"},
        {kLockButton, "", "WWWWWWWWRWWWWWWWW WW"},
    };
    COrvaneDlg& window = OpenOnReader(Select({1, 9}) + "P1=zz\r\nP9=2222222222222222\r\n");
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;
    for (const auto& [button, terminal, colours] : rows) {
        SCOPED_TRACE(button);
        window.terminal.outputText = QStringLiteral("old line\r\n");
        window.UpdateData(false);
        Paint("WWWWWWWWRWWWWWWWW WW");
        Press(button);
        EXPECT_EQ(Text(kTerminalOutput), terminal);
        EXPECT_EQ(Colours(), colours);
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
