#include "cli/cli_run.h"
#include "platform/serial_device.h"
#include "support/pty_reader_fixture.h"
#include "support/scripted_reader.h"
#include "support/ser2net_server.h"
#include "support/wait_until.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <thread>
#include <tuple>

namespace {

// orvane-cli run in this process, in a fresh folder whose Orvane.ini names the emulated reader.
class CliTest : public PtyReaderFixture
{
protected:
    void SetUp() override
    {
        PtyReaderFixture::SetUp();
        reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTorAnswer); });
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        WriteFile("Orvane.ini", "[Interface]\nPort=" + SlavePath().toUtf8() + "\nBaudrate=9600\n");
    }

    static void WriteFile(const QString& name, const QByteArray& text)
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // The exit status, the report and the errors (a list initialiser runs in order: RunCli first).
    std::tuple<int, QString, QString> Run(const QStringList& arguments)
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        return {RunCli(arguments, outStream, errStream, false), out, err};
    }

    // The emulated reader's TOR answer: each wait after TOR is seconds long, enough for an answer
    // on a loaded machine.
    static constexpr int kTorAnswer = 30;

    QTemporaryDir folder;
};

TEST_F(CliTest, EachCommandSendsTheWindowsCommandsAndEndsWithItsStatus)
{
    const ReaderFaults none, noTag{.noTransponder = true};
    // clang-format off
    // out unset: not checked (the words of a failure); answers: scripted lines, the rest nominal.
    const struct { QStringList arguments; ReaderFaults faults; int lockedPage, status; QString out;
                   QByteArray sent; std::map<QByteArray, QByteArray> answers = {}; } rows[] = {
        {{"read", "1,3"}, none, 0, 0, "UID E0040150\nP1 08090A0B0C0D0E0F\nP3 18191A1B1C1D1E1F\n",
         "TOR\rRUID\rRD 1\rRD 3\r"},
        {{"--ascii", "read", "6"}, none, 0, 0, "UID E0040150\nP6 01234567\n", "TOR\rRUID\rRD 6\r"},
        {{"read", "17", "--no-uid"}, none, 0, 0, "P17 88898A8B8C8D8E8F\n", "TOR\rRD 17\r"},
        {{"read", "4-1"}, none, 0, 2, "", ""},
        {{"read", "+3"}, none, 0, 2, "", ""},
        {{"read", "1-2"}, noTag, 0, 4,
         "UID No Read no-transponder\nP1 No Read no-transponder\nP2 not read\n", "TOR\rRUID\rRD 1\r"},
        {{"write", "P3=00112233445566aa", "--verify"}, none, 0, 0,
         "UID E0040150\nP3 00112233445566AA written\nP3 00112233445566AA verified\n",
         "TOR\rRUID\rWD 3 00112233445566AA\rRD 3\r"},
        {{"write", "P3=0011223344556677", "--verify"}, {.badUid = true}, 0, 1,
         "UID XXXXXXXX refused\nP3 0011223344556677 written\nP3 0011223344556677 verified\n",
         "TOR\rRUID\rWD 3 0011223344556677\rRD 3\r"},
        {{"write", "P3=0011223344556677", "--verify"}, none, 0, 1, {},
         "TOR\rRUID\rWD 3 0011223344556677\rRD 3\r", {{"RD 3", "0011223344556678\r"}}},
        {{"write", "P4=8899AABBCCDDEEFF", "P3=0011223344556677"}, none, 3, 1,
         "UID E0040150\nP3 NAK refused\nP4 not written\n", "TOR\rRUID\rWD 3 0011223344556677\r"},
        {{"write", "P3=0011223344556677", "P4=00112233445566"}, none, 0, 2, "", ""},
        {{"lock", "3"}, none, 0, 2, "", ""},
        {{"write", "P3=0011223344556677", "--out", "image.ini"}, none, 0, 2, "", ""},
        {{"lock", "3", "--yes"}, none, 0, 0, "UID E0040150\nP3 locked\n", "TOR\rRUID\rLD 3\r"},
        {{"lock", "3", "--yes", "--no-uid"}, noTag, 0, 4, "P3 No Read no-transponder\n", "TOR\rLD 3\r"},
        {{"uid"}, none, 0, 0, "E0040150\n", "TOR\rRUID\r"},
        {{"uid"}, {.silent = true}, 0, 1, "no-answer within 1440 ms\n", "TOR\rTOR\rRUID\r"},
        {{"uid"}, {.badUid = true}, 0, 1, "XXXXXXXX refused\n", "TOR\rRUID\r"},
        {{"carrier-id", "--length", "4"}, none, 0, 0, "UID E0040150\n08090A0B\n", "TOR\rRUID\rRD 1\r"},
        {{"carrier-id", "--write", "0a0b0c", "--length", "3"}, none, 0, 0, "UID E0040150\n0A0B0C written\n",
         "TOR\rRUID\rRD 1\rRD 2\rWD 1 0A0B0C0B0C0D0E0F\rRD 1\rWD 2 1011121314151617\rRD 2\r"},
        {{"carrier-id", "--write", "0A0B0C", "--length", "3"}, none, 1, 1, {},
         "TOR\rRUID\rRD 1\rRD 2\rWD 1 0A0B0C0B0C0D0E0F\rRD 1\r"},
        {{"carrier-id", "--write", "00112233445566778899", "--length", "10"}, none, 2, 1, {},
         "TOR\rRUID\rRD 1\rRD 2\rWD 1 0011223344556677\rRD 1\rWD 2 8899121314151617\rRD 2\r"},
        {{"carrier-id", "--write", "0A0B0C", "--length", "3"}, none, 0, 1, {},
         "TOR\rRUID\rRD 1\rRD 2\rWD 1 0A0B0CFFFFFFFFFF\rRD 1\r", {{"RD 1", "FFFFFFFFFFFFFFFF\r"}}},
        {{"carrier-id", "--write", "0A0B0C", "--length", "3"}, noTag, 0, 4,
         "UID No Read no-transponder\nNo Read no-transponder\n", "TOR\rRUID\rRD 1\rRD 2\r"},
        {{"carrier-id", "--write", "0A0B", "--length", "3"}, none, 0, 2, "", ""},
        {{"read", "18"}, none, 0, 2, "", ""},
        {{"erase"}, none, 0, 2, "", ""},
        {{"--ascii", "read", "6", "--no-uid"}, none, 0, 0, "P6 \\x07\\x00ABCDEF\n", "TOR\rRD 6\r",
         {{"RD 6", "0700414243444546\r"}}},
        {{"-V"}, none, 0, 0, {}, ""},
        {{"read", "--verify"}, none, 0, 2, "", ""},
        {{"read", "--log", "audit.log"}, none, 0, 2, "", ""},
        {{"read", "ALL", "--port=", "--json"}, none, 0, 2, "{\"error\":\"usage\",\"message\":"
         "\"no port: give --port or set Port in [Interface] of ./Orvane.ini\"}\n", ""},
        {{"read", "18", "--json"}, none, 0, 2, "{\"error\":\"usage\",\"message\":\"\\\"18\\\" names no "
         "pages (pages run from 1 to 17: use 3, 1-4, 1,3,17 or all) (see orvane-cli --help)\"}\n", ""},
        {{"write", "--from", "none.ini", "--json"}, none, 0, 2, "{\"error\":\"usage\",\"message\":"
         "\"cannot open none.ini: No such file or directory\"}\n", ""},
        {{"write", "--from", ".", "--json"}, none, 0, 2, "{\"error\":\"usage\",\"message\":"
         "\"cannot open .: Is a directory\"}\n", ""},
        {{"write", "P6=0011", "--json"}, none, 0, 2, "{\"error\":\"usage\",\"message\":\"change P6 "
         "to a length of 16 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters\"}\n", ""},
    };
    // clang-format on
    ReaderEmulator nominal;
    nominal.SetTimeoutValue(kTorAnswer);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        reader->Configure([&](ReaderEmulator& emulator) {
            emulator = nominal;
            emulator.SetFaults(row.faults);
            emulator.SetLocked(row.lockedPage, row.lockedPage != 0);
        });
        reader->ClearReceivedBytes();
        std::optional<ScriptedReader> scripted;
        if (!row.answers.empty())
            scripted.emplace(*reader, ScriptedReader::AnsweringExcept(row.answers, nominal));

        const auto [status, out, err] = Run(row.arguments);
        EXPECT_EQ(status, row.status) << err.toStdString();
        if (!row.out.isNull()) {
            EXPECT_EQ(out, row.out);
        }
        EXPECT_EQ(reader->ReceivedBytes(), row.sent);
        EXPECT_EQ(err.count(u'\n'), row.status == 2 || row.status == 3 ? 1 : 0) << "one line each";
    }
}

