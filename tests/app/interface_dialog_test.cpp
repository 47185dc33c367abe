#include "app/interface_dialog.h"

#include "reader-sim/raw_pty_master.h"
#include "resources/control_names.h"
#include "support/fake_port_folder.h"
#include "support/port_holder_process.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

using namespace ControlName;

TEST(InterfaceDialog, ListsThePortsThatOpenAndNamesTheProgramHoldingAnother)
{
    FakePortFolder folder;
    RawPtyMaster port, heldPort;
    PortHolderProcess otherProgram(heldPort.SlavePath());
    ASSERT_TRUE(folder.IsValid() && port.IsOpen() && otherProgram.IsHolding());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS0"), port.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS1"), heldPort.SlavePath()));
    const QString byId = folder.Roots().serialById + "/usb-Maker_Model_0123456789ABCDEF-if00-port0";
    ASSERT_TRUE(QFile::link(port.SlavePath(), byId));
    InterfaceDialog dialog(nullptr, QStringLiteral("ttyUSB7"), {}, folder.Roots());
    dialog.show();
    auto* portCombo = dialog.Find<QComboBox>(kPortCombo);

    EXPECT_EQ(dialog.Find<QLabel>(kUnopenablePortsText)->text(),
              QStringLiteral("1 serial device cannot be opened now: ttyS1: in use by sh (%1)")
                  .arg(otherProgram.ProcessId()));
    ASSERT_EQ(portCombo->count(), 2);
    EXPECT_EQ(portCombo->itemText(1), QStringLiteral("ttyS0"));
    EXPECT_EQ(portCombo->currentText(), QStringLiteral("ttyUSB7")); // unlisted: edit text only
    // The drop-down shows the long name whole; the box keeps its size.
    const QRect box = portCombo->geometry();
    portCombo->showPopup();
    EXPECT_GT(portCombo->view()->width(), portCombo->fontMetrics().horizontalAdvance(byId));
    EXPECT_EQ(portCombo->geometry(), box);
}

} // namespace
