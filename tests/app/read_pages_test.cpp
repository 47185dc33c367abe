#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

class ReadPagesTest : public ReaderOperationsFixture
{
};

std::array<COLORREF, 17> AllWhiteBut(std::initializer_list<std::pair<int, COLORREF>> pages)
{
    std::array<COLORREF, 17> colours;
    colours.fill(kColourWhite);
    for (const auto& [page, colour] : pages)
        colours[page - 1] = colour;
    return colours;
}

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
    CTamblorDlg& window = OpenWithData();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        window.TimeoutUnit = 77;
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return c.answer; });
        Click(c.button);
        EXPECT_EQ(window.TimeoutUnit, c.unitAfter);
        EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\r")) << "no page is selected";
        EXPECT_EQ(TerminalShown(), QString()) << "the TOR leaves no record";
    }
}

TEST_F(ReadPagesTest, NoPageSelectedSendsOnlyTheTorAndWhitensEveryField)
{
    CTamblorDlg& window = OpenWithData();
    window.terminal.outputText = QStringLiteral("old line\r\n");
    window.UpdateData(false);
    window.pageFields.field3.SetBackgroundColor(kColourRed);

    Click(kReadButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\r"));
    EXPECT_EQ(TerminalShown(), QString());
    EXPECT_EQ(PageFieldColours(), AllWhiteBut({}));
    EXPECT_EQ(window.serialLink.receiveThread.readBusy, 0);
}

TEST_F(ReadPagesTest, OnlyPageFiveIsReadIntoItsField)
{
    CTamblorDlg& window = OpenWithData(SelectLines({5}) + "P5=0000000000000000\r\n");

    Click(kReadButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rRD 5\r"));
    EXPECT_EQ(PageFieldText(5), ReaderPageHex(5));
    EXPECT_EQ(window.pageRows.rows[4].text, ReaderPageHex(5));
    EXPECT_EQ(PageFieldColours(), AllWhiteBut({{5, kColourGreen}}));
    EXPECT_EQ(TerminalShown(), ReaderPageHex(5) + "\r\nRD 5 // Read page 5\r\n");
    EXPECT_TRUE(PageFieldHasFocus(5));
    EXPECT_EQ(window.TimeoutUnit, kShortTimeoutAnswer * kReadPagesTimeoutFactor);
}

TEST_F(ReadPagesTest, RecordsReadNewestFirst)
{
    OpenWithData(SelectLines({1, 2}));

    Click(kReadButton);

    EXPECT_EQ(TerminalShown(), ReaderPageHex(2) + "\r\nRD 2 // Read page 2\r\n" + ReaderPageHex(1) +
                                   "\r\nRD 1 // Read page 1\r\n");
    EXPECT_TRUE(PageFieldHasFocus(2));
}

TEST_F(ReadPagesTest, TimeoutOnPageThreeEndsTheRun)
{
    std::vector<int> pages;
    for (int page = 3; page <= 17; ++page)
        pages.push_back(page);
    OpenWithData(SelectLines(pages) + "P3=1111111111111111\r\n");
    ScriptedReader scripted(*reader, ScriptWith([](const QByteArray& command) {
        return command == "RD 3" ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    }));

    Click(kReadButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rRD 3\r"));
    EXPECT_EQ(PageFieldColours(), AllWhiteBut({{3, kColourRed}}));
    EXPECT_EQ(PageFieldText(3), QStringLiteral("1111111111111111"));
    EXPECT_EQ(TerminalShown(), QStringLiteral("\r\nRD 3 // Read page 3\r\n"));
    EXPECT_TRUE(PageFieldHasFocus(3));
}

TEST_F(ReadPagesTest, JudgesEachAnswerAndStopsAfterAShortOne)
{
    struct Case
    {
        QByteArray firstAnswer; // the answer line to RD 1
        QString firstText;      // page 1 after the run (it held 1111111111111111)
        COLORREF firstColour;
        bool secondRead; // whether RD 2 went out
    };
    const QString old = QStringLiteral("1111111111111111");
    const std::vector<Case> cases = {
        {"No Read\r", old, kColourRed, false},
        {"0123456789#09ABC\r", old, kColourRed, true},
        {"XXXXXXXX01234567\r", old, kColourRed, true},
        {"0123456789ABC\r", old, kColourRed, false},
        {"0123456789ABCD\r", "0123456789ABCD\r\n", kColourGreen, true},
        {"0123456789ABCDE\r", "0123456789ABCDE\r", kColourGreen, true},
        {"0123456789ABCDEF0123\r", "0123456789ABCDEF", kColourGreen, true},
    };
    CTamblorDlg& window = OpenWithData(SelectLines({1, 2}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstAnswer.toStdString());
        window.pageRows.rows[0].text = old;
        window.UpdateData(false);
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, ScriptWith([&](const QByteArray& command) {
            return command == "RD 1" ? std::optional(c.firstAnswer) : std::nullopt;
        }));

        Click(kReadButton);

        EXPECT_EQ(window.pageRows.rows[0].text, c.firstText);
        EXPECT_EQ(PageFieldColour(1), c.firstColour);
        EXPECT_EQ(reader->ReceivedBytes().contains("RD 2\r"), c.secondRead);
        EXPECT_EQ(PageFieldColour(2), c.secondRead ? kColourGreen : kColourWhite);
    }
}

TEST_F(ReadPagesTest, NoReadIsRecordedWithItsLineEnd)
{
    OpenWithData(SelectLines({1}));
    reader->Configure([](ReaderEmulator& emulator) {
        ReaderFaults faults;
        faults.noTransponder = true;
        emulator.SetFaults(faults);
    });

    Click(kReadButton);

    EXPECT_EQ(TerminalShown(), QStringLiteral("No Read\r\n\r\nRD 1 // Read page 1\r\n"));
}

TEST_F(ReadPagesTest, AsciiFormatShowsOneCharacterPerByte)
{
    CTamblorDlg& window = OpenWithData(SelectLines({1}) + "Format=1\r\n");
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
    CTamblorDlg& window = OpenWithData(SelectLines(all));
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

TEST_F(ReadPagesTest, WithoutPortNothingIsSentAndTheWindowStaysAsItWas)
{
    CTamblorDlg& window = OpenWithData(SelectLines({1}) + "P1=2222222222222222\r\n");
    window.terminal.outputText = QStringLiteral("old line\r\n");
    window.UpdateData(false);
    window.pageFields.field1.SetBackgroundColor(kColourRed);
    window.serialLink.ClosePort(window);
    window.serialLink.connected = 0;

    Click(kReadButton);

    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
    EXPECT_EQ(TerminalShown(), QStringLiteral("old line\r\n"));
    EXPECT_EQ(PageFieldText(1), QStringLiteral("2222222222222222"));
    EXPECT_EQ(PageFieldColour(1), kColourRed);
    EXPECT_EQ(window.serialLink.receiveThread.readBusy, 0);
}

} // namespace
