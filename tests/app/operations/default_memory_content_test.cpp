#include "app/window_fixture.h"

namespace {

using DefaultMemoryContentTest = WindowFixture;

// P3 has no default and P4's is not a HEX page; defaults are shown unconverted and unchecked.
// The second press finds the window in HEX already and must leave the carrier ID as it is.
TEST_F(DefaultMemoryContentTest, FillsEveryRowWithItsDefaultInHexSelectedAndWhiteTwiceAlike)
{
    MainWindow& window = OpenOnReader(
        "P1Default=0101010101010101\r\nP4Default=not hex!\r\nCarrierIDLength=2\r\nCarrierID=AB\r\n"
        "P17Default=1717171717171717\r\nFormat=1\r\nUID=E0040100\r\nSelectP2=1\r\nP5=ascii\r\n");
    Paint("WWWWRWWWWWWWWWWWW GG");
    for (int press = 0; press < 2; ++press) {
        SCOPED_TRACE(press);
        Press(ControlName::kDefaultContentButton);
        const std::pair<int, QString> defaults[] = {
            {1, "0101010101010101"}, {3, ""}, {4, "not hex!"}, {17, "1717171717171717"}};
        for (const auto& [page, text] : defaults)
            EXPECT_EQ(Text(PageField(page)), text);
        EXPECT_EQ(Colours(), QStringLiteral("WWWWWWWWWWWWWWWWW WG"));
        EXPECT_EQ(window.Model().pageRows.allSelected, 1);
        EXPECT_EQ(std::ranges::count(window.Model().pageRows.Selection(), true), kPageCount);
        EXPECT_EQ(window.Model().displayFormat, DisplayFormat::Hex);
        EXPECT_EQ(Text(ControlName::kCarrierIdField), QStringLiteral("4142"));
        EXPECT_EQ(Text(ControlName::kUidField), QStringLiteral("E0040100"));
    }
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
    EXPECT_TRUE(presenter.shown.empty());
}

} // namespace
