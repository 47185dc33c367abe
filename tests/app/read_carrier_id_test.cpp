#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

constexpr char kPage1[] = "4142434445464748"; // ABCDEFGH
constexpr char kPage2[] = "494A4B4C4D4E4F50"; // IJKLMNOP
const QString kPage1Record = QStringLiteral("4142434445464748\r\nRD 1 // Read page 1\r\n");
const QString kPage2Echo = QStringLiteral("RD 2 // Read page 2\r\n");

class ReadCarrierIdTest : public ReaderOperationsFixture
{
protected:
    void SetReaderPages() const
    {
        SetReaderPage(1, kPage1);
        SetReaderPage(2, kPage2);
    }
};

TEST_F(ReadCarrierIdTest, ReadsPageTwoOnlyForMoreThanEightBytes)
{
    struct Case
    {
        QByteArray format;
        QByteArray length; // as typed
        QByteArray sent;
        QString shown;
        QString terminal; // only page 1's answer is recorded
        int lengthAfter;
    };
    const Case cases[] = {
        {"0", "4", "TOR\rRD 1\r", "41424344", kPage1Record, 4},
        {"1", "4", "TOR\rRD 1\r", "ABCD", kPage1Record, 4},
        {"0", "9", "TOR\rRD 1\rRD 2\r", "414243444546474849", kPage2Echo + kPage1Record, 9},
        {"1", "12", "TOR\rRD 1\rRD 2\r", "ABCDEFGHIJKL", kPage2Echo + kPage1Record, 12},
        // Typed lengths out of range are brought into 1..16 and shown so.
        {"0", "0", "TOR\rRD 1\r", "41", kPage1Record, 1},
        {"0", "40", "TOR\rRD 1\rRD 2\r", "4142434445464748494A4B4C4D4E4F50",
         kPage2Echo + kPage1Record, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.toStdString() + " L=" + c.length.toStdString());
        COrvaneDlg& window = OpenWithCarrierId(c.format, c.length, "", "P1=p1\r\nP2=p2\r\n");
        SetReaderPages();

        Click(kReadCarrierIdButton);

        EXPECT_EQ(reader->ReceivedBytes(), c.sent);
        EXPECT_EQ(window.carrierIdText, c.shown);
        EXPECT_EQ(CarrierIdShown(), c.shown);
        EXPECT_EQ(CarrierIdColour(), kColourGreen);
        EXPECT_TRUE(CarrierIdHasFocus());
        EXPECT_EQ(TerminalShown(), c.terminal);
        EXPECT_EQ(window.carrierIdLength, c.lengthAfter);
        EXPECT_EQ(LengthShown(), QString::number(c.lengthAfter));
        EXPECT_EQ(window.TimeoutUnit, kShortTimeoutAnswer * kReadCarrierIdTimeoutFactor);
        EXPECT_FALSE(window.serialLink.receiveThread.IsBusy());
        EXPECT_EQ(PageFieldText(1), QStringLiteral("p1")) << "the page rows are not touched";
        EXPECT_EQ(PageFieldText(2), QStringLiteral("p2"));
        Close();
    }
}

TEST_F(ReadCarrierIdTest, FailedPageReadTurnsTheFieldRedAndShowsWhatCame)
{
    struct Case
    {
        QByteArray length;
        QByteArray page1Answer; // empty: no answer
        QByteArray page2Answer;
        QString shown;
    };
    const QByteArray good1 = kPage1 + QByteArray("\r");
    const QByteArray good2 = kPage2 + QByteArray("\r");
    const Case cases[] = {
        {"4", "No Read\r", good2, QStringLiteral("No Read")},
        {"4", "XXXXXXXX01234567\r", good2, QStringLiteral("XXXXXXXX")},
        {"4", "0123\r", good2, QStringLiteral("0123")},
        {"4", "", good2, QString()},
        {"12", good1, "#09\r", QStringLiteral("4142434445464748#09")},
        // A good page 2 does not make up for a failed page 1.
        {"12", "No Read\r", good2, QStringLiteral("No Read494A4B4C4D4E4F50")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length.toStdString() + " " + (c.page1Answer + c.page2Answer).toStdString());
        COrvaneDlg& window = OpenWithCarrierId("0", c.length, "0102");
        window.carrierIdField.SetBackgroundColor(kColourGreen);
        ScriptedReader scripted(*reader, ScriptWith([&](const QByteArray& command) {
            if (command == "RD 1" || command == "RD 2")
                return std::optional(command == "RD 1" ? c.page1Answer : c.page2Answer);
            return std::optional<QByteArray>();
        }));

        Click(kReadCarrierIdButton);

        EXPECT_EQ(window.carrierIdText, c.shown);
        EXPECT_EQ(CarrierIdColour(), kColourRed);
        EXPECT_TRUE(presenter.shown.empty());
        Close();
    }
}

} // namespace
