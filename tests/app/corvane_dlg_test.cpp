#include "app/window_fixture.h"

#include "platform/serial_device.h"
#include "resources/command_ids.h"
#include "resources/control_ids.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using MainWindowTest = WindowFixture;

// How a run ends: what the settings file keeps of a typed page and whether the port is free.
TEST_F(MainWindowTest, EveryWayOfEndingSavesAndReleasesThePort)
{
    const struct
    {
        const char* name;
        std::function<void(COrvaneDlg&)> end;
        int result;
        QByteArray kept;
    } rows[] = {
        {"File > Exit takes the fields over", [this](COrvaneDlg&) { Choose(CommandId::kFileExit); },
         IDOK, "\nP1=0011223344556677\n"},
        {"Escape does not",
         [](COrvaneDlg& w) { QTest::keyClick(w.GetDlgItem(kLockButton), Qt::Key_Escape); },
         IDCANCEL, "\nP1=AAAA\n"},
        {"the close box does not", [](COrvaneDlg& w) { w.GetSafeWidget()->close(); }, IDCANCEL,
         "\nP1=AAAA\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteReaderSettings("[Data]\nP1=AAAA\n");
        COrvaneDlg& window = Open();
        Type(PageField(1), QStringLiteral("0011223344556677"));
        row.end(window);
        EXPECT_EQ(window.EndResult(), row.result);
        Close();
        EXPECT_TRUE(SettingsText().contains(row.kept)) << SettingsText().constData();
        EXPECT_TRUE(presenter.shown.empty());
        EXPECT_NE(SerialDevice::Open(SlavePath()), nullptr) << "another program can take it";
    }
}
} // namespace
