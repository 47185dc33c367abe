// Drives the real main window on an X server with real pointer input (xdotool), as an operator
// would: Interface > Settings from the menu bar, OK in the dialog, then P1 ticked and "read"
// clicked against the simulated reader; the result is read from the screen.
//   xvfb-run -a window_clicks
#include "app/corvane_app.h"
#include "app/corvane_dlg.h"
#include "framework/dialog_ids.h"
#include "framework/dialog_window.h"
#include "reader-sim/pty_reader_server.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kStepTimeoutMs = 10000;
constexpr int kPollPeriodMs = 50;

// Runs xdotool with args; returns its standard output, trimmed.
QString XdoTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    process.waitForFinished();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Moves the pointer to the centre of widget (or of rect inside it) and clicks the left button.
void ClickAt(const QWidget* widget, QRect rect = {})
{
    const QPoint point = widget->mapToGlobal((rect.isNull() ? widget->rect() : rect).center());
    XdoTool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

QAction* ActionNamed(const QWidget* widget, const QString& text)
{
    for (QAction* action : widget->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QString WindowName(const QWidget* window)
{
    return XdoTool({QStringLiteral("getwindowname"), QString::number(window->winId())});
}

bool Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    return ok;
}

// One step: ready() says when the window is ready for it, act() then does it as the operator.
struct Step
{
    const char* waitingFor;
    std::function<bool()> ready;
    std::function<void()> act;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    COrvaneApp::InitInstance();

    PtyReaderServer reader;
    QTemporaryDir folder;
    if (!reader.Start() || !folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::printf("FAILED: no simulated reader or temporary folder\n");
        return 2;
    }
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write("[Interface]\nPort=" + reader.SlavePath().toUtf8() + "\nBaudrate=9600\n") <
            0)
        return 2;
    settings.close();

    COrvaneDlg window;
    window.Create();
    DialogWindow* frame = window.GetSafeWidget();
    if (!QTest::qWaitForWindowExposed(frame)) {
        std::printf("FAILED: window not shown\n");
        return 2;
    }
    QWidget* p1Field = window.GetDlgItem(kPageRows[0].fieldId);
    auto screenColourOfP1 = [&] {
        const QImage shot = frame->screen()->grabWindow(frame->winId()).toImage();
        const QPoint point = p1Field->mapTo(frame, QPoint(p1Field->width() - 6, 4));
        const qreal ratio = shot.devicePixelRatio();
        return shot.pixelColor(int(point.x() * ratio), int(point.y() * ratio));
    };

    bool ok = Check(WindowName(frame) == QStringLiteral("Orvane"), "main window title is Orvane");
    QMenu* interfaceMenu = nullptr;
    DialogWindow* interfaceDialog = nullptr;
    const std::vector<Step> steps = {
        {"the window", [] { return true; },
         [&] {
             QMenuBar* bar = frame->MenuBar();
             QAction* title = ActionNamed(bar, QStringLiteral("Interface"));
             interfaceMenu = title != nullptr ? title->menu() : nullptr;
             if (interfaceMenu != nullptr)
                 ClickAt(bar, bar->actionGeometry(title));
         }},
        {"the Interface menu", [&] { return interfaceMenu && interfaceMenu->isVisible(); },
         [&] {
             QAction* item = ActionNamed(interfaceMenu, QStringLiteral("Settings"));
             if (item != nullptr)
                 ClickAt(interfaceMenu, interfaceMenu->actionGeometry(item));
         }},
        {"the Interface dialog",
         [&] {
             interfaceDialog = qobject_cast<DialogWindow*>(QApplication::activeModalWidget());
             return interfaceDialog != nullptr && interfaceDialog->isVisible();
         },
         [&] {
             ok &= Check(WindowName(interfaceDialog) == QStringLiteral("Interface"),
                         "dialog title is Interface");
             ClickAt(interfaceDialog->Owner().GetDlgItem(IDOK));
         }},
        {"the dialog to close on OK and the port to open",
         [&] {
             return QApplication::activeModalWidget() == nullptr &&
                    window.serialLink.connected == 1;
         },
         [&] { ClickAt(window.GetDlgItem(kPageRows[0].checkBoxId)); }},
        {"P1 to be ticked", [&] { return window.pageRows.rows[0].selected == 1; },
         [&] { ClickAt(window.GetDlgItem(ControlId::kReadButton)); }},
        {"P1 green on screen", [&] { return screenColourOfP1() == QColor(Qt::green); }, [] {}},
    };

    QEventLoop loop;
    QTimer poll;
    QElapsedTimer stepClock;
    std::size_t next = 0;
    stepClock.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (next == steps.size())
            return;
        const Step& step = steps[next];
        if (step.ready()) {
            ++next;
            stepClock.restart();
            step.act();
        } else if (stepClock.elapsed() > kStepTimeoutMs) {
            ok &= Check(false, step.waitingFor);
            next = steps.size();
        }
        if (next == steps.size()) {
            // The Interface dialog may still run its own loop; end it before leaving.
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            loop.quit();
        }
    });
    poll.start(kPollPeriodMs);
    loop.exec();
    window.DestroyWindow();
    return ok ? 0 : 1;
}
