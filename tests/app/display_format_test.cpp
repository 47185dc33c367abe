#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

class DisplayFormatTest : public ReaderOperationsFixture
{
protected:
    void ExpectActiveChoice(DisplayFormat format) const
    {
        const bool ascii = format == DisplayFormat::Ascii;
        EXPECT_EQ(dialog->displayFormat, format);
        EXPECT_TRUE(
            Shows(kAsciiBox, ascii ? dialog->boxes.selectedCircle : dialog->boxes.emptyCircle));
        EXPECT_TRUE(
            Shows(kHexBox, ascii ? dialog->boxes.emptyCircle : dialog->boxes.selectedCircle));
    }
};

TEST_F(DisplayFormatTest, SwitchConvertsEveryTextByTheNibbleRule)
{
    struct Case
    {
        QString hex;
        QString ascii;
        QString hexAgain; // after switching back
    };
    const QChar nul(0);
    const std::vector<Case> cases = {
        {"3132333435363738", "12345678", "3132333435363738"},
        {"4a", "J", "4A"},
        {"ABC", QString(QChar(0x0A)) + QChar(0xBC), "0ABC"},
        {"zz", "3", "33"},
        {"", "", ""},
        {"4100420043004400", QStringLiteral("A") + nul + "B" + nul + "C" + nul + "D" + nul,
         "4100420043004400"},
    };
    COrvaneDlg& window = OpenWithData();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex.toStdString());
        window.pageRows.rows[8].text = c.hex;
        window.carrierIdText = c.hex;
        window.UpdateData(false);

        Click(kAsciiBox);
        ExpectActiveChoice(DisplayFormat::Ascii);
        EXPECT_EQ(window.pageRows.rows[8].text, c.ascii);
        EXPECT_EQ(window.carrierIdText, c.ascii);
        EXPECT_TRUE(window.carrierIdField.GetSafeWidget()->hasFocus());

        Click(kHexBox);
        ExpectActiveChoice(DisplayFormat::Hex);
        EXPECT_EQ(window.pageRows.rows[8].text, c.hexAgain);
        EXPECT_EQ(PageFieldText(9), c.hexAgain);
    }
}

TEST_F(DisplayFormatTest, ActiveChoiceConvertsNothingAndKeepsColours)
{
    COrvaneDlg& window = OpenWithData("P1=4142434445464748\r\n");
    window.pageFields.field1.SetBackgroundColor(kColourRed);

    Click(kHexBox);
    ExpectActiveChoice(DisplayFormat::Hex);
    EXPECT_EQ(PageFieldText(1), QStringLiteral("4142434445464748"));

    Click(kAsciiBox);
    Click(kAsciiBox);
    ExpectActiveChoice(DisplayFormat::Ascii);
    EXPECT_EQ(PageFieldText(1), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(PageFieldColour(1), kColourRed);
}

} // namespace
