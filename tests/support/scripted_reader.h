#pragma once

#include "reader-sim/pty_reader_server.h"

#include <QByteArray>
#include <atomic>
#include <functional>
#include <optional>
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

    ScriptedReader(PtyReaderServer& server, Script script);
    ~ScriptedReader();

private:
    void Run();

    PtyReaderServer& server;
    const Script script;
    qsizetype consumed; // received bytes already answered; the worker's alone once it runs
    std::atomic<bool> stopping{false};
    std::thread worker;
};

// A script that answers as a well-behaved reader with default contents would (TOR gives 10),
// except where `answers` has an entry for the command line.
ScriptedReader::Script
ReaderScriptWith(std::function<std::optional<QByteArray>(const QByteArray&)> answers);
