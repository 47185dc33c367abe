#include "app/window_fixture.h"

namespace {

using LockPagesTest = WindowFixture;

TEST_F(LockPagesTest, SelectedPagesAreLockedUntilOneIsNotAcknowledged)
{
    Run(ControlName::kLockButton, {
        {.name = "NAK stops and fields not locked keep their colours",
         .data = Select({2, 3, 4, 5}), .answers = {{"LD 3", "NAK\r"}},
         .paint = "GWWRWWWWWWWWWWWWW WW", .sent = "TOR\rLD 2\rLD 3\r",
         .colours = "GGRRWWWWWWWWWWWWW WW"},
    });
}

} // namespace
