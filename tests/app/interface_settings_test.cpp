#include "app/window_fixture.h"

#include "framework/dialog_window.h"
#include "framework/message_box_flags.h"
#include "platform/serial_device.h"
#include "resources/command_ids.h"
#include "resources/interface_dialog_ids.h"
#include "app/cinterface_dlg.h"
#include "support/link_exchange.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the operator does in the Interface dialog: set the combo boxes, then press a button.
struct DialogAction
{
    QString port; // typed over the port when not null
    QString baud;
    int button = IDOK;
};

// What the window looked like while the dialog was up.
struct DialogSighting
{
    bool shown = false;
    QString portShown;
    QString baudShown;
    QString baudTyped; // the baud field once the action's keys went in
    std::int32_t connectedMeanwhile = -1;
    bool portClosedMeanwhile = false;
};

class InterfaceSettingsTest : public WindowFixture
{
protected:
    // Runs Interface > Settings; `action` is carried out in the dialog if it appears.
    DialogSighting RunSettings(const DialogAction& action = {})
    {
        DialogSighting sighting;
        Choose(CommandId::kInterfaceSettings, [&] {
            auto* window = qobject_cast<DialogWindow*>(QApplication::activeModalWidget());
            auto* shown = window ? dynamic_cast<CInterfaceDlg*>(&window->Owner()) : nullptr;
            if (shown == nullptr)
                return;
            auto* port = qobject_cast<QComboBox*>(shown->GetDlgItem(InterfaceDialogId::kPortCombo));
            auto* baud =
                qobject_cast<QComboBox*>(shown->GetDlgItem(InterfaceDialogId::kBaudRateCombo));
            sighting.shown = true;
            sighting.portShown = port->currentText();
            sighting.baudShown = baud->currentText();
            sighting.connectedMeanwhile = dialog->serialLink.connected;
            sighting.portClosedMeanwhile = dialog->serialLink.portHandle == nullptr;
            for (auto [combo, text] : {std::pair(port, action.port), std::pair(baud, action.baud)}) {
                if (text.isNull())
                    continue;
                PressIn(window, combo);
                QWidget* field = window->focusWidget();
                if (field == nullptr || !combo->isAncestorOf(field)) {
                    ADD_FAILURE() << "the press did not reach the combo box";
                    continue;
                }
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, text);
            }
            sighting.baudTyped = baud->currentText();
            QWidget* button = shown->GetDlgItem(action.button);
            PressIn(window, button);
            if (window->isVisible()) { // the button was not where the pointer pressed
                ADD_FAILURE() << "found at the button: "
                              << window->childAt(button->mapTo(window, button->rect().center()))
                                     ->metaObject()->className();
                shown->EndDialog(IDCANCEL);
            }
        });
        // Lets the timer run when no dialog took it.
        QCoreApplication::processEvents();
        return sighting;
    }

    // Sends a command through the window's link and returns the reader's answer line.
    QByteArray Exchange(PtyReaderServer& server, const QString& command)
    {
        server.ClearReceivedBytes();
        return ExchangeOverLink(dialog->serialLink, command);
    }
};

} // namespace

TEST_F(InterfaceSettingsTest, BaudRateTextIsReadAsItsLeadingNumber)
{
    struct Case
    {
        const char* name;
        QString baud;
        std::int32_t baudRate;
        std::int32_t connected;
    };
    const Case cases[] = {
        {"an entry's text", " 9600", 9600, 1},
        {"typed with a word", "9600 baud", 9600, 1},
        {"no digits", "fast", 0, 0},
        {"negative", "-9600", -9600, 0},
    };
    WriteReaderSettings();
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        presenter.shown.clear();
        const DialogSighting sighting =
            RunSettings({QString(), c.baud, IDOK});
        ASSERT_TRUE(sighting.shown);
        EXPECT_EQ(dialog->serialLink.baudRate, c.baudRate);
        EXPECT_EQ(dialog->serialLink.portName, SlavePath());
        EXPECT_EQ(dialog->serialLink.connected, c.connected);
        if (c.connected == 1) {
            EXPECT_TRUE(presenter.shown.empty());
            EXPECT_EQ(Exchange(*reader, QStringLiteral("RUID\r")), "E0040150\r\n");
        } else {
            ASSERT_EQ(presenter.shown.size(), 1u);
            EXPECT_EQ(presenter.shown[0].text,
                      SlavePath() + QStringLiteral(" could not be opened!\nThe baud rate ") +
                          QString::number(c.baudRate) +
                          QStringLiteral(" is not valid: it must be above 0."));
            EXPECT_EQ(presenter.shown[0].title, QStringLiteral("Error"));
        }
    }
}

