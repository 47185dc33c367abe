#include "app/window_fixture.h"

#include "resources/control_ids.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using CarrierIdLengthTest = WindowFixture;

constexpr QPointF kUpArrow{0.5, 0.25};
constexpr QPointF kDownArrow{0.5, 0.75};

TEST_F(CarrierIdLengthTest, ArrowsStepAndWrapWithinOneToSixteenAndCutTheCarrierIdForGood)
{
    const struct
    {
        QByteArray length; // in the settings file
        QByteArray text;
        std::vector<QPointF> arrows;
        QString lengthAfter;
        QString textAfter;
    } rows[] = {
        {"5", "", {kUpArrow}, "6", ""},
        {"16", "", {kUpArrow}, "1", ""},
        {"1", "", {kDownArrow}, "16", ""},
        {"20", "", {kUpArrow}, "1", ""},
        {"-4", "", {kUpArrow}, "-3", ""},
        {"6", "0A0B0C0D0E", {kDownArrow}, "5", "0A0B0C0D0E"},
        {"6", "0A0B0C0D0E", {kDownArrow, kDownArrow, kUpArrow}, "5", "0A0B0C0D"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.length.toStdString() + " " + row.text.toStdString());
        COrvaneDlg& window =
            OpenOnReader("CarrierIDLength=" + row.length + "\r\nCarrierID=" + row.text + "\r\n");
        for (const QPointF& arrow : row.arrows)
            Press(kCarrierIdLengthSpin, arrow);
        EXPECT_EQ(Text(kCarrierIdLengthField), row.lengthAfter);
        EXPECT_EQ(Text(kCarrierIdField), row.textAfter);
        EXPECT_EQ(window.carrierIdText, row.textAfter);
        Close();
    }
}

TEST_F(CarrierIdLengthTest, EveryKeystrokeInTheLengthFieldTakesEffect)
{
    const struct
    {
        QByteArray format;
        QByteArray text;
        QString typed;
        QString textAfter;
        int lengthAfter;
    } rows[] = {
        // Typing 12 over 8 passes through the length 1.
        {"0", "0123456789ABCDEF", "12", "01", 12},
        {"0", "0123456789ABCDEF", "0", "", 0},
        // Typing 40 passes through 4, which cuts the carrier ID for good.
        {"0", "0123456789ABCDEF", "40", "01234567", 40},
        {"1", "ABCDEFGH", "3", "ABC", 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        COrvaneDlg& window = OpenOnReader("Format=" + row.format +
                                          "\r\nCarrierIDLength=8\r\nCarrierID=" + row.text + "\r\n");
        Type(kCarrierIdLengthField, row.typed);
        EXPECT_EQ(Text(kCarrierIdField), row.textAfter);
        EXPECT_EQ(window.carrierIdLength, row.lengthAfter);
        EXPECT_TRUE(presenter.shown.empty());
        Close();
    }
}

} // namespace
