// The real tool on an X server against the simulated reader: SIGTERM, SIGHUP and SIGINT end it as
// the close box does, also while a box is open: exit status 0, the settings written with the
// operator's change, the port free again.
//   xvfb-run -a close_on_stop_signal_test
#include "framework/cdialog_ex.h"
#include "platform/profile_file.h"
#include "platform/serial_device.h"
#include "resources/control_ids.h"
#include "resources/main_dialog_template.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

constexpr int kProcessWaitMs = 30000;

// Points of the main window in its own coordinates, taken from the same template on the same
// display, so they match the tool's window.
struct WindowPoints
{
    QPoint asciiBox;
    QPoint infoMenu;
    QPoint infoEntry; // once the menu is open
};

WindowPoints MeasureWindowPoints()
{
    CDialogEx layout(MainDialogTemplate());
    layout.Create();
    DialogWindow* window = layout.GetSafeWidget();
    QWidget* ascii = layout.GetDlgItem(ControlId::kAsciiBox);
    QMenuBar* bar = window->MenuBar();
    QAction* help = bar->actions().last();
    QMenu* menu = help->menu();
    const QRect helpRect = bar->actionGeometry(help);
    const QPoint menuTopLeft = bar->mapTo(window, helpRect.bottomLeft() + QPoint(0, 1));
    const WindowPoints points{ascii->mapTo(window, ascii->rect().center()),
                              bar->mapTo(window, helpRect.center()),
                              menuTopLeft + menu->actionGeometry(menu->actions().first()).center()};
    layout.DestroyWindow();
    return points;
}

// Runs xdotool; returns the first line it printed, nothing when it failed.
std::optional<QByteArray> XdoTool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(kProcessWaitMs) || xdotool.exitStatus() != QProcess::NormalExit ||
        xdotool.exitCode() != 0)
        return std::nullopt;
    return xdotool.readAllStandardOutput().split('\n').first().trimmed();
}

// Waits until a visible window of process `pid` whose title matches `title` exists; returns it.
std::optional<QByteArray> WaitForWindow(const QString& pid, const QString& title)
{
    return XdoTool({"search", "--sync", "--onlyvisible", "--pid", pid, "--name", title});
}

bool ClickAt(const QByteArray& window, QPoint point)
{
    return XdoTool({"mousemove", "--window", window, QString::number(point.x()),
                    QString::number(point.y()), "click", "1"})
        .has_value();
}

class CloseOnStopSignalTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        port = folder.filePath(QStringLiteral("ttyREADER"));
        reader.start(QStringLiteral(READER_SIM), {QStringLiteral("--link"), port});
        ASSERT_TRUE(reader.waitForReadyRead(kProcessWaitMs));
        QFile settings(folder.filePath(QStringLiteral("Orvane.ini")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[Interface]\nPort=" + port.toUtf8() +
                       "\nBaudrate=9600\n[Data]\nFormat=0\n");
    }

    void TearDown() override
    {
        tool.kill();
        tool.waitForFinished(kProcessWaitMs);
        reader.terminate();
        reader.waitForFinished(kProcessWaitMs);
    }

    QTemporaryDir folder;
    QString port;
    QProcess reader;
    QProcess tool;
};

TEST_P(CloseOnStopSignalTest, EndsLikeTheCloseBoxWithABoxOpen)
{
    const WindowPoints points = MeasureWindowPoints();
    tool.setWorkingDirectory(folder.path());
    tool.start(QStringLiteral(ORVANE_TOOL));
    ASSERT_TRUE(tool.waitForStarted(kProcessWaitMs));
    const QString pid = QString::number(tool.processId());
    const std::optional<QByteArray> window = WaitForWindow(pid, QStringLiteral("^Orvane"));
    ASSERT_TRUE(window);

    ASSERT_TRUE(ClickAt(*window, points.asciiBox));
    ASSERT_TRUE(ClickAt(*window, points.infoMenu));
    ASSERT_TRUE(ClickAt(*window, points.infoEntry));
    // The About box is up, so the tool has handled the click on the ASCII box before it.
    ASSERT_TRUE(WaitForWindow(pid, QStringLiteral("^Info")));

    ASSERT_EQ(::kill(static_cast<pid_t>(tool.processId()), GetParam()), 0);
    ASSERT_TRUE(tool.waitForFinished(kProcessWaitMs));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(ProfileFile::ReadString(folder.filePath(QStringLiteral("Orvane.ini")),
                                      QStringLiteral("Data"), QStringLiteral("Format")),
              QStringLiteral("1"));
    EXPECT_NE(SerialDevice::Open(port), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Signals, CloseOnStopSignalTest, ::testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(sigabbrev_np(info.param));
                         });

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