TEST_F(InterfaceSettingsTest, DialogShowsTheClosedPortAndOkWithAnotherConnectsToIt)
{
    PtyReaderServer other;
    ASSERT_TRUE(other.Start());
    WriteReaderSettings();
    Open();

    const DialogSighting sighting = RunSettings({other.SlavePath(), QString(), IDOK});

    ASSERT_TRUE(sighting.shown);
    EXPECT_EQ(sighting.portShown, SlavePath());
    EXPECT_EQ(sighting.baudShown, QStringLiteral("115200"));
    EXPECT_EQ(sighting.connectedMeanwhile, 0);
    EXPECT_TRUE(sighting.portClosedMeanwhile);
    EXPECT_EQ(dialog->serialLink.portName, other.SlavePath());
    EXPECT_EQ(dialog->serialLink.baudRate, 115200);
    EXPECT_EQ(dialog->serialLink.connected, 1);
    EXPECT_EQ(Exchange(other, QStringLiteral("RUID\r")), "E0040150\r\n");
    EXPECT_EQ(other.ReceivedBytes(), QByteArray("RUID\r"));
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
    EXPECT_NE(SerialDevice::Open(SlavePath()), nullptr);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(InterfaceSettingsTest, CancelReconnectsWithTheOldSettingsSoAMissingPortIsTriedAgain)
{
    const QString link = QDir(folder.path()).filePath(QStringLiteral("reader-link"));
    WriteSettings("[Interface]\r\nPort=" + link.toUtf8() + "\r\nBaudrate=57600\r\n");
    Open();
    ASSERT_EQ(dialog->serialLink.connected, 0);
    ASSERT_EQ(presenter.shown.size(), 1u);
    ASSERT_TRUE(QFile::link(SlavePath(), link));

    const DialogSighting sighting = RunSettings({"ttyX9", "110", IDCANCEL});

    ASSERT_TRUE(sighting.shown);
    EXPECT_EQ(dialog->serialLink.portName, link);
    EXPECT_EQ(dialog->serialLink.baudRate, 57600);
    EXPECT_EQ(dialog->serialLink.connected, 1);
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(Exchange(*reader, QStringLiteral("RUID\r")), "E0040150\r\n");
}

TEST_F(InterfaceSettingsTest, FailedCloseSkipsTheDialogAndKeepsTheOldPortWorking)
{
    WriteReaderSettings();
    Open();
    ASSERT_EQ(dialog->serialLink.connected, 1);
    const SerialDevice* before = dialog->serialLink.portHandle.get();
    dialog->serialLink.portHandle->FailNextClose();

    const DialogSighting sighting = RunSettings();

    EXPECT_FALSE(sighting.shown);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, QStringLiteral("Can't close COM Port."));
    EXPECT_EQ(presenter.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(presenter.shown[0].type & MB_ICONMASK, MB_ICONERROR);
    EXPECT_EQ(dialog->serialLink.connected, 1);
    EXPECT_EQ(dialog->serialLink.portHandle.get(), before);
    EXPECT_EQ(Exchange(*reader, QStringLiteral("RUID\r")), "E0040150\r\n");
}

TEST_F(InterfaceSettingsTest, FieldThatFailsTheTakeOverStillLetsThePortChangeAndKeepsTypedText)
{
    // A settings file can hold a page longer than the field takes by typing.
    WriteReaderSettings("[Data]\nP1=0123456789ABCDEF0\n");
    Open();
    Type(PageField(2), QStringLiteral("1122"));

    const DialogSighting sighting = RunSettings({QString(), QStringLiteral("1"), IDCANCEL});

    EXPECT_TRUE(sighting.shown);
    EXPECT_EQ(sighting.baudTyped, QStringLiteral("1")) << "no completion to 110";
    ASSERT_EQ(presenter.shown.size(), 1u) << "the length message, once";
    EXPECT_EQ(dialog->serialLink.connected, 1);
    EXPECT_NE(dialog->serialLink.portHandle, nullptr);
    EXPECT_EQ(Text(PageField(2)), QStringLiteral("1122"));
    EXPECT_EQ(Text(PageField(1)), QStringLiteral("0123456789ABCDEF0"));
}
