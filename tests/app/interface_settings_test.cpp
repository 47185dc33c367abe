#include "app/window_fixture.h"

#include "app/interface_dialog.h"
#include "platform/serial_device.h"
#include "support/link_exchange.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlName;

class InterfaceSettingsTest : public WindowFixture
{
protected:
    // Runs Interface > Settings. If the dialog comes up, notes what it shows, types `port` and
    // `baud` (unless null) into its combo boxes and presses `button`. Returns whether it came up.
    bool RunSettings(const QString& port = {}, const QString& baud = {},
                     const QString& button = kOkButtonName)
    {
        Choose(kInterfaceSettings, [&] {
            auto* window = qobject_cast<InterfaceDialog*>(QApplication::activeModalWidget());
            const auto text = [&](const QString& name) { return WidgetText(window->Find<QWidget>(name)); };
            shownPortAndBaud = {text(kPortCombo), text(kBaudRateCombo)};
            portClosedMeanwhile = !dialog->Link().connected && !dialog->Link().portHandle;
            for (const auto& [id, typed] :
                 {std::pair(kPortCombo, port), std::pair(kBaudRateCombo, baud)})
                if (!typed.isNull()) {
                    PressIn(window, window->Find<QWidget>(id));
                    QTest::keyClick(window->focusWidget(), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(window->focusWidget(), typed);
                }
            typedBaud = text(kBaudRateCombo);
            PressIn(window, window->Find<QWidget>(button));
            if (window->isVisible()) // the press missed the button; PressIn has said so
                window->reject();
        });
        QCoreApplication::processEvents(); // lets the poll for a modal end when none came up
        return !shownPortAndBaud.isEmpty();
    }

    // The reader's answer to RUID through the window's link: "E0040150\r\n" when it works.
    QByteArray Uid() { return ExchangeOverLink(dialog->Link(), QStringLiteral("RUID\r")); }

    QStringList shownPortAndBaud;
    QString typedBaud;
    bool portClosedMeanwhile = false;
};

// The dialog shows the port, closed meanwhile; OK connects to the typed port at the baud text's
// leading number.
TEST_F(InterfaceSettingsTest, OkConnectsToTheTypedPortAtTheBaudTextsLeadingNumber)
{
    PtyReaderServer other;
    ASSERT_TRUE(other.Start());
    WriteReaderSettings();
    Open();

    ASSERT_TRUE(RunSettings(other.SlavePath(), QStringLiteral(" 9600 baud")));

    EXPECT_EQ(shownPortAndBaud, (QStringList{SlavePath(), "115200"}));
    EXPECT_TRUE(portClosedMeanwhile);
    EXPECT_EQ(dialog->Link().portName, other.SlavePath());
    EXPECT_EQ(dialog->Link().baudRate, 9600);
    EXPECT_EQ(Uid(), "E0040150\r\n");
    EXPECT_EQ(other.ReceivedBytes(), QByteArray("RUID\r"));
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
    EXPECT_NE(SerialDevice::Open(SlavePath()), nullptr) << "the old port is free";
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(InterfaceSettingsTest, FailedCloseSkipsTheDialogAndKeepsTheOldPortWorking)
{
    OpenOnReader();
    const SerialDevice* before = dialog->Link().portHandle.get();
    dialog->Link().portHandle->FailNextClose();

    EXPECT_FALSE(RunSettings());

    ASSERT_EQ(MessagesShown(), QStringList{"Can't close COM Port."});
    EXPECT_EQ(dialog->Link().connected, 1);
    EXPECT_EQ(dialog->Link().portHandle.get(), before);
    EXPECT_EQ(Uid(), "E0040150\r\n");
}

TEST_F(InterfaceSettingsTest, FieldThatFailsTheTakeOverStillLetsThePortChangeAndKeepsTypedText)
{
    // A settings file can hold a page longer than the field takes by typing.
    OpenOnReader("P1=0123456789ABCDEF0\n");
    Type(PageField(2), QStringLiteral("1122"));

    ASSERT_TRUE(RunSettings({}, QStringLiteral("1"), kCancelButtonName));

    EXPECT_EQ(typedBaud, QStringLiteral("1")) << "no completion to 110";
    EXPECT_EQ(presenter.shown.size(), 1u) << "the length message, once";
    EXPECT_EQ(dialog->Link().connected, 1);
    EXPECT_EQ(Text(PageField(2)), QStringLiteral("1122"));
    EXPECT_EQ(Text(PageField(1)), QStringLiteral("0123456789ABCDEF0"));
}

} // namespace