TEST_F(CliTest, ASettingsFileWithoutABaudRateNeedsBaud)
{
    WriteFile("Orvane.ini", "[Interface]\nPort=" + SlavePath().toUtf8() + "\n");
    const auto [status, out, err] = Run({"uid"});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(err.contains(u"no baud rate")) << err.toStdString();
    EXPECT_EQ(std::get<0>(Run({"uid", "--baud", "9600"})), 0);
    EXPECT_EQ(reader->ReceivedBytes(), "TOR\rRUID\r");
}

// A reader slower than the wait for some commands (none: all) never gives exit 0 or a page with
// another page's data; once it is fast again, the next run reads page 2 right at the first TOR.
TEST_F(CliTest, ALateAnswerIsNeverTakenForTheNextCommandsAnswer)
{
    using std::chrono::milliseconds;
    // clang-format off
    const struct { int latencyMs; QByteArrayList slow; QStringList arguments; int status;
                   QString out; } rows[] = {
        // TOR waits 640 ms; its late answer is drained, the unit stays 160 and RD waits 2720 ms.
        {1000, {}, {"read", "1-2", "--no-uid"}, 0, "P1 08090A0B0C0D0E0F\nP2 1011121314151617\n"},
        {3000, {"RD"}, {"read", "1-2", "--no-uid"}, 1, "P1 no-answer within 2210 ms\nP2 not read\n"},
        // Later than the drain as well: the run waits for the answer it is owed before it exits.
        {5000, {"RD"}, {"read", "1-2", "--no-uid"}, 1, "P1 no-answer within 2210 ms\nP2 not read\n"},
        {1500, {"WD"}, {"write", "P3=0011223344556677", "--no-uid"}, 1, "P3 no-answer within 1000 ms\n"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        reader->Configure([&](ReaderEmulator& emulator) {
            emulator = ReaderEmulator();
            emulator.SetFaults(
                {.answerDelay = milliseconds(row.latencyMs), .slowCommands = row.slow});
        });
        const auto [status, out, err] = Run(row.arguments);
        EXPECT_EQ(status, row.status) << err.toStdString();
        EXPECT_EQ(out, row.out);

        // The first run took its late line: the next one's TOR is answered at once.
        reader->Configure([&](ReaderEmulator& emulator) { emulator.SetFaults({}); });
        reader->ClearReceivedBytes();
        EXPECT_EQ(Run({"read", "2", "--no-uid"}),
                  std::make_tuple(0, QString("P2 1011121314151617\n"), QString()));
        EXPECT_EQ(reader->ReceivedBytes(), "TOR\rRD 2\r");
    }
}

TEST_F(CliTest, APortHeldByAnotherProgramIsNotOpenedAndNothingIsSent)
{
    const std::unique_ptr<SerialDevice> holder = SerialDevice::Open(SlavePath());
    ASSERT_NE(holder, nullptr);

    const auto [status, out, err] = Run({"read", "--port", SlavePath()});
    EXPECT_EQ(status, 3);
    EXPECT_EQ(err, "orvane-cli: " + SlavePath() +
                       " could not be opened!\nAnother program is using the device.\n");
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray());
}

