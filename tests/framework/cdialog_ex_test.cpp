#include "sample_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(ModalRun, EndingDuringInitialisationReturnsWithoutALoop)
{
    struct EndsAtOnce : SampleDialog
    {
        bool OnInitDialog() override
        {
            EndDialog(IDOK);
            return true;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

} // namespace
