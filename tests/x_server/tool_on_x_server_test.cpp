// The real tool on an X server (Xvfb) against the simulated reader, driven with real pointer input
// (xdotool) and read from the screen and the settings file it leaves.
//   xvfb-run -a tool_on_x_server_test
// With WINDOW_PICTURE=<file.png>, OperatorSessionOnScreen also saves the window's picture there.
#include "app/main_window.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "ui/terminal_output.h"
#include "platform/profile_file.h"
#include "reader-sim/pty_reader_server.h"
#include "platform/serial_device.h"
#include "resources/control_names.h"
#include "resources/dialog_layouts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

using namespace ControlName;
constexpr int kWaitMs = 30000;

// Runs xdotool; returns the first line it printed, nothing when it failed.
std::optional<QByteArray> XdoTool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(kWaitMs) || xdotool.exitStatus() != QProcess::NormalExit ||
        xdotool.exitCode() != 0)
        return std::nullopt;
    return xdotool.readAllStandardOutput().split('\n').first().trimmed();
}

// A place in a control, in its window's coordinates.
QPoint Place(const TemplateDialog& dialog, const QString& name, QPointF where = {0.5, 0.5})
{
    const QWidget* control = dialog.Find<QWidget>(name);
    const QPoint inControl(int(control->width() * where.x()), int(control->height() * where.y()));
    return control->mapTo(&dialog, inControl);
}

class ToolOnXServer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        reader.start(QStringLiteral(READER_SIM), {QStringLiteral("--link"), port});
        ASSERT_TRUE(reader.waitForReadyRead(kWaitMs));
    }

    void TearDown() override
    {
        for (QProcess* process : {&tool, &reader}) {
            process->kill();
            process->waitForFinished(kWaitMs);
        }
    }

    // Starts the tool on these settings after the port's; true once its window is up.
    bool Start(const QByteArray& settings = {})
    {
        QFile file(folder.filePath(QStringLiteral("Orvane.ini")));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("[Interface]\nPort=" + port.toUtf8() + "\nBaudrate=9600\n" + settings) < 0)
            return false;
        file.close();
        tool.setWorkingDirectory(folder.path());
        tool.start(QStringLiteral(ORVANE_TOOL));
        window = FindWindow(QStringLiteral("^Orvane$"));
        return !window.isEmpty();
    }

    // A visible window of the tool whose title matches `title`, empty when there is none; with
    // `wait`, once there is one.
    QByteArray FindWindow(const QString& title, bool wait = true) const
    {
        QStringList arguments{"search", "--all", "--onlyvisible", "--pid",
                              QString::number(tool.processId()), "--name", title};
        if (wait)
            arguments.insert(1, QStringLiteral("--sync"));
        return XdoTool(arguments).value_or(QByteArray());
    }

    // False also when there is no such window.
    static bool Click(const QByteArray& inWindow, QPoint point)
    {
        return !inWindow.isEmpty() &&
               XdoTool({"mousemove", "--window", inWindow, QString::number(point.x()),
                        QString::number(point.y()), "click", "1"});
    }

    // Clicks the menu title that holds the command, then the command in the opened menu.
    bool Choose(const QString& name)
    {
        auto* entry = main.Find<QAction>(name);
        auto* menu = qobject_cast<QMenu*>(entry->associatedObjects().value(0));
        auto* bar = main.Find<QMenuBar>({});
        const QRect title = bar->actionGeometry(menu->menuAction());
        const QPoint menuCorner = bar->mapTo(&main, title.bottomLeft());
        return Click(window, bar->mapTo(&main, title.center())) &&
               Click(window, menuCorner + QPoint(0, 1) + menu->actionGeometry(entry).center());
    }

    QImage Screen() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    }

    QTemporaryDir folder;
    QString port = folder.filePath(QStringLiteral("ttyREADER"));
    QProcess reader;
    QProcess tool;
    QByteArray window;
    // The same layouts on the same display give the places in the tool's windows; never shown,
    // they take none of the clicks meant for the tool.
    TemplateDialog main{MainWindowLayout()};
    TemplateDialog settings{InterfaceDialogLayout()};
};