TEST_F(CliTest, AnImageReadIntoAFileIsWrittenBackFromIt)
{
    WriteFile("image.ini", "; line 7\n[Data]\nSelectP3=1\nFormat=1\nP5=ABCDEFGH\n");

    EXPECT_EQ(Run({"read", "3", "--out", ".", "--no-uid"}),
              std::make_tuple(1, QString("P3 18191A1B1C1D1E1F\n"),
                              QString("orvane-cli: cannot write .: Is a directory\n")));
    EXPECT_EQ(Run({"read", "3", "--out", "-", "--no-uid"}),
              std::make_tuple(0, QString("[Data]\nP3=18191A1B1C1D1E1F\nFormat=0\n"),
                              QString("P3 18191A1B1C1D1E1F\n")));
    ASSERT_EQ(std::get<0>(Run({"read", "3", "--out", "image.ini"})), 0);
    QFile image("image.ini");
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    const QByteArray saved = image.readAll();
    EXPECT_EQ(saved, "; line 7\n[Data]\nSelectP3=1\nFormat=0\n"
                     "P5=4142434445464748\nP3=18191A1B1C1D1E1F\n");
    reader->ClearReceivedBytes();
    ASSERT_EQ(std::get<0>(Run({"write", "--from", "image.ini", "--selected"})), 0);
    EXPECT_EQ(reader->ReceivedBytes(), "TOR\rRUID\rWD 3 18191A1B1C1D1E1F\r");

    {
        ReaderEmulator nominal;
        nominal.SetTimeoutValue(kTorAnswer);
        ScriptedReader scripted(*reader,
                                ScriptedReader::AnsweringExcept({{"RD 4", "No Read\r"}}, nominal));
        EXPECT_EQ(std::get<0>(Run({"read", "1-4", "--out", "image.ini"})), 4);
    }
    QFile again("image.ini"); // the file is replaced, not rewritten: open it anew
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), saved) << "a read that failed part-way leaves the file as it was";
}

