#include "app/window_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using DefaultMemoryContentTest = WindowFixture;

// P1 to P17 defaults 0101010101010101 .. 1717171717171717, except that P3 has none and P4's is
// not a HEX page; defaults are shown unchecked.
QByteArray DefaultLines()
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

TEST_F(DefaultMemoryContentTest, FillsEveryRowWithItsDefaultInHexSelectedAndWhiteTwiceAlike)
{
    for (const QByteArray format : {"0", "1"}) {
        SCOPED_TRACE(format.constData());
        COrvaneDlg& window = OpenOnReader(DefaultLines() + "Format=" + format +
                                          "\r\nCarrierIDLength=2\r\nCarrierID=AB\r\n"
                                          "UID=E0040100\r\nSelectP2=1\r\nP5=ascii\r\n");
        Paint("WWWWRWWWWWWWWWWWW GG");
        for (int press = 0; press < 2; ++press) {
            Press(kDefaultContentButton);
            EXPECT_EQ(Text(PageField(1)), QStringLiteral("0101010101010101"));
            EXPECT_EQ(Text(PageField(3)), QString());
            EXPECT_EQ(Text(PageField(4)), QStringLiteral("not hex!"));
            EXPECT_EQ(Text(PageField(17)), QStringLiteral("1717171717171717"));
            EXPECT_EQ(Colours(), QStringLiteral("WWWWWWWWWWWWWWWWW WG"));
            EXPECT_EQ(window.pageRows.allSelected, 1);
            for (const PageRow& row : window.pageRows.rows)
                EXPECT_EQ(row.selected, 1);
            EXPECT_EQ(window.displayFormat, DisplayFormat::Hex);
            EXPECT_EQ(Text(kCarrierIdField), format == "1" ? QStringLiteral("4142")
                                                           : QStringLiteral("AB"));
            EXPECT_EQ(Text(kUidField), QStringLiteral("E0040100"));
        }
        EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
        EXPECT_TRUE(presenter.shown.empty());
        Close();
    }
}

} // namespace
