#include "app/cinterface_dlg.h"

#include "framework/dialog_ids.h"
#include "framework/widget_text.h"
#include "resources/interface_dialog_ids.h"
#include "support/fake_port_folder.h"
#include "support/port_holder_process.h"
#include "support/pty_pair.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace InterfaceDialogId;

QStringList Entries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

QStringList Captions(const QWidget* window)
{
    QStringList captions;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
            qobject_cast<const QPushButton*>(widget))
            captions.append(WidgetText(widget));
    captions.sort();
    return captions;
}

TEST(InterfaceDialog, OpensWithTheBaudListTheGivenTextsThePortsThatOpenAndOkFocused)
{
    FakePortFolder folder;
    PtyPair port;
    PtyPair heldPort;
    PortHolderProcess otherProgram(heldPort.SlavePath());
    ASSERT_TRUE(folder.IsValid() && port.IsValid() && otherProgram.IsHolding());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS0"), port.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS1"), heldPort.SlavePath()));
    CInterfaceDlg dialog(nullptr, folder.Roots());
    dialog.portText = QStringLiteral("ttyUSB7");
    dialog.baudRateText = QStringLiteral("110");
    ASSERT_TRUE(dialog.Create());
    QWidget* window = dialog.GetSafeWidget();
    auto* portCombo = qobject_cast<QComboBox*>(dialog.GetDlgItem(kPortCombo));
    auto* baudCombo = qobject_cast<QComboBox*>(dialog.GetDlgItem(kBaudRateCombo));
    ASSERT_TRUE(portCombo && baudCombo && portCombo->isEditable() && baudCombo->isEditable());

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Interface"));
    const QString unopenable =
        QStringLiteral("1 serial device cannot be opened now: ttyS1: in use by sh (%1)")
            .arg(otherProgram.ProcessId());
    EXPECT_EQ(Captions(window), (QStringList{unopenable, "Baudrate:", "COM Port Settings",
                                             "COM Port:", "Cancel", "OK"}));
    // The line sits below the group box, inside the dialog.
    const QWidget* line = dialog.GetDlgItem(kUnopenablePortsText);
    EXPECT_GT(line->geometry().top(), window->findChild<QGroupBox*>()->geometry().bottom());
    EXPECT_LE(line->geometry().bottom(), window->height());
    EXPECT_EQ(Entries(baudCombo), (QStringList{"110", " 300", " 600", " 1200", " 2400", " 4800",
                                               " 9600", " 14400", " 19200", " 38400", " 56000",
                                               " 57600", " 115200", " 128000", " 256000"}));
    EXPECT_EQ(baudCombo->currentIndex(), 0);
    EXPECT_EQ(Entries(portCombo), QStringList{QStringLiteral("ttyS0")});
    EXPECT_EQ(portCombo->currentText(), QStringLiteral("ttyUSB7")); // unlisted: edit text only
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDOK));
}

TEST(InterfaceDialog, SaysSoWhenThereIsNoSerialDeviceAtAll)
{
    FakePortFolder folder;
    ASSERT_TRUE(folder.IsValid());
    CInterfaceDlg dialog(nullptr, folder.Roots());
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(WidgetText(dialog.GetDlgItem(kUnopenablePortsText)),
              QStringLiteral("No serial device found."));
}

} // namespace