// An operator's session: Interface > Settings and OK, Terminal > Show, then P5 ticked and read turns
// it green while the other page fields stay white and the labels and the backdrop black.
TEST_F(ToolOnXServer, OperatorSessionOnScreen)
{
    ASSERT_TRUE(Start());
    // Docks match the window to its menu entry through the class the entry names.
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString windowClass = QRegularExpression(QStringLiteral("\nStartupWMClass=(.*)\n"))
                                    .match(QString::fromUtf8(entry.readAll())).captured(1);
    const QString pid = QString::number(tool.processId());
    EXPECT_EQ(XdoTool({"search", "--all", "--onlyvisible", "--pid", pid, "--class",
                       "^" + windowClass + "$"})
                  .value_or(QByteArray()),
              window);
    ASSERT_TRUE(Choose(ControlName::kInterfaceSettings));
    ASSERT_TRUE(Click(FindWindow("^Interface$"), Place(settings, kOkButtonName)));
    // Later clicks must not land on the dialog while it is still mapped.
    ASSERT_TRUE(QTest::qWaitFor([&] { return FindWindow("^Interface$", false) == ""; }, kWaitMs));

    ASSERT_TRUE(Choose(ControlName::kTerminalShow));
    ASSERT_TRUE(Click(window, Place(main, PageBox(5))));
    ASSERT_TRUE(Click(window, Place(main, kReadButton)));
    const QPoint p5 = Place(main, PageField(5), {0.97, 0.2});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Screen().pixelColor(p5) == Qt::green; }, kWaitMs))
        << "P5 never showed green";
    const QImage shot = Screen();
    const auto at = [&](const QString& name, QPointF where) {
        return shot.pixelColor(Place(main, name, where));
    };
    EXPECT_EQ(at(PageField(1), {0.97, 0.5}), Qt::white);
    EXPECT_EQ(at(PageDescription(9), {0.98, 0.9}), Qt::black);
    EXPECT_EQ(at(kCarrierIdLengthLabel, {0.05, 0.1}), Qt::black);
    EXPECT_EQ(shot.pixelColor(main.ClientArea()->mapTo(&main, QPoint(655, 380))), Qt::black);
    if (const QString picture = qEnvironmentVariable("WINDOW_PICTURE"); !picture.isEmpty()) {
        EXPECT_TRUE(shot.save(picture));
    }
}

// SIGTERM, SIGHUP and SIGINT end the tool as the close box does, also while a box is open: exit
// status 0, the settings written with the operator's change, the port free again.
TEST_F(ToolOnXServer, StopSignalsEndItLikeTheCloseBoxWithABoxOpen)
{
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(sigabbrev_np(signal));
        ASSERT_TRUE(Start("[Data]\nFormat=0\n"));
        ASSERT_TRUE(Click(window, Place(main, kAsciiBox)));
        ASSERT_TRUE(Choose(ControlName::kInfo));
        // The About box is up, so the tool has handled the click on the ASCII box before it.
        ASSERT_FALSE(FindWindow("^Info").isEmpty());

        ASSERT_EQ(::kill(static_cast<pid_t>(tool.processId()), signal), 0);
        ASSERT_TRUE(tool.waitForFinished(kWaitMs));
        EXPECT_TRUE(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0);
        EXPECT_EQ(ProfileFile::ReadString(folder.filePath("Orvane.ini"), "Data", "Format"), "1");
        EXPECT_NE(SerialDevice::Open(port), nullptr);
    }
}

// A silent reader: read pressed, then a second click on "read" and a key typed while the run
// waits, then Escape. The run stops at its first wait with "stopped" on top of the terminal and
// nothing more sent, the selected pages stay white, and neither the click nor the key is replayed.
TEST_F(ToolOnXServer, EscapeStopsARunAndInputMadeDuringItIsDropped)
{
    PtyReaderServer silentReader;
    ASSERT_TRUE(silentReader.Start());
    silentReader.Configure([](ReaderEmulator& emulator) { emulator.SetFaults({.silent = true}); });
    QFile file(folder.filePath(QStringLiteral("Orvane.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Interface]\nPort=" + silentReader.SlavePath().toUtf8() +
               "\nBaudrate=9600\n[Data]\nSelectP1=1\nSelectP2=1\n");
    file.close();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    MainWindow tool;
    tool.show();
    tool.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tool));
    const QString id = QString::number(tool.winId());
    const QPoint read = Place(main, kReadButton);
    QProcess input;
    input.start("xdotool",
                {"mousemove", "--window", id, QString::number(read.x()), QString::number(read.y()),
                 "click", "1", "click", "1", "key", "x", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return tool.Widgets().terminalOutput->Text() == "stopped\r\n"; }, kWaitMs));
    // Whatever the tool sent before reaches the reader ahead of this line.
    ASSERT_EQ(tool.Link().WriteText("END\r"), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return silentReader.ReceivedBytes().endsWith("END\r"); }));
    EXPECT_EQ(silentReader.ReceivedBytes(), "TOR\rEND\r");
    // P2, the page that has the focus, shows no "x" and stays white.
    EXPECT_EQ(tool.Widgets().pageFields[1]->text(), "");
    EXPECT_EQ(tool.Widgets().pageFields[1]->BackgroundColor(), kColourWhite);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
