#include "app/window_fixture.h"

namespace {

using CarrierIdLengthTest = WindowFixture;

// The spin arrows step the length and every keystroke in the length field takes effect, so a
// length passed through on the way cuts the carrier ID for good; a length of 0 empties it.
TEST_F(CarrierIdLengthTest, ArrowsAndEachKeystrokeSetTheLengthAndCutTheCarrierIdForGood)
{
    // Length and carrier ID; the arrows pressed (u up, d down) or the keys typed over the length;
    // carrier ID and length after; boxes shown (a text that is no whole number keeps the length).
    const std::tuple<QByteArray, QString, QString, QString, int, int> rows[] = {
        {"6\r\nCarrierID=0A0B0C0D0E", "ddu", {}, "0A0B0C0D", 5, 0},
        {"8\r\nCarrierID=0123456789ABCDEF", "", "12", "01", 12, 0},
        {"8\r\nCarrierID=0123456789ABCDEF", "", "0", "", 0, 0},
        {"1\r\nCarrierID=0A", "d", {}, "0A", 16, 0},
        {"16\r\nCarrierID=0A0B", "u", {}, "0A", 1, 0},
        {"8\r\nFormat=1\r\nCarrierID=ABCDEFGH", "", "3", "ABC", 3, 0},
        {"8\r\nCarrierID=0123456789ABCDEF", "", "x", "0123456789ABCDEF", 8, 1},
    };
    for (const auto& [data, arrows, typed, textAfter, lengthAfter, boxes] : rows) {
        SCOPED_TRACE(data.toStdString() + " " + typed.toStdString());
        MainWindow& window = OpenOnReader("CarrierIDLength=" + data + "\r\n");
        for (QChar arrow : arrows)
            Press(ControlName::kCarrierIdLengthSpin, {0.5, arrow == u'u' ? 0.25 : 0.75});
        if (!typed.isNull())
            Type(ControlName::kCarrierIdLengthField, typed);
        EXPECT_EQ(window.Model().carrierIdText, textAfter);
        EXPECT_EQ(window.Model().carrierIdLength, lengthAfter);
        EXPECT_EQ(MessagesShown().size(), boxes);
        Close();
    }
}

} // namespace
