#include "app/cinterface_dlg.h"

#include "framework/dialog_ids.h"
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
    for (const QLabel* label : window->findChildren<QLabel*>())
        captions.append(label->text());
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        captions.append(group->title());
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        captions.append(button->text());
    captions.sort();
    return captions;
}

} // namespace

TEST(InterfaceDialog, OpensWithTheBaudListTheGivenTextsAndThePortsThatOpen)
{
    FakePortFolder folder;
    PtyPair port;
    ASSERT_TRUE(folder.IsValid() && port.IsValid());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS0"), port.SlavePath()));
    PtyPair heldPort;
    PortHolderProcess otherProgram(heldPort.SlavePath());
    ASSERT_TRUE(otherProgram.IsHolding());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS1"), heldPort.SlavePath()));
    CInterfaceDlg dialog(nullptr, folder.Roots());
    dialog.portText = QStringLiteral("ttyUSB7");
    dialog.baudRateText = QStringLiteral("110");
    ASSERT_TRUE(dialog.Create());
    auto* portCombo = qobject_cast<QComboBox*>(dialog.GetDlgItem(InterfaceDialogId::kPortCombo));
    auto* baudCombo =
        qobject_cast<QComboBox*>(dialog.GetDlgItem(InterfaceDialogId::kBaudRateCombo));
    ASSERT_TRUE(portCombo && baudCombo && portCombo->isEditable() && baudCombo->isEditable());

    EXPECT_EQ(dialog.GetSafeWidget()->windowTitle(), QStringLiteral("Interface"));
    const QString unopenable = QStringLiteral("1 serial device cannot be opened now: ttyS1: in use "
                                              "by sh (%1)")
                                   .arg(otherProgram.ProcessId());
    EXPECT_EQ(
        Captions(dialog.GetSafeWidget()),
        (QStringList{unopenable, "Baudrate:", "COM Port Settings", "COM Port:", "Cancel", "OK"}));
    const QWidget* line = dialog.GetDlgItem(InterfaceDialogId::kUnopenablePortsText);
    const QWidget* group = dialog.GetSafeWidget()->findChild<QGroupBox*>();
    ASSERT_TRUE(line && group);
    EXPECT_GT(line->geometry().top(), group->geometry().bottom());
    EXPECT_LE(line->geometry().bottom(), dialog.GetSafeWidget()->height());
    EXPECT_EQ(Entries(baudCombo), (QStringList{"110", " 300", " 600", " 1200", " 2400", " 4800",
                                               " 9600", " 14400", " 19200", " 38400", " 56000",
                                               " 57600", " 115200", " 128000", " 256000"}));
    EXPECT_EQ(baudCombo->currentIndex(), 0);
    EXPECT_EQ(Entries(portCombo), QStringList{QStringLiteral("ttyS0")});
    EXPECT_EQ(portCombo->currentText(), QStringLiteral("ttyUSB7")); // unlisted: edit text only
}

TEST(InterfaceDialog, SaysSoWhenThereIsNoSerialDeviceAtAll)
{
    FakePortFolder folder;
    ASSERT_TRUE(folder.IsValid());
    CInterfaceDlg dialog(nullptr, folder.Roots());
    ASSERT_TRUE(dialog.Create());
    const auto* line =
        qobject_cast<QLabel*>(dialog.GetDlgItem(InterfaceDialogId::kUnopenablePortsText));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QStringLiteral("No serial device found."));
}

TEST(InterfaceDialog, OkButtonHasTheFocusWhenTheDialogOpens)
{
    CInterfaceDlg dialog;
    ASSERT_TRUE(dialog.Create());
    QApplication::setActiveWindow(dialog.GetSafeWidget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.GetSafeWidget()));
    EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDOK));
}
