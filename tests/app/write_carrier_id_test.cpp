#include "app/reader_operations_fixture.h"
#include "support/wait_until.h"

#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

constexpr char kOld1[] = "1111111111111111";
constexpr char kOld2[] = "2222222222222222";

class WriteCarrierIdTest : public ReaderOperationsFixture
{
protected:
    void SetOldPages() const
    {
        SetReaderPage(1, kOld1);
        SetReaderPage(2, kOld2);
    }

    static QString ReadEcho(int page)
    {
        return QStringLiteral("RD %1 // Read page %1\r\n").arg(page);
    }
};

TEST_F(WriteCarrierIdTest, PutsTheCarrierIdOverTheFirstBytesAndKeepsTheRest)
{
    struct Case
    {
        QByteArray format;
        QByteArray length; // as typed
        QByteArray text;
        QByteArray page1; // written and read back
        QByteArray page2;
        QString shownAfter;
        int lengthAfter;
    };
    const Case cases[] = {
        {"0", "3", "0A0B0C", "0A0B0C1111111111", kOld2, "0A0B0C", 3},
        {"0", "3", "0a0b0c", "0A0B0C1111111111", kOld2, "0A0B0C", 3},
        {"1", "2", "AB", "4142111111111111", kOld2, "AB", 2},
        {"0", "40", "0102030405060708090A0B0C0D0E0F10", "0102030405060708", "090A0B0C0D0E0F10",
         "0102030405060708090A0B0C0D0E0F10", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.toStdString() + " L=" + c.length.toStdString() + " " +
                     c.text.toStdString());
        COrvaneDlg& window = OpenWithCarrierId(c.format, c.length, c.text);
        SetOldPages();

        Click(kWriteCarrierIdButton);

        EXPECT_EQ(reader->ReceivedBytes(),
                  "TOR\rRD 1\rRD 2\rWD 1 " + c.page1 + "\rRD 1\rWD 2 " + c.page2 + "\rRD 2\r");
        EXPECT_EQ(ReaderPageHex(1), QString::fromLatin1(c.page1));
        EXPECT_EQ(ReaderPageHex(2), QString::fromLatin1(c.page2));
        EXPECT_EQ(PageFieldColour(1), kColourGreen);
        EXPECT_EQ(PageFieldColour(2), kColourGreen);
        EXPECT_EQ(CarrierIdColour(), kColourGreen);
        EXPECT_EQ(window.pageRows.rows[0].text,
                  PresentHex(QString::fromLatin1(c.page1), window.displayFormat));
        EXPECT_EQ(window.pageRows.rows[1].text,
                  PresentHex(QString::fromLatin1(c.page2), window.displayFormat));
        EXPECT_TRUE(PageFieldHasFocus(2));
        EXPECT_EQ(CarrierIdShown(), c.shownAfter);
        EXPECT_EQ(window.carrierIdLength, c.lengthAfter);
        EXPECT_EQ(LengthShown(), QString::number(c.lengthAfter));
        EXPECT_EQ(window.TimeoutUnit, kShortTimeoutAnswer * kWriteCarrierIdTimeoutFactor);
        EXPECT_FALSE(window.serialLink.receiveThread.IsBusy());
        EXPECT_TRUE(presenter.shown.empty());
        Close();
    }
}

// A locked page refuses the write, so its read-back shows the old contents.
TEST_F(WriteCarrierIdTest, ReadBackMismatchTurnsItsPageRedAndPageOneStopsTheWrite)
{
    struct Case
    {
        int lockedPage;
        QByteArray length;
        QByteArray text;
        QByteArray sentAfterPreRead;
        COLORREF page1Colour;
        COLORREF page2Colour;
        COLORREF carrierIdColour;
    };
    const Case cases[] = {
        {1, "3", "0A0B0C", "WD 1 0A0B0C1111111111\rRD 1\r", kColourRed, kColourWhite, kColourWhite},
        {2, "12", "0102030405060708090A0B0C",
         "WD 1 0102030405060708\rRD 1\rWD 2 090A0B0C22222222\rRD 2\r", kColourGreen, kColourRed,
         kColourRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lockedPage);
        COrvaneDlg& window = OpenWithCarrierId("0", c.length, c.text);
        SetOldPages();
        reader->Configure([&](ReaderEmulator& emulator) {
            for (int page : {1, 2})
                emulator.SetLocked(page, page == c.lockedPage);
        });

        Click(kWriteCarrierIdButton);

        EXPECT_EQ(reader->ReceivedBytes(), "TOR\rRD 1\rRD 2\r" + c.sentAfterPreRead);
        EXPECT_EQ(PageFieldColour(1), c.page1Colour);
        EXPECT_EQ(PageFieldColour(2), c.page2Colour);
        EXPECT_EQ(CarrierIdColour(), c.carrierIdColour);
        EXPECT_EQ(PageFieldText(c.lockedPage), ReaderPageHex(c.lockedPage))
            << "the row shows what the reader returned";
        EXPECT_TRUE(PageFieldHasFocus(c.lockedPage));
        EXPECT_EQ(window.carrierIdText, QString::fromLatin1(c.text));
        Close();
    }
}

