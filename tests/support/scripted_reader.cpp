#include "support/scripted_reader.h"

#include "support/wait_until.h"

#include <memory>

ScriptedReader::ScriptedReader(PtyReaderServer& server, Script script)
    : server(server), script(std::move(script)), consumed(server.ReceivedBytes().size())
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
    QByteArray received;
    qsizetype end = -1;
    const auto commandOrStop = [&] {
        received = server.ReceivedBytes();
        end = received.indexOf('\r', consumed);
        return stopping || end >= 0;
    };
    while (!stopping) {
        if (!WaitUntil(commandOrStop) || stopping)
            continue;
        const QByteArray answer = script(received.mid(consumed, end - consumed));
        consumed = end + 1;
        if (!answer.isEmpty())
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
