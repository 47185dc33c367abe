#include "serial/open_failure_text.h"

#include <gtest/gtest.h>

// The advice for a refused device depends on where the user stands with its group.
TEST(OpenFailureText, PermissionAdviceFollowsTheGroupMembership)
{
    const std::pair<GroupMembership, QString> rows[] = {
        {GroupMembership::NotMember,
         "Permission denied: the device belongs to the group 'dialout' and you are not in it; add "
         "yourself to the group 'dialout' and log in again."},
        {GroupMembership::MemberNextSession, "Permission denied: you are in the group 'dialout' "
                                             "from your next login on; log in again."},
    };
    for (const auto& [membership, advice] : rows) {
        SerialOpenFailure failure;
        failure.reason = SerialOpenReason::PermissionDenied;
        failure.groupName = QStringLiteral("dialout");
        failure.membership = membership;
        EXPECT_EQ(OpenFailureExplanation(failure, 9600), advice);
    }
}
