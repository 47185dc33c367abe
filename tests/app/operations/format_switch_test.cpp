#include "app/window_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using FormatSwitchTest = WindowFixture;

TEST_F(FormatSwitchTest, SwitchConvertsEveryTextByTheNibbleRuleAndTheActiveChoiceNothing)
{
    const struct
    {
        QString hex;
        QString ascii;
        QString hexAgain;
    } rows[] = {
        {"3132333435363738", "12345678", "3132333435363738"},
        {"4a", "J", "4A"},
        {"ABC", QString(QChar(0x0A)) + QChar(0xBC), "0ABC"},
        {"zz", "3", "33"},
        {"", "", ""},
        {"4100420043004400", QString::fromUtf16(u"A\0B\0C\0D\0", 8), "4100420043004400"},
    };
    COrvaneDlg& window = OpenOnReader("CarrierIDLength=16\r\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hex.toStdString());
        Type(PageField(9), row.hex);
        Type(kCarrierIdField, row.hex);
        Paint("RWWWWWWWWWWWWWWWW WW");

        Press(kAsciiBox);
        Press(kAsciiBox);
        EXPECT_EQ(window.displayFormat, DisplayFormat::Ascii);
        EXPECT_EQ(window.pageRows.rows[8].text, row.ascii);
        EXPECT_EQ(window.carrierIdText, row.ascii);
        EXPECT_EQ(Colours(), QStringLiteral("RWWWWWWWWWWWWWWWW WW"));

        Press(kHexBox);
        Press(kHexBox);
        EXPECT_EQ(window.displayFormat, DisplayFormat::Hex);
        EXPECT_EQ(Text(PageField(9)), row.hexAgain);
    }
}

} // namespace
