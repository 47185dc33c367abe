#include "app/reader_operations_fixture.h"

#include "framework/up_down_control.h"
#include "resources/control_ids.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;

class CarrierIdLengthTest : public ReaderOperationsFixture
{
protected:
    enum class Arrow { Up, Down };

    void Spin(Arrow arrow) const
    {
        auto* spin = Control<UpDownControl>(kCarrierIdLengthSpin);
        ASSERT_NE(spin, nullptr);
        (arrow == Arrow::Up ? spin->UpButton() : spin->DownButton())->click();
    }

    QLineEdit* LengthField() const { return Control<QLineEdit>(kCarrierIdLengthField); }

    // Selects the whole length text, as a user about to type over it would.
    void SelectLength() const
    {
        LengthField()->setFocus();
        LengthField()->selectAll();
    }
};

TEST_F(CarrierIdLengthTest, SpinStepsAndWrapsWithinOneToSixteen)
{
    struct Case
    {
        int start; // as typed or loaded, not necessarily in range
        Arrow arrow;
        int after;
    };
    const Case cases[] = {
        {5, Arrow::Up, 6},    {16, Arrow::Up, 1}, {1, Arrow::Down, 16},
        {20, Arrow::Up, 1},   {0, Arrow::Down, 16}, {-4, Arrow::Up, -3},
    };
    COrvaneDlg& window = OpenWithCarrierId("0", "5", "");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << (c.arrow == Arrow::Up ? " up" : " down"));
        window.carrierIdLength = c.start;
        window.UpdateData(false);
        Spin(c.arrow);
        EXPECT_EQ(window.carrierIdLength, c.after);
        EXPECT_EQ(LengthShown(), QString::number(c.after));
    }
}

TEST_F(CarrierIdLengthTest, ShorterLengthCutsTheCarrierIdForGood)
{
    COrvaneDlg& window = OpenWithCarrierId("0", "6", "0A0B0C0D0E");
    window.carrierIdField.SetBackgroundColor(kColourGreen);

    Spin(Arrow::Down);
    EXPECT_EQ(CarrierIdShown(), QStringLiteral("0A0B0C0D0E")) << "the text still fits 5 bytes";
    EXPECT_EQ(CarrierIdColour(), kColourGreen) << "a text that fits keeps its colour";
    Spin(Arrow::Down);
    EXPECT_EQ(window.carrierIdText, QStringLiteral("0A0B0C0D"));
    EXPECT_EQ(CarrierIdShown(), QStringLiteral("0A0B0C0D"));
    EXPECT_EQ(CarrierIdColour(), kColourWhite);
    Spin(Arrow::Up);
    EXPECT_EQ(CarrierIdShown(), QStringLiteral("0A0B0C0D")) << "cut digits do not come back";
}

TEST_F(CarrierIdLengthTest, EveryKeystrokeInTheLengthFieldTakesEffect)
{
    struct Case
    {
        QByteArray format;
        QByteArray text;
        QStringList typed; // keystrokes; a longer piece is pasted at once
        QStringList textAfterEachKey;
        int lengthAfter;
    };
    const Case cases[] = {
        // Typing 12 over 8 passes through the length 1.
        {"0", "0123456789ABCDEF", {"1", "2"}, {"01", "01"}, 12},
        {"0", "0123456789ABCDEF", {"0"}, {""}, 0},
        {"1", "ABCDEFGH", {"-3"}, {""}, -3},
        {"0", "0123456789ABCDEF", {"40"}, {"0123456789ABCDEF"}, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.toStdString() + " typed " + c.typed.join(' ').toStdString());
        COrvaneDlg& window = OpenWithCarrierId(c.format, "8", c.text);
        SelectLength();
        for (qsizetype key = 0; key < c.typed.size(); ++key) {
            if (c.typed[key].size() == 1)
                QTest::keyClick(LengthField(), c.typed[key][0].toLatin1());
            else
                LengthField()->insert(c.typed[key]);
            EXPECT_EQ(window.carrierIdText, c.textAfterEachKey[key]) << "after key " << key;
            EXPECT_EQ(CarrierIdShown(), c.textAfterEachKey[key]);
        }
        EXPECT_EQ(window.carrierIdLength, c.lengthAfter);
        EXPECT_EQ(LengthShown(), c.typed.join(QString()));
        EXPECT_TRUE(presenter.shown.empty());
        Close();
    }
}

TEST_F(CarrierIdLengthTest, LengthTextThatIsNoIntegerIsRefusedAndTheLengthKept)
{
    COrvaneDlg& window = OpenWithCarrierId("0", "8", "0123456789ABCDEF");
    SelectLength();

    QTest::keyClick(LengthField(), Qt::Key_Backspace);

    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(window.carrierIdLength, 8);
    EXPECT_EQ(LengthShown(), QStringLiteral("8"));
    EXPECT_EQ(window.carrierIdText, QStringLiteral("0123456789ABCDEF"));
}

TEST_F(CarrierIdLengthTest, ShowingTheMembersDoesNotCountAsTyping)
{
    COrvaneDlg& window = OpenWithCarrierId("0", "8", "0123456789ABCDEF");

    window.carrierIdLength = 2;
    window.UpdateData(false);

    EXPECT_EQ(LengthShown(), QStringLiteral("2"));
    EXPECT_EQ(window.carrierIdText, QStringLiteral("0123456789ABCDEF"));
}

} // namespace
