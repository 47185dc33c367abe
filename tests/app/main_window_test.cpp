#include "app/window_fixture.h"

#include "platform/serial_device.h"
#include "resources/control_names.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlName;
using MainWindowTest = WindowFixture;

// How a run ends: what the settings file keeps of a typed page and whether the port is free.
TEST_F(MainWindowTest, EveryWayOfEndingSavesAndReleasesThePort)
{
    const struct
    {
        const char* name;
        std::function<void()> end;
        int result; // Accepted: the typed page is taken over into the settings file
    } rows[] = {
        {"File > Exit", [this] { Choose(kFileExit); }, QDialog::Accepted},
        {"Enter on the read box",
         [this] { QTest::keyClick(Control(kReadButton), Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", [this] { QTest::keyClick(Control(kLockButton), Qt::Key_Escape); },
         QDialog::Rejected},
        {"the close box", [this] { dialog->close(); }, QDialog::Rejected},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpenOnReader("P1=AAAA\n");
        Type(PageField(1), QStringLiteral("0011223344556677"));
        row.end();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), row.result);
        Close();
        const QByteArray kept = row.result == QDialog::Accepted ? "\nP1=0011223344556677\n" : "\nP1=AAAA\n";
        EXPECT_TRUE(SettingsText().contains(kept)) << SettingsText().constData();
        EXPECT_TRUE(presenter.shown.empty());
        EXPECT_NE(SerialDevice::Open(SlavePath()), nullptr) << "another program can take it";
    }
}

TEST_F(MainWindowTest, DeviceManagerWithNothingToStartNamesTheSerialAdapterFolder)
{
    OpenOnReader();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit()); // no viewer, no opener
    Choose(ControlName::kDeviceManager);
    qputenv("PATH", path);
    ASSERT_EQ(MessagesShown().size(), 1);
    EXPECT_TRUE(MessagesShown()[0].contains("/dev/serial/by-id"))
        << MessagesShown()[0].toStdString();
}
} // namespace
