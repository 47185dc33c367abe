#include "app/window_fixture.h"

namespace {

using namespace ControlId;
using CarrierIdLengthTest = WindowFixture;

constexpr QPointF kUp{0.5, 0.25};
constexpr QPointF kDown{0.5, 0.75};

TEST_F(CarrierIdLengthTest, ArrowsStepAndWrapWithinOneToSixteenAndCutTheCarrierIdForGood)
{
    // The length and carrier ID in the settings file, the arrows pressed, length and ID after.
    const std::tuple<QByteArray, QByteArray, std::vector<QPointF>, QString, QString> rows[] = {
        {"5", "", {kUp}, "6", ""},
        {"16", "", {kUp}, "1", ""},
        {"1", "", {kDown}, "16", ""},
        {"20", "", {kUp}, "1", ""},
        {"-4", "", {kUp}, "-3", ""},
        {"6", "0A0B0C0D0E", {kDown}, "5", "0A0B0C0D0E"},
        {"6", "0A0B0C0D0E", {kDown, kDown, kUp}, "5", "0A0B0C0D"},
    };
    for (const auto& [length, text, arrows, lengthAfter, textAfter] : rows) {
        SCOPED_TRACE(length.toStdString() + " " + text.toStdString());
        COrvaneDlg& window =
            OpenOnReader("CarrierIDLength=" + length + "\r\nCarrierID=" + text + "\r\n");
        for (const QPointF& arrow : arrows)
            Press(kCarrierIdLengthSpin, arrow);
        EXPECT_EQ(Text(kCarrierIdLengthField), lengthAfter);
        EXPECT_EQ(Text(kCarrierIdField), textAfter);
        EXPECT_EQ(window.carrierIdText, textAfter);
        Close();
    }
}

TEST_F(CarrierIdLengthTest, EveryKeystrokeInTheLengthFieldTakesEffect)
{
    // Format and carrier ID (of length 8), the keys typed over the length, carrier ID and length
    // after.
    const std::tuple<QByteArray, QByteArray, QString, QString, int> rows[] = {
        {"0", "0123456789ABCDEF", "12", "01", 12}, // passes through the length 1
        {"0", "0123456789ABCDEF", "0", "", 0},
        {"0", "0123456789ABCDEF", "40", "01234567", 40}, // 4 cuts the carrier ID for good
        {"1", "ABCDEFGH", "3", "ABC", 3},
    };
    for (const auto& [format, text, typed, textAfter, lengthAfter] : rows) {
        SCOPED_TRACE(typed.toStdString());
        COrvaneDlg& window = OpenOnReader("Format=" + format +
                                          "\r\nCarrierIDLength=8\r\nCarrierID=" + text + "\r\n");
        Type(kCarrierIdLengthField, typed);
        EXPECT_EQ(Text(kCarrierIdField), textAfter);
        EXPECT_EQ(window.carrierIdLength, lengthAfter);
        EXPECT_TRUE(presenter.shown.empty());
        Close();
    }
}

} // namespace
