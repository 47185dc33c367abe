#include "serial/schnittstelle.h"

#include "framework/dialog_ids.h"
#include "resources/interface_dialog_ids.h"
#include "support/fake_port_folder.h"
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

TEST(Schnittstelle, OpensWithTheBaudListTheGivenTextsAndThePortsThatOpen)
{
    FakePortFolder folder;
    PtyPair port;
    ASSERT_TRUE(folder.IsValid() && port.IsValid());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS0"), port.SlavePath()));
    const QStringList baudEntries{
        QStringLiteral("110"),     QStringLiteral(" 300"),    QStringLiteral(" 600"),
        QStringLiteral(" 1200"),   QStringLiteral(" 2400"),   QStringLiteral(" 4800"),
        QStringLiteral(" 9600"),   QStringLiteral(" 14400"),  QStringLiteral(" 19200"),
        QStringLiteral(" 38400"),  QStringLiteral(" 56000"),  QStringLiteral(" 57600"),
        QStringLiteral(" 115200"), QStringLiteral(" 128000"), QStringLiteral(" 256000")};
    const struct
    {
        QString port;
        QString baud;
        int baudEntry; // -1: shown only as edit text
    } cases[] = {{QStringLiteral("ttyUSB7"), QStringLiteral("9600"), -1},
                 {QStringLiteral("ttyS0"), QStringLiteral("110"), 0},
                 {QString(), QStringLiteral("-5"), -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port.toStdString() + " @ " + c.baud.toStdString());
        CSchnittstelle dialog(nullptr, folder.Roots());
        dialog.portText = c.port;
        dialog.baudRateText = c.baud;
        ASSERT_TRUE(dialog.Create());
        auto* portCombo =
            qobject_cast<QComboBox*>(dialog.GetDlgItem(InterfaceDialogId::kPortCombo));
        auto* baudCombo =
            qobject_cast<QComboBox*>(dialog.GetDlgItem(InterfaceDialogId::kBaudRateCombo));
        ASSERT_TRUE(portCombo && baudCombo && portCombo->isEditable() && baudCombo->isEditable());

        EXPECT_EQ(dialog.GetSafeWidget()->windowTitle(), QStringLiteral("Interface"));
        EXPECT_EQ(Captions(dialog.GetSafeWidget()),
                  (QStringList{"Baudrate:", "COM Port Settings", "COM Port:", "Cancel", "OK"}));
        EXPECT_EQ(Entries(baudCombo), baudEntries);
        EXPECT_EQ(Entries(portCombo), QStringList{QStringLiteral("ttyS0")});
        EXPECT_EQ(portCombo->currentText(), c.port);
        EXPECT_EQ(baudCombo->currentText(), c.baud);
        if (c.baudEntry >= 0) {
            EXPECT_EQ(baudCombo->currentIndex(), c.baudEntry);
        }
    }
}

TEST(Schnittstelle, OkButtonHasTheFocusWhenTheDialogOpens)
{
    CSchnittstelle dialog;
    ASSERT_TRUE(dialog.Create());
    QApplication::setActiveWindow(dialog.GetSafeWidget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.GetSafeWidget()));
    EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDOK));
}
