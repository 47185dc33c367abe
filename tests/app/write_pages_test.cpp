#include "app/reader_operations_fixture.h"
#include "app/stray_line_after_each_box.h"

#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

const QString kHexMessageP4 = QStringLiteral(
    "change P4 to a length of 16 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters");

using WritePagesTest = ReaderOperationsFixture;

TEST_F(WritePagesTest, LowerCaseHexGoesOutAndIsShownUpperCase)
{
    COrvaneDlg& window = OpenWithData(SelectLines({3}) + "P3=0a0b0c0d0e0f1011\r\n");

    Click(kWriteButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rWD 3 0A0B0C0D0E0F1011\r"));
    EXPECT_EQ(PageFieldText(3), QStringLiteral("0A0B0C0D0E0F1011"));
    EXPECT_EQ(PageFieldColour(3), kColourGreen);
    EXPECT_EQ(ReaderPageHex(3), QStringLiteral("0A0B0C0D0E0F1011"));
    EXPECT_EQ(TerminalShown(), QStringLiteral("ACK\r\nWD 3 0A0B0C0D0E0F1011// Write page 3\r\n"));
    EXPECT_EQ(window.TimeoutUnit, kShortTimeoutAnswer * kWritePagesTimeoutFactor);
    EXPECT_TRUE(MessagesShown().isEmpty());
}

TEST_F(WritePagesTest, AStrayLineWhileTheBoxIsUpIsNotTheNextPagesAnswer)
{
    OpenWithData(SelectLines({1, 2, 3}) +
                 "P1=1111111111111111\r\nP2=22\r\nP3=3333333333333333\r\n");
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetLocked(3, true); });
    StrayLineAfterEachBox stray(*dialog, *reader);

    Click(kWriteButton);

    EXPECT_EQ(PageFieldColour(1), kColourGreen);
    EXPECT_EQ(PageFieldColour(3), kColourRed) << "the reader refused page 3";
}

TEST_F(WritePagesTest, InvalidPageIsReportedAndTheNextPageStillWritten)
{
    OpenWithData(SelectLines({4, 5}) + "P4=0123456789ABCDE\r\nP5=5555555555555555\r\n");

    Click(kWriteButton);

    EXPECT_EQ(MessagesShown(), QStringList{kHexMessageP4});
    EXPECT_EQ(presenter.shown.front().type, MB_OK);
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rWD 5 5555555555555555\r"));
    EXPECT_EQ(PageFieldColour(4), kColourRed);
    EXPECT_EQ(PageFieldColour(5), kColourGreen);
}

TEST_F(WritePagesTest, AsciiPagesGoOutAsTheirCharacterCodes)
{
    struct Case
    {
        QString text;
        QByteArray sent; // after the TOR; empty when the page is refused
        QString message;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("ABCDEFGH"), "WD 1 4142434445464748\r", QString()},
        {QString::fromUtf8("caf\u00E9 a b"), "WD 1 636166E920612062\r", QString()},
        {QString::fromUtf8("1234567\u20AC"), "",
         "P1 holds a character that cannot be sent to the transponder"},
        {QStringLiteral("ABCDEFG"), "", "change P1 to a length of 8 characters"},
    };
    COrvaneDlg& window = OpenWithData(SelectLines({1}) + "Format=1\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        window.pageRows.rows[0].text = c.text;
        window.UpdateData(false);
        reader->ClearReceivedBytes();
        presenter.shown.clear();

        Click(kWriteButton);

        EXPECT_EQ(reader->ReceivedBytes(), "TOR\r" + c.sent);
        EXPECT_EQ(PageFieldText(1), c.text) << "the field keeps its characters";
        EXPECT_EQ(PageFieldColour(1), c.sent.isEmpty() ? kColourRed : kColourGreen);
        EXPECT_EQ(MessagesShown(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(WritePagesTest, OnlyAnAcknowledgementLetsTheRunGoOn)
{
    struct Case
    {
        QByteArray answer; // to WD 1; empty: none
        COLORREF firstColour;
        bool secondWritten;
    };
    const std::vector<Case> cases = {
        {"ACK\r", kColourGreen, true},    {"ACKNOWLEDGED\r", kColourGreen, true},
        {"NAK\r", kColourRed, false},     {"ack\r", kColourRed, false},
        {"AC\r", kColourRed, false},      {"", kColourRed, false},
        {"No Read\r", kColourRed, false},
    };
    OpenWithData(SelectLines({1, 2, 3}) +
                 "P1=1111111111111111\r\nP2=2222222222222222\r\nP3=3333333333333333\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, ScriptWith([&](const QByteArray& command) {
            return command.startsWith("WD 1 ") ? std::optional(c.answer) : std::nullopt;
        }));

        Click(kWriteButton);

        EXPECT_EQ(PageFieldColour(1), c.firstColour);
        EXPECT_EQ(reader->ReceivedBytes().contains("WD 2 "), c.secondWritten);
        EXPECT_EQ(reader->ReceivedBytes().contains("WD 3 "), c.secondWritten);
        const COLORREF later = c.secondWritten ? kColourGreen : kColourWhite;
        EXPECT_EQ(PageFieldColour(2), later);
        EXPECT_EQ(PageFieldColour(3), later);
    }
}

TEST_F(WritePagesTest, EmptyPagesAreSkippedAndTheCarrierIdFieldIsReset)
{
    COrvaneDlg& window = OpenWithData(SelectLines({1, 2, 3}) + "P2=2222222222222222\r\n");
    window.carrierIdField.SetBackgroundColor(kColourRed);
    window.pageFields.field1.SetBackgroundColor(kColourGreen);

    Click(kWriteButton);

    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rWD 2 2222222222222222\r"));
    EXPECT_EQ(PageFieldColour(1), kColourWhite);
    EXPECT_EQ(PageFieldColour(2), kColourGreen);
    EXPECT_EQ(PageFieldColour(3), kColourWhite);
    EXPECT_EQ(window.carrierIdField.backgroundColor, kColourWhite);
    EXPECT_TRUE(MessagesShown().isEmpty());
}

} // namespace
