#include "platform/group_membership.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

bool InSession(gid_t group)
{
    if (::getegid() == group)
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return count > 0 &&
           std::find(groups.begin(), groups.begin() + count, group) != groups.begin() + count;
}

bool ListedInDatabase(gid_t group)
{
    const passwd* user = ::getpwuid(::geteuid());
    if (user == nullptr)
        return false;
    int count = 0;
    ::getgrouplist(user->pw_name, user->pw_gid, nullptr, &count);
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0)
        return false;
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

} // namespace

QString GroupName(gid_t groupId)
{
    const struct group* entry = ::getgrgid(groupId);
    return entry != nullptr ? QString::fromLocal8Bit(entry->gr_name) : QString::number(groupId);
}

GroupMembership MembershipOf(gid_t group)
{
    if (InSession(group))
        return GroupMembership::Member;
    return ListedInDatabase(group) ? GroupMembership::MemberNextSession
                                   : GroupMembership::NotMember;
}
