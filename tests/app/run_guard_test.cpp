#include "app/window_fixture.h"

namespace {

using namespace ControlName;
using RunGuardTest = WindowFixture;
using namespace std::chrono_literals;

// While an operation waits on a reader that answers late, the event loop turns (a call queued
// before the press runs during the run), but clicks on every row's button made then are dropped:
// no operation runs inside another, nor after it. Escape then stops the run at its first wait:
// nothing more is sent, "stopped" goes on top of the terminal, the fields stay white.
TEST_F(RunGuardTest, NoOperationRunsInsideAnotherAndEscapeStopsTheRun)
{
    // clang-format off
    const struct { QString button; bool escape; QByteArray sent; QString colours; } rows[] = {
        {kReadButton, false, "TOR\rRD 2\r", "WGWWWWWWWWWWWWWWW WW"},
        {kWriteButton, false, "TOR\rWD 2 0001020304050607\r", "WGWWWWWWWWWWWWWWW WW"},
        {kLockButton, false, "TOR\rLD 2\r", "WGWWWWWWWWWWWWWWW WW"},
        {kReadCarrierIdButton, false, "TOR\rRD 1\rRD 2\r", "WWWWWWWWWWWWWWWWW GW"},
        {kWriteCarrierIdButton, false, "TOR\r", "WWWWWWWWWWWWWWWWW RW"},
        {kReadUidButton, false, "TOR\rRUID\r", "WWWWWWWWWWWWWWWWW WG"},
        {kReadButton, true, "TOR\r", "WWWWWWWWWWWWWWWWW WW"},
        {kReadCarrierIdButton, true, "TOR\r", "WWWWWWWWWWWWWWWWW WW"},
        {kReadUidButton, true, "TOR\r", "WWWWWWWWWWWWWWWWW WW"},
    };
    // clang-format on
    reader->Configure([](ReaderEmulator& r) { r.SetFaults({.answerDelay = 100ms}); });
    for (const auto& row : rows) {
        SCOPED_TRACE((row.button + (row.escape ? " escape" : "")).toStdString());
        OpenOnReader(Select({2}) + "P2=0001020304050607\r\nCarrierIDLength=12\r\n");
        // Runs at the run's first turn: the clicks and keys come while the run waits.
        bool turnedDuringRun = false;
        QMetaObject::invokeMethod(
            dialog.get(),
            [&] {
                turnedDuringRun = dialog->Link().receiveThread.IsBusy();
                for (const auto& other : rows)
                    Press(other.button);
                if (row.escape)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            },
            Qt::QueuedConnection);
        Press(row.button);
        EXPECT_TRUE(turnedDuringRun);
        EXPECT_TRUE(WaitUntil([&] { return reader->ReceivedBytes().size() >= row.sent.size(); }));
        EXPECT_EQ(reader->ReceivedBytes(), row.sent);
        EXPECT_EQ(Colours(), row.colours);
        EXPECT_EQ(Text(kTerminalOutput).startsWith("stopped\r\n"), row.escape);
        Close();
    }
}

} // namespace
