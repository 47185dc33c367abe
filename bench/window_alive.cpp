// How long the main window goes without answering the desktop while a read waits on the reader:
// the longest stretch, from the press of "read" to the end of its run, in which the window answers
// no _NET_WM_PING. A thread of the bench plays the window manager on an X connection of its own:
// it pings the window every 10 ms and notes when each answer comes back. Needs an X server:
//   xvfb-run -a build/release/bench/bench_window_alive
// Two situations: one page against a silent reader with the timeout unit the window starts with,
// and all 17 pages against a reader that answers every command after 500 ms.

#include "app/main_window.h"
#include "bench_setup.h"
#include "reader-sim/pty_reader_server.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <poll.h>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr std::chrono::milliseconds kPingInterval{10};

struct Situation
{
    const char* name;
    QByteArray dataLines;
    ReaderFaults faults;
};

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The window manager's side of _NET_WM_PING, on a thread and an X connection of its own.
class Pinger
{
public:
    explicit Pinger(xcb_window_t window) : window(window)
    {
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        protocols = Atom(connection, "WM_PROTOCOLS");
        ping = Atom(connection, "_NET_WM_PING");
        thread = std::thread([this] { Run(); });
    }

    ~Pinger()
    {
        stopping = true;
        thread.join();
        xcb_disconnect(connection);
    }

    bool Answered() const
    {
        std::lock_guard lock(mutex);
        return !answers.empty();
    }

    // The longest time within [from, to] between two answers (from and to count as answers).
    double LongestSilence(Clock::time_point from, Clock::time_point to) const
    {
        std::lock_guard lock(mutex);
        Clock::time_point last = from;
        double longest = 0;
        for (Clock::time_point answer : answers) {
            if (answer <= from || answer > to)
                continue;
            longest = std::max(longest, Millis(answer - last).count());
            last = answer;
        }
        return std::max(longest, Millis(to - last).count());
    }

private:
    void Run()
    {
        pollfd connectionFd{xcb_get_file_descriptor(connection), POLLIN, 0};
        for (std::uint32_t serial = 1; !stopping; ++serial) {
            xcb_client_message_event_t event{};
            event.response_type = XCB_CLIENT_MESSAGE;
            event.format = 32;
            event.window = window;
            event.type = protocols;
            event.data.data32[0] = ping;
            event.data.data32[1] = serial;
            event.data.data32[2] = window;
            xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                           reinterpret_cast<const char*>(&event));
            xcb_flush(connection);
            const auto next = Clock::now() + kPingInterval;
            while (Clock::now() < next) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
                poll(&connectionFd, 1, static_cast<int>(left.count()));
                while (xcb_generic_event_t* received = xcb_poll_for_event(connection)) {
                    const auto* message = reinterpret_cast<xcb_client_message_event_t*>(received);
                    if ((received->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                        message->data.data32[0] == ping) {
                        std::lock_guard lock(mutex);
                        answers.push_back(Clock::now());
                    }
                    std::free(received);
                }
            }
        }
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    xcb_window_t window;
    xcb_window_t root = 0;
    xcb_atom_t protocols = XCB_ATOM_NONE;
    xcb_atom_t ping = XCB_ATOM_NONE;
    std::atomic<bool> stopping{false};
    mutable std::mutex mutex;
    std::vector<Clock::time_point> answers;
    std::thread thread;
};

bool Measure(const Situation& situation)
{
    PtyReaderServer reader(ReaderEmulator{});
    if (!reader.Start())
        return false;
    reader.Configure([&](ReaderEmulator& emulator) { emulator.SetFaults(situation.faults); });
    QFile settings(QDir::current().filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    settings.write("[Interface]\nPort=" + reader.SlavePath().toUtf8() +
                   "\nBaudrate=115200\n[Data]\n" + situation.dataLines);
    settings.close();

    MainWindow window;
    window.show();
    if (!window.Link().connected)
        return false;
    Pinger pinger(static_cast<xcb_window_t>(window.winId()));
    while (!pinger.Answered())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const auto start = Clock::now();
    QMetaObject::invokeMethod(&window, "ReadPages", Qt::DirectConnection);
    const auto end = Clock::now();
    std::printf("%-44s run %7.0f ms, longest stretch without a ping answered %6.0f ms\n",
                situation.name, Millis(end - start).count(), pinger.LongestSilence(start, end));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!EnterFreshFolder(folder))
        return 1;
    ReaderFaults silent;
    silent.silent = true;
    ReaderFaults slow;
    slow.answerDelay = std::chrono::milliseconds(500);
    QByteArray allPages;
    for (int page = 1; page <= 17; ++page)
        allPages += "SelectP" + QByteArray::number(page) + "=1\n";
    const Situation situations[] = {
        {"silent reader, read of one page", "SelectP1=1\n", silent},
        {"reader answering in 500 ms, read of 17 pages", allPages, slow},
    };
    for (const Situation& situation : situations) {
        if (!Measure(situation))
            return 1;
    }
    return 0;
}
