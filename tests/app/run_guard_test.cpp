#include "app/window_fixture.h"

#include <QKeyEvent>

namespace {

using namespace ControlName;
using RunGuardTest = WindowFixture;

// While an operation waits on a reader that answers late, the event loop turns (a call queued
// before the press runs during the run), but clicks on every operation's button, queued as well,
// are dropped: no operation runs inside another, nor after it. Escape stops the run at its first
// wait: nothing more is sent, "stopped" goes on top of the terminal, the fields stay white.
TEST_F(RunGuardTest, NoOperationRunsInsideAnotherAndEscapeStopsTheRun)
{
    const QString operations[] = {kReadButton,          kWriteButton,          kLockButton,
                                  kReadCarrierIdButton, kWriteCarrierIdButton, kReadUidButton};
    const QString white = "WWWWWWWWWWWWWWWWW WW";
    // clang-format off
    const struct { QString button; bool escape; QByteArray sent; QString colours; } rows[] = {
        {kReadButton, false, "TOR\rRD 2\r", "WGWWWWWWWWWWWWWWW WW"},
        {kWriteButton, false, "TOR\rWD 2 0001020304050607\r", "WGWWWWWWWWWWWWWWW WW"},
        {kLockButton, false, "TOR\rLD 2\r", "WGWWWWWWWWWWWWWWW WW"},
        {kReadCarrierIdButton, false, "TOR\rRD 1\rRD 2\r", "WWWWWWWWWWWWWWWWW GW"},
        {kWriteCarrierIdButton, false, "TOR\r", "WWWWWWWWWWWWWWWWW RW"},
        {kReadUidButton, false, "TOR\rRUID\r", "WWWWWWWWWWWWWWWWW WG"},
        {kReadButton, true, "TOR\r", white},
        {kReadCarrierIdButton, true, "TOR\r", white},
        {kReadUidButton, true, "TOR\r", white},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE((row.button + (row.escape ? " escape" : "")).toStdString());
        reader->Configure([](ReaderEmulator& emulator) {
            emulator = {};
            emulator.SetFaults({.answerDelay = std::chrono::milliseconds(100)});
        });
        OpenOnReader(Select({2}) + "P2=0001020304050607\r\nCarrierIDLength=12\r\n");
        bool turnedDuringRun = false;
        QMetaObject::invokeMethod(
            dialog.get(), [&] { turnedDuringRun = dialog->Link().receiveThread.IsBusy(); },
            Qt::QueuedConnection);
        for (const QString& operation : operations) {
            const QWidget* control = Control(operation);
            QWidget* button = dialog->childAt(control->mapTo(dialog.get(), QPoint(2, 2)));
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    button, new QMouseEvent(type, QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)),
                                            Qt::LeftButton, {}, {}));
        }
        if (row.escape)
            QCoreApplication::postEvent(dialog.get(),
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        Press(row.button);
        QCoreApplication::processEvents();
        EXPECT_TRUE(turnedDuringRun);
        EXPECT_TRUE(WaitUntil([&] { return reader->ReceivedBytes().size() >= row.sent.size(); }));
        EXPECT_EQ(reader->ReceivedBytes(), row.sent);
        EXPECT_EQ(Colours(), row.colours);
        EXPECT_EQ(Text(kTerminalOutput).startsWith("stopped\r\n"), row.escape);
        Close();
    }
}

} // namespace
