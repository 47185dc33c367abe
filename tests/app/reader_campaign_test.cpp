#include "app/reader_campaign.h"
#include "app/window_fixture.h"

#include <gtest/gtest.h>

namespace {

using ReaderCampaignTest = WindowFixture;

// A short share of the campaign; bench/reader_campaign runs it longer.
TEST_F(ReaderCampaignTest, GreenPagesHoldWhatTheFaultyReaderHolds)
{
    MainWindow& window = OpenOnReader();
    // Short waits: a silent page costs two of them, and an answer that misses its wait under load
    // only turns its page red.
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(5); });
    const CampaignResult result = RunReaderCampaign(window, *reader, 1, 200);

    EXPECT_TRUE(result.violations.isEmpty()) << result.violations.join('\n').toStdString();
    EXPECT_GT(result.greenPages, 0);
}

} // namespace
