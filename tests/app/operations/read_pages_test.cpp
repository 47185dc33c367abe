#include "app/window_fixture.h"

namespace {

using namespace std::chrono_literals;
using ReadPagesTest = WindowFixture;

const QString kPage1 = QStringLiteral("08090A0B0C0D0E0F");
const QString kPage2 = QStringLiteral("1011121314151617");

// Pages 3 and 4 are selected; the answer to RD 3 decides whether page 4 is read (and turns green).
OperationRow Judged(const char* name, const QByteArray& answer, const char* colours3And4,
                    const QString& text3 = QStringLiteral("1111111111111111"))
{
    const QString colours = QStringLiteral("WW%1WWWWWWWWWWWWW WW").arg(colours3And4);
    return {.name = name, .data = "SelectP3=1\r\nSelectP4=1\r\nP3=1111111111111111\r\n",
            .answers = {{"RD 3", answer}},
            .sent = colours[3] == u'G' ? "TOR\rRD 3\rRD 4\r" : "TOR\rRD 3\r",
            .colours = colours, .texts = {{PageField(3), text3}}};
}

TEST_F(ReadPagesTest, EachAnswerIsJudgedAndShownAndAShortOneStopsTheRun)
{
    Run(ControlName::kReadButton, {
        // A stray line right after an answer is neither that answer nor the next one.
        {.name = "two pages, records newest first", .data = Select({1, 2}),
         .answers = {{"RD 1", kPage1.toLatin1() + "\r0000000000000000\r"}},
         .sent = "TOR\rRD 1\rRD 2\r", .colours = "GGWWWWWWWWWWWWWWW WW",
         .texts = {{PageField(1), kPage1}, {PageField(2), kPage2}, {ControlName::kTerminalOutput,
             kPage2 + "\r\nRD 2 // Read page 2\r\n" + kPage1 + "\r\nRD 1 // Read page 1\r\n"}}},
        {.name = "CR LF line ends", .data = Select({1, 2, 17}),
         .setup = [](ReaderEmulator& emulator) { emulator.SetFaults({.crLfLineEnds = true}); },
         .sent = "TOR\rRD 1\rRD 2\rRD 17\r", .colours = "GGWWWWWWWWWWWWWWG WW",
         .texts = {{PageField(1), kPage1}, {PageField(2), kPage2}}},
        // Each LF comes only after the next command went out, in front of that command's answer.
        {.name = "CR LF, the LF late", .data = Select({1, 2}),
         .answers = {{"RD 2", "\n" + kPage2.toLatin1() + "\r"}}, .sent = "TOR\rRD 1\rRD 2\r",
         .colours = "GGWWWWWWWWWWWWWWW WW", .texts = {{PageField(2), kPage2}}},
        // A short TOR answer keeps the wait for the missing answer short.
        {.name = "no answer", .data = Select({3, 4}), .answers = {{"TOR", "1\r"}, {"RD 3", ""}},
         .sent = "TOR\rRD 3\r", .colours = "WWRWWWWWWWWWWWWWW WW"},
        // The take-over stops at a page the settings made longer than a page field takes.
        {.name = "an overlong page", .data = Select({1}) + "P2=0123456789ABCDEF0\r\n",
         .sent = "TOR\rRD 1\r", .colours = "GWWWWWWWWWWWWWWWW WW",
         .texts = {{PageField(2), "0123456789ABCDEF0"}},
         .messages = {"Please enter no more than 16 characters."}},
        Judged("error mark", "0123456789#09ABC\r", "RG"),
        Judged("short", "0123456789ABC\r", "RW"),
        Judged("14 digits and the line end", "0123456789ABCD\r", "RG"),
        Judged("15 digits and the CR", "0123456789ABCDE\r", "RG"),
        Judged("16 bytes FF", QByteArray(16, '\xFF') + '\r', "RG"),
        Judged("longer than the line buffer", QByteArray(200, 'A') + '\r', "RG"),
        Judged("long", "0123456789ABCDEF0123\r", "GG", "0123456789ABCDEF"),
    });
}

// Page 1's colour at each of its paints while an operation is under way.
struct PageOnePaints : QObject
{
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && window->Link().receiveThread.IsBusy())
            seen.push_back(window->Widgets().pageFields[0]->BackgroundColor());
        return false;
    }

    MainWindow* window = nullptr;
    std::vector<QColor> seen;
};

TEST_F(ReadPagesTest, APageReadShowsGreenWhileTheNextPageIsAwaited)
{
    PageOnePaints paints;
    paints.window = &OpenOnReader(Select({1, 2}));
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetFaults({.answerDelay = 100ms}); });
    Control(PageField(1))->installEventFilter(&paints);
    Press(ControlName::kReadButton);
    EXPECT_GE(std::ranges::count(paints.seen, kColourGreen), 1);
}

} // namespace
