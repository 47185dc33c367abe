#include "support/scripted_reader.h"

#include "reader-sim/reader_emulator.h"

#include <memory>

ScriptedReader::ScriptedReader(PtyReaderServer& server, Script script,
                               std::chrono::milliseconds delay)
    : server(server), script(std::move(script)), delay(delay),
      consumed(server.ReceivedBytes().size())
{
    server.Configure([](ReaderEmulator& emulator) {
        ReaderFaults faults = emulator.Faults();
        faults.silent = true;
        emulator.SetFaults(faults);
    });
    worker = std::thread([this] { Run(); });
}

ScriptedReader::~ScriptedReader()
{
    stopping = true;
    worker.join();
}

void ScriptedReader::Run()
{
    while (!stopping) {
        const QByteArray received = server.ReceivedBytes();
        const qsizetype end = received.indexOf('\r', consumed);
        if (end < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        const QByteArray command = received.mid(consumed, end - consumed);
        consumed = end + 1;
        const QByteArray answer = script(command);
        ++commandsSeen;
        if (answer.isEmpty())
            continue;
        const auto sendAt = std::chrono::steady_clock::now() + delay;
        while (!stopping && std::chrono::steady_clock::now() < sendAt)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        server.SendRaw(answer);
    }
}

ScriptedReader::Script
ReaderScriptWith(std::function<std::optional<QByteArray>(const QByteArray&)> answers)
{
    auto nominal = std::make_shared<ReaderEmulator>();
    return [nominal, answers = std::move(answers)](const QByteArray& command) {
        if (const std::optional<QByteArray> answer = answers(command))
            return *answer;
        return nominal->Feed(command + '\r');
    };
}
