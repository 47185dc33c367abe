#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

using ReadPagesTest = ReaderOperationsFixture;

TEST_F(ReadPagesTest, TimeoutUnitTakesOnlyTorAnswersFromOneTo255)
{
    struct Case
    {
        QByteArray answer; // empty: no answer
        int button;
        int unitAfter;
    };
    const std::vector<Case> cases = {
        {"10\r", kReadButton, 130}, {"10\r", kWriteButton, 250}, {"10\r", kLockButton, 250},
        {"0\r", kReadButton, 77},   {"-1\r", kReadButton, 77},   {"256\r", kReadButton, 77},
        {"abc\r", kReadButton, 77}, {"", kReadButton, 77},
    };
    COrvaneDlg& window = OpenWithData();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        window.TimeoutUnit = 77;
        window.terminal.outputText = QStringLiteral("old line\r\n");
        window.UpdateData(false);
        window.pageFields.field3.SetBackgroundColor(kColourRed);
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return c.answer; });

        Click(c.button);

        EXPECT_EQ(window.TimeoutUnit, c.unitAfter);
        EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\r")) << "no page is selected";
        EXPECT_EQ(TerminalShown(), QString()) << "the TOR leaves no record";
        EXPECT_EQ(PageFieldColour(3), c.button == kLockButton ? kColourRed : kColourWhite);
    }
}

TEST_F(ReadPagesTest, SelectedPagesAreReadWithRecordsNewestFirst)
{
    struct Case
    {
        std::vector<int> pages;
        QByteArray sent;
        QString terminal;
    };
    const QString p1 = ReaderPageHex(1), p2 = ReaderPageHex(2), p5 = ReaderPageHex(5);
    const std::vector<Case> cases = {
        {{5}, "TOR\rRD 5\r", p5 + "\r\nRD 5 // Read page 5\r\n"},
        {{1, 2},
         "TOR\rRD 1\rRD 2\r",
         p2 + "\r\nRD 2 // Read page 2\r\n" + p1 + "\r\nRD 1 // Read page 1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sent.toStdString());
        COrvaneDlg& window = OpenWithData(SelectLines(c.pages));

        Click(kReadButton);

        EXPECT_EQ(reader->ReceivedBytes(), c.sent);
        EXPECT_EQ(TerminalShown(), c.terminal);
        for (int page : c.pages) {
            EXPECT_EQ(PageFieldText(page), ReaderPageHex(page));
            EXPECT_EQ(PageFieldColour(page), kColourGreen);
        }
        EXPECT_EQ(PageFieldColour(3), kColourWhite);
        EXPECT_TRUE(PageFieldHasFocus(c.pages.back()));
        EXPECT_EQ(window.TimeoutUnit, kShortTimeoutAnswer * kReadPagesTimeoutFactor);
        Close();
    }
}

TEST_F(ReadPagesTest, JudgesEachAnswerAndStopsAfterAShortOne)
{
    struct Case
    {
        QByteArray answer; // the answer to RD 3; empty: none
        QString text;      // page 3 afterwards; it held 1111111111111111
        COLORREF colour;
        bool goesOn; // whether RD 4 went out
    };
    const QString old = QStringLiteral("1111111111111111");
    const std::vector<Case> cases = {
        {"", old, kColourRed, false},
        {"No Read\r", old, kColourRed, false},
        {"0123456789#09ABC\r", old, kColourRed, true},
        {"XXXXXXXX01234567\r", old, kColourRed, true},
        {"0123456789ABC\r", old, kColourRed, false},
        {"0123456789ABCD\r", old, kColourRed, true},
        {"0123456789ABCDE\r", old, kColourRed, true},
        {QByteArray(16, '\xFF') + '\r', old, kColourRed, true},
        {QByteArray(200, 'A') + '\r', old, kColourRed, true},
        {"0123456789ABCDEF0123\r", "0123456789ABCDEF", kColourGreen, true},
    };
    std::vector<int> pages;
    for (int page = 3; page <= 17; ++page)
        pages.push_back(page);
    COrvaneDlg& window = OpenWithData(SelectLines(pages));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        window.pageRows.rows[2].text = old;
        window.UpdateData(false);
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, ScriptWith([&](const QByteArray& command) {
            return command == "RD 3" ? std::optional(c.answer) : std::nullopt;
        }));

        Click(kReadButton);

        EXPECT_EQ(window.pageRows.rows[2].text, c.text);
        EXPECT_EQ(PageFieldColour(3), c.colour);
        EXPECT_EQ(reader->ReceivedBytes().contains("RD 4\r"), c.goesOn);
        EXPECT_EQ(PageFieldColour(17), c.goesOn ? kColourGreen : kColourWhite);
        const QString kept = c.answer.isEmpty() ? QString() : QString::fromLatin1(c.answer + '\n');
        EXPECT_TRUE(
            window.terminal.outputText.endsWith(kept.left(16) + "\r\nRD 3 // Read page 3\r\n"));
    }
}

TEST_F(ReadPagesTest, AsciiFormatShowsOneCharacterPerByte)
{
    COrvaneDlg& window = OpenWithData(SelectLines({1}) + "Format=1\r\n");
    ScriptedReader scripted(*reader, ScriptWith([](const QByteArray& command) {
        return command == "RD 1" ? std::optional<QByteArray>("4142434445464748\r") : std::nullopt;
    }));

    Click(kReadButton);

    EXPECT_EQ(PageFieldText(1), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(window.pageRows.rows[0].text, QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(TerminalShown(), QStringLiteral("4142434445464748\r\nRD 1 // Read page 1\r\n"));
}

TEST_F(ReadPagesTest, ReaderWithCrLfLineEndsReadsEveryPageWhole)
{
    std::vector<int> all;
    for (int page = 1; page <= 17; ++page)
        all.push_back(page);
    COrvaneDlg& window = OpenWithData(SelectLines(all));
    reader->Configure([](ReaderEmulator& emulator) {
        ReaderFaults faults;
        faults.crLfLineEnds = true;
        emulator.SetFaults(faults);
    });

    Click(kReadButton);

    for (int page = 1; page <= 17; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(window.pageRows.rows[page - 1].text, ReaderPageHex(page));
        EXPECT_EQ(PageFieldColour(page), kColourGreen);
    }
}

} // namespace