// Through ser2net, over telnet with the COM-PORT option and raw TCP, each command sends the same
// bytes and prints the same lines as on the local port.
TEST_F(CliTest, ReadWriteAndLockThroughSer2netSendAndPrintWhatTheLocalPortDoes)
{
    for (const QStringList& command : {QStringList{"read", "--out", "image.ini"},
                                       {"write", "--from", "image.ini"},
                                       {"lock", "all", "--yes"}}) {
        std::pair<std::tuple<int, QString, QString>, QByteArray> local;
        for (const QString scheme : {"", "rfc2217", "tcp"}) {
            // Each run has a server of its own, which lets go of the device when it is killed.
            Ser2netServer server(SlavePath(), scheme);
            ASSERT_TRUE(scheme.isEmpty() || server.Start());
            const QString port = scheme.isEmpty() ? SlavePath() : server.PortName();
            SCOPED_TRACE((command.first() + " " + port).toStdString());
            reader->Configure([](ReaderEmulator& r) { r = {}, r.SetTimeoutValue(kTorAnswer); });
            reader->ClearReceivedBytes();
            const auto result = Run(command + QStringList{"--port", port});
            if (scheme.isEmpty())
                local = {result, reader->ReceivedBytes()};
            EXPECT_EQ(std::make_tuple(result, reader->ReceivedBytes(), std::get<0>(result)),
                      std::make_tuple(local.first, local.second, 0));
        }
    }
}

