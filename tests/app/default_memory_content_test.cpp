#include "app/reader_operations_fixture.h"

#include "framework/widget_text.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

class DefaultMemoryContentTest : public ReaderOperationsFixture
{
protected:
    // Everything the button may change, as the window shows it.
    QStringList Shown() const
    {
        QStringList shown;
        for (int page = 1; page <= 17; ++page)
            shown << PageFieldText(page) << QString::number(PageFieldColour(page).Packed());
        shown << WidgetText(dialog->GetDlgItem(kCarrierIdField))
              << QString::number(dialog->carrierIdField.backgroundColor.Packed())
              << QString::number(int(dialog->displayFormat));
        return shown;
    }

    // P1 to P17 defaults 0101010101010101 .. 1717171717171717, except that P3 has none and P4's
    // is not a HEX page.
    static QByteArray DefaultLines()
    {
        QByteArray lines;
        for (int page = 1; page <= 17; ++page) {
            const QByteArray key = "P" + QByteArray::number(page) + "Default=";
            if (page == 4)
                lines += key + "not hex!\r\n";
            else if (page != 3)
                lines += key + QByteArray::number(page).rightJustified(2, '0').repeated(8) + "\r\n";
        }
        return lines;
    }
};

TEST_F(DefaultMemoryContentTest, FillsTheRowsWithTheirDefaultsInHexAndSelectsThemAll)
{
    COrvaneDlg& window =
        OpenWithData(DefaultLines() + "Format=1\r\nCarrierIDLength=2\r\nCarrierID=AB\r\n"
                                      "UID=E0040100\r\nSelectP2=1\r\nP5=ascii\r\n");
    window.terminal.outputText = QStringLiteral("kept line\r\n");
    window.UpdateData(false);
    window.pageFields.field5.SetBackgroundColor(kColourRed);
    window.carrierIdField.SetBackgroundColor(kColourGreen);
    window.uidField.SetBackgroundColor(kColourGreen);

    Click(kDefaultContentButton);

    for (int page = 1; page <= 17; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(PageFieldText(page), window.pageRows.rows[page - 1].defaultText);
        EXPECT_EQ(PageFieldColour(page), kColourWhite);
        EXPECT_EQ(window.pageRows.rows[page - 1].selected, 1);
        EXPECT_TRUE(Shows(kPageRows[page - 1].checkBoxId, window.boxes.tickedBox));
    }
    EXPECT_EQ(PageFieldText(1), QStringLiteral("0101010101010101"));
    EXPECT_EQ(PageFieldText(3), QString()) << "a missing default empties the row";
    EXPECT_EQ(PageFieldText(4), QStringLiteral("not hex!")) << "defaults are shown unchecked";
    EXPECT_EQ(window.pageRows.allSelected, 1);
    EXPECT_TRUE(Shows(kAllBox, window.boxes.tickedBox));
    EXPECT_EQ(window.displayFormat, DisplayFormat::Hex);
    EXPECT_TRUE(Shows(kHexBox, window.boxes.selectedCircle));
    EXPECT_TRUE(Shows(kAsciiBox, window.boxes.emptyCircle));
    EXPECT_EQ(WidgetText(dialog->GetDlgItem(kCarrierIdField)), QStringLiteral("4142"));
    EXPECT_EQ(window.carrierIdField.backgroundColor, kColourWhite);
    EXPECT_EQ(window.carrierIdLength, 2);
    EXPECT_EQ(window.uidText, QStringLiteral("E0040100"));
    EXPECT_EQ(window.uidField.backgroundColor, kColourGreen);
    EXPECT_EQ(TerminalShown(), QStringLiteral("kept line\r\n"));
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
}

TEST_F(DefaultMemoryContentTest, PressingTwiceEqualsPressingOnce)
{
    for (const QByteArray format : {"0", "1"}) {
        SCOPED_TRACE(format.toStdString());
        OpenWithData(DefaultLines() + "Format=" + format +
                     "\r\nCarrierIDLength=2\r\nCarrierID=AB\r\n");
        Click(kDefaultContentButton);
        const QStringList once = Shown();
        Click(kDefaultContentButton);
        EXPECT_EQ(Shown(), once);
        Close();
    }
}

} // namespace