TEST_F(WriteCarrierIdTest, FailedReadBeforeTheWriteWritesNothing)
{
    struct Case
    {
        const char* name;
        ReaderFaults faults;
        QByteArray page2Answer; // when set, a script answers RD 2 with it and the rest as usual
    };
    ReaderFaults noTag;
    noTag.noTransponder = true;
    ReaderFaults silent;
    silent.silent = true;
    ReaderFaults noise;
    noise.noise = "~";
    const Case cases[] = {
        {"no transponder", noTag, {}},
        {"silence", silent, {}},
        {"noise", noise, {}},
        {"page 2 short", {}, "22222222222222\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COrvaneDlg& window = OpenWithCarrierId("0", "3", "0A0B0C");
        SetOldPages();
        window.TimeoutUnit = 3;
        reader->Configure([&](ReaderEmulator& emulator) { emulator.SetFaults(c.faults); });
        std::optional<ScriptedReader> scripted;
        if (!c.page2Answer.isEmpty()) {
            scripted.emplace(*reader, ScriptWith([&](const QByteArray& command) {
                return command == "RD 2" ? std::optional(c.page2Answer) : std::nullopt;
            }));
        }

        Click(kWriteCarrierIdButton);

        // A read that timed out may still be on its way to the reader.
        EXPECT_TRUE(WaitUntil([&] { return reader->ReceivedBytes() == "TOR\rRD 1\rRD 2\r"; }))
            << reader->ReceivedBytes().constData();
        EXPECT_EQ(ReaderPageHex(1), QString::fromLatin1(kOld1));
        EXPECT_EQ(ReaderPageHex(2), QString::fromLatin1(kOld2));
        EXPECT_EQ(CarrierIdColour(), kColourRed);
        EXPECT_EQ(PageFieldColour(1), kColourWhite);
        EXPECT_EQ(PageFieldColour(2), kColourWhite);
        EXPECT_TRUE(presenter.shown.empty());
        EXPECT_EQ(window.carrierIdText, QStringLiteral("0A0B0C"));
        scripted.reset();
        reader->Configure([](ReaderEmulator& emulator) { emulator.SetFaults({}); });
        Close();
    }
}

TEST_F(WriteCarrierIdTest, FailedPreReadShowsBothAnswers)
{
    OpenWithCarrierId("0", "3", "0A0B0C");
    ScriptedReader scripted(*reader, ScriptWith([](const QByteArray& command) {
        return command == "RD 2" ? std::optional<QByteArray>("No Read\r") : std::nullopt;
    }));

    Click(kWriteCarrierIdButton);

    EXPECT_EQ(TerminalShown(), QStringLiteral("No Read\r\n\r\n") + ReadEcho(2) + ReaderPageHex(1) +
                                   "\r\n" + ReadEcho(1));
}

TEST_F(WriteCarrierIdTest, InvalidCarrierIdIsReportedBeforeAnyPageIsRead)
{
    struct Case
    {
        DisplayFormat format;
        int length;
        QString text;
        QString message;
        QString shownAfter; // when it differs from text
    };
    const QString hex1 = QStringLiteral(
        "change carrier ID to a length of 2 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) "
        "characters");
    const QString hex3 = QStringLiteral(
        "change carrier ID to a length of 6 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) "
        "characters");
    const QString ascii2 = QStringLiteral("change carrier ID to a length of 2 characters");
    const Case cases[] = {
        {DisplayFormat::Hex, 3, QStringLiteral("0A0B0"), hex3, {}},
        {DisplayFormat::Hex, 3, QStringLiteral("0a0b0"), hex3, QStringLiteral("0A0B0")},
        // A typed length of 0 is brought to 1 before the text is checked.
        {DisplayFormat::Hex, 0, QString(), hex1, {}},
        {DisplayFormat::Ascii, 2, QStringLiteral("A"), ascii2, {}},
        // A character above U+00FF cannot be one byte of the carrier ID.
        {DisplayFormat::Ascii,
         2,
         QStringLiteral("A\u20AC"),
         QStringLiteral("carrier ID holds a character that cannot be sent to the transponder"),
         {}},
    };
    COrvaneDlg& window = OpenWithCarrierId("0", "3", "");
    SetOldPages();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        reader->ClearReceivedBytes();
        presenter.shown.clear();
        window.displayFormat = c.format;
        window.carrierIdLength = c.length;
        window.carrierIdText = c.text;
        window.UpdateData(false);

        Click(kWriteCarrierIdButton);

        EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\r"));
        ASSERT_EQ(presenter.shown.size(), 1u);
        EXPECT_EQ(presenter.shown.front().text, c.message);
        EXPECT_EQ(presenter.shown.front().type, MB_OK);
        EXPECT_EQ(CarrierIdColour(), kColourRed);
        EXPECT_EQ(TerminalShown(), QString());
        EXPECT_EQ(CarrierIdShown(), c.shownAfter.isNull() ? c.text : c.shownAfter);
        EXPECT_EQ(LengthShown(), QString::number(std::max(c.length, 1)));
    }
    EXPECT_EQ(ReaderPageHex(1), QString::fromLatin1(kOld1));
}

} // namespace