// A stop signal during a slow write: the exchange in flight ends, nothing more is sent, the exit
// status names the signal and the summary names exactly the pages the reader now holds; a second
// signal ends the program at once.
TEST_F(CliTest, AStopSignalEndsTheRunAfterTheExchangeInFlight)
{
    const struct
    {
        int signal, stopsIn, status;
        bool twice;
    } rows[] = {{SIGINT, 3, 130, false},
                {SIGTERM, 4, 143, false},
                {SIGHUP, 2, 129, false},
                {SIGINT, 2, 0, true}};
    const ReaderEmulator::Page written{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7};
    QStringList arguments{"write"};
    for (int page = 1; page <= 17; ++page)
        arguments.append(QStringLiteral("P%1=A0A1A2A3A4A5A6A7").arg(page));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.signal);
        reader->Configure([](ReaderEmulator& emulator) {
            emulator = ReaderEmulator();
            emulator.SetTimeoutValue(kTorAnswer);
            emulator.SetFaults(
                {.answerDelay = std::chrono::milliseconds(300), .slowCommands = {"WD"}});
        });
        reader->ClearReceivedBytes();
        QProcess cli;
        cli.start(ORVANE_CLI, arguments);
        ASSERT_TRUE(cli.waitForStarted());
        const pid_t pid = static_cast<pid_t>(cli.processId());
        const QByteArray inFlight = QStringLiteral("WD %1 ").arg(row.stopsIn).toUtf8();
        ASSERT_TRUE(WaitUntil([&] { return reader->ReceivedBytes().contains(inFlight); }));
        // The page before is reported while the run goes on.
        const QByteArray before =
            QStringLiteral("P%1 A0A1A2A3A4A5A6A7 written\n").arg(row.stopsIn - 1).toUtf8();
        QByteArray out;
        ASSERT_TRUE(WaitUntil([&] {
            cli.waitForReadyRead(10);
            return out.append(cli.readAllStandardOutput()).contains(before);
        }));
        ASSERT_EQ(cli.state(), QProcess::Running);
        ::kill(pid, row.signal);
        if (row.twice) {
            QByteArray errors;
            cli.setReadChannel(QProcess::StandardError);
            ASSERT_TRUE(WaitUntil([&] {
                cli.waitForReadyRead(10);
                return errors.append(cli.readAllStandardError()).contains("stopping");
            }));
            ASSERT_EQ(cli.state(), QProcess::Running);
            ::kill(pid, row.signal);
        }
        ASSERT_TRUE(cli.waitForFinished(kGenerousWait.count()));
        const QByteArray sent = reader->ReceivedBytes();
        EXPECT_FALSE(sent.mid(sent.indexOf(inFlight)).contains("\rWD")) << "nothing after it";
        if (row.twice) {
            EXPECT_EQ(cli.exitStatus(), QProcess::CrashExit);
            continue;
        }
        int held = 0;
        reader->Configure([&](const ReaderEmulator& emulator) {
            while (held < 17 && emulator.PageContent(held + 1) == written)
                ++held;
        });
        EXPECT_EQ(held, row.stopsIn) << "the exchange in flight finished";
        EXPECT_EQ(cli.exitCode(), row.status);
        const QByteArrayList lines = out.append(cli.readAllStandardOutput()).split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[lines.size() - 2],
                  QStringLiteral("interrupted after P%1: P1-P%1 written, P%2-P17 not written")
                      .arg(held)
                      .arg(held + 1)
                      .toUtf8());
    }
}

