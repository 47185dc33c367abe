// What a vanished reader costs: the process's CPU time per second of wall time while the window
// idles on an open port, then after the reader hung up (the receive thread gone, the window
// looking once a second for the device), and for a receive thread left on a hung-up device
// without the window.

#include "bench_setup.h"
#include "app/main_window.h"
#include "ui/message_boxes.h"
#include "reader-sim/pty_reader_server.h"
#include "serial/serial_link.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>

namespace {

constexpr std::chrono::seconds kMeasured{5};

class SilentPresenter final : public MessagePresenter
{
public:
    void Present(const MessageBoxRequest&) override {}
};

double ProcessCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// CPU milliseconds per second while the event loop runs for kMeasured.
double CpuWhileEventLoopRuns()
{
    const double before = ProcessCpuMs();
    QEventLoop loop;
    QTimer::singleShot(kMeasured, &loop, &QEventLoop::quit);
    loop.exec();
    return (ProcessCpuMs() - before) / static_cast<double>(kMeasured.count());
}

// CPU milliseconds per second while this thread sleeps for kMeasured.
double CpuWhileSleeping()
{
    const double before = ProcessCpuMs();
    std::this_thread::sleep_for(kMeasured);
    return (ProcessCpuMs() - before) / static_cast<double>(kMeasured.count());
}

bool WaitForEvents(const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return condition();
}

bool MeasureWindow(const QString& linkPath)
{
    PtyServerOptions options;
    options.linkPath = linkPath;
    PtyReaderServer reader(ReaderEmulator{}, options);
    QFile settings(QDir::current().filePath(QStringLiteral("Orvane.ini")));
    if (!reader.Start() || !settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    settings.write("[Interface]\r\nPort=" + linkPath.toUtf8() + "\r\nBaudrate=115200\r\n");
    settings.close();
    MainWindow window;
    window.show();
    if (!window.Link().connected)
        return false;
    std::printf("window, port open, idle:          %6.2f ms CPU per s\n", CpuWhileEventLoopRuns());
    reader.Vanish();
    if (!WaitForEvents([&] { return !window.Link().connected; }))
        return false;
    std::printf("window after the reader hung up:  %6.2f ms CPU per s\n", CpuWhileEventLoopRuns());
    window.close();
    return true;
}

bool MeasureThreadAlone()
{
    PtyReaderServer reader;
    if (!reader.Start())
        return false;
    SerialLink link;
    link.portName = reader.SlavePath();
    link.portHandle = link.OpenPort(link.portName, link.baudRate).device;
    if (!link.portHandle)
        return false;
    reader.Vanish();
    while (!link.receiveThread.DeviceHungUp())
        std::this_thread::yield();
    std::printf("receive thread on a hung-up port: %6.2f ms CPU per s\n", CpuWhileSleeping());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessAsked();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!EnterFreshFolder(folder))
        return 1;
    SilentPresenter presenter;
    MessagePresenter* previous = SetMessagePresenter(&presenter);
    const bool ok =
        MeasureWindow(folder.filePath(QStringLiteral("reader"))) && MeasureThreadAlone();
    SetMessagePresenter(previous);
    return ok ? 0 : 1;
}
