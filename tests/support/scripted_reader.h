#pragma once

#include "reader-sim/pty_reader_server.h"
#include "support/wait_until.h"

#include <QByteArray>
#include <atomic>
#include <functional>
#include <map>
#include <thread>

// Makes the emulated reader say exactly what a case needs (short lines, error marks, repeated
// answers): it silences the server's emulator and answers every command line that reaches the
// server from a script, on its own thread, so it keeps answering while the GUI thread is blocked
// in an operation.
class ScriptedReader
{
public:
    // The bytes to send for one command line (given without its CR); empty sends nothing.
    using Script = std::function<QByteArray(const QByteArray& command)>;

    ScriptedReader(PtyReaderServer& server, Script script)
        : server(server), script(std::move(script)), consumed(server.ReceivedBytes().size())
    {
        server.Configure([](ReaderEmulator& emulator) { emulator.SetFaults({.silent = true}); });
        worker = std::thread([this] { Run(); });
    }

    // A reader that answers as nominal does except for these lines.
    static Script AnsweringExcept(std::map<QByteArray, QByteArray> answers,
                                  ReaderEmulator nominal = {})
    {
        return [answers = std::move(answers), nominal](const QByteArray& command) mutable {
            const auto found = answers.find(command);
            return found != answers.end() ? found->second : nominal.Feed(command + '\r');
        };
    }

    ~ScriptedReader()
    {
        stopping = true;
        worker.join();
    }

private:
    void Run()
    {
        QByteArray received;
        const auto commandOrStop = [&] {
            received = server.ReceivedBytes();
            return stopping || received.indexOf('\r', consumed) >= 0;
        };
        while (!stopping) {
            WaitUntil(commandOrStop);
            const qsizetype end = received.indexOf('\r', consumed);
            if (stopping || end < 0)
                continue;
            server.SendRaw(script(received.mid(consumed, end - consumed)));
            consumed = end + 1;
        }
    }

    PtyReaderServer& server;
    const Script script;
    qsizetype consumed; // received bytes already answered; the worker's alone once it runs
    std::atomic<bool> stopping{false};
    std::thread worker;
};
