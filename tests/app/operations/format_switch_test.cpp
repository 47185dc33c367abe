#include "app/window_fixture.h"

namespace {

using namespace ControlName;
using FormatSwitchTest = WindowFixture;

TEST_F(FormatSwitchTest, SwitchConvertsEveryTextByTheNibbleRuleAndTheActiveChoiceNothing)
{
    // A HEX text, the same in ASCII, and back in HEX.
    const std::tuple<QString, QString, QString> rows[] = {
        {"4a", "J", "4A"},
        {"39495969799F", QStringLiteral("9IYiy\u009F"), "39495969799F"},
        {"ABC", QString(QChar(0x0A)) + QChar(0xBC), "0ABC"},
        {"4100420043004400", QString::fromUtf16(u"A\0B\0C\0D\0", 8), "4100420043004400"},
    };
    MainWindow& window = OpenOnReader("CarrierIDLength=16\r\n");
    Paint("RWWWWWWWWWWWWWWWW WW");
    for (const auto& [hex, ascii, hexAgain] : rows) {
        SCOPED_TRACE(hex.toStdString());
        Type(PageField(9), hex);
        Type(kCarrierIdField, hex);
        Press(kAsciiBox);
        Press(kAsciiBox);
        EXPECT_EQ(window.Model().pageRows.rows[8].text, ascii);
        EXPECT_EQ(window.Model().carrierIdText, ascii);
        Press(kHexBox);
        Press(kHexBox);
        EXPECT_EQ(Text(PageField(9)), hexAgain);
        EXPECT_EQ(Colours(), QStringLiteral("RWWWWWWWWWWWWWWWW WW"));
    }
}

} // namespace
