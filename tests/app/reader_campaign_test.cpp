#include "app/reader_campaign.h"
#include "app/window_fixture.h"

#include <gtest/gtest.h>

namespace {

using ReaderCampaignTest = WindowFixture;

// A short share of the campaign; bench/reader_campaign runs it longer.
TEST_F(ReaderCampaignTest, GreenPagesHoldWhatTheFaultyReaderHolds)
{
    const CampaignResult result = RunReaderCampaign(OpenOnReader(), *reader, 1, 200);

    EXPECT_TRUE(result.violations.isEmpty()) << result.violations.join('\n').toStdString();
    EXPECT_GT(result.greenPages, 0);
}

} // namespace