// Tags pass the reader with gaps between them. Each tag program wrote to holds the image on
// exactly the pages its log line names and its own pages elsewhere; a tag passed over keeps all.
// SIGINT once "WD 3" came: the page in flight is the last command sent.
TEST_F(CliTest, ProgramWritesTagAfterTagAndLogsWhatEachTagHolds)
{
    using std::chrono::milliseconds;
    const auto imagePage = [](int page) {
        return "\xA5" + QByteArray(1, char(page)) + QByteArray(6, 0);
    };
    QByteArray image = "[Data]\n";
    for (int page = 1; page <= 17; ++page)
        image += "P" + QByteArray::number(page) + "=" + imagePage(page).toHex() + "\n";
    WriteFile("image.ini", image);
    const QByteArray logged = R"({"uid":"E0041001","result":"programmed"})"
                              "\n";
    TagLine pulled = GeneratedTagLine(2, milliseconds(60'000), milliseconds(300));
    pulled.tags[0].hold = milliseconds(700); // leaves while its pages go out, 100 ms each
    // clang-format off
    const ReaderFaults slowWrites{.answerDelay = milliseconds(100), .slowCommands = {"WD"}};
    const struct { TagLine line; QByteArray log; QStringList arguments; int status;
                   QStringList logged; QString out = {}; ReaderFaults faults = {};
                   bool interrupt = false; } rows[] = {
        {GeneratedTagLine(3, milliseconds(1500), milliseconds(300)), {}, {"--count", "3"}, 0,
         {"E0041001 programmed", "E0041002 programmed", "E0041003 programmed"},
         "E0041001 programmed: 17 of 17 pages written, verified\nE0041002 programmed: 17 of 17 "
         "pages written, verified\nE0041003 programmed: 17 of 17 pages written, verified\n"},
        {GeneratedTagLine(3, milliseconds(1500), milliseconds(300)), {}, {"--count", "2"}, 0,
         {"E0041001 programmed", "E0041002 programmed"}},
        {GeneratedTagLine(2, milliseconds(1500), milliseconds(300)), logged, {"--count", "1"}, 0,
         {"E0041002 programmed"}, "E0041001 skipped: already programmed (--again programs it "
         "again)\nE0041002 programmed: 17 of 17 pages written, verified\n"},
        {GeneratedTagLine(1, milliseconds(1500), {}), logged, {"--count", "1", "--again"}, 0,
         {"E0041001 programmed"}},
        {pulled, {}, {"--count", "2"}, 1, {"E0041001 failed", "E0041002 programmed"}, {},
         slowWrites},
        {GeneratedTagLine(1, milliseconds(60'000), {}), {}, {}, 128 + SIGINT,
         {"E0041001 interrupted"}, {}, slowWrites, true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        WriteFile("audit.log", row.log);
        reader->Configure([&](ReaderEmulator& emulator) {
            emulator.SetTagLine(row.line);
            emulator.SetFaults(row.faults);
        });
        reader->ClearReceivedBytes();
        std::jthread interrupter([&] {
            if (row.interrupt &&
                WaitUntil([&] { return reader->ReceivedBytes().contains("WD 3"); }))
                ::kill(::getpid(), SIGINT);
        });
        const auto [status, out, err] =
            Run(QStringList{"program", "--from", "image.ini", "--verify", "--log", "audit.log"} +
                row.arguments);
        EXPECT_EQ(status, row.status) << err.toStdString();
        if (!row.out.isNull()) {
            EXPECT_EQ(out, row.out);
        }
        QFile log("audit.log");
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        log.read(row.log.size());
        QStringList results;
        std::map<QString, QJsonArray> pagesOf;
        while (!log.atEnd()) {
            const QJsonObject entry = QJsonDocument::fromJson(log.readLine()).object();
            results << entry["uid"].toString() + ' ' + entry["result"].toString();
            pagesOf[entry["uid"].toString()] = entry["pages"].toArray();
        }
        EXPECT_EQ(results.join(u',').toStdString(), row.logged.join(u',').toStdString())
            << out.toStdString();
        if (row.interrupt) {
            const int last = pagesOf["E0041001"].last().toInt();
            EXPECT_TRUE(reader->ReceivedBytes().endsWith("WD " + QByteArray::number(last) + ' ' +
                                                         imagePage(last).toHex().toUpper() + '\r'));
        }
        for (std::size_t index = 0; index < row.line.tags.size(); ++index) {
            LineTag tag;
            reader->Configure([&](ReaderEmulator& emulator) { tag = *emulator.TagOfLine(index); });
            const LineTag untouched = row.line.tags[index];
            for (int page = 1; page <= 17; ++page) {
                SCOPED_TRACE(QStringLiteral("%1 P%2").arg(tag.uid).arg(page).toStdString());
                const bool written = pagesOf[tag.uid].contains(page);
                const QByteArray held(reinterpret_cast<const char*>(tag.pages[page - 1].data()), 8);
                const auto& before = untouched.pages[page - 1];
                EXPECT_EQ(held, written
                                    ? imagePage(page)
                                    : QByteArray(reinterpret_cast<const char*>(before.data()), 8));
            }
        }
    }
}

} // namespace
