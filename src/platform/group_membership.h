#pragma once

#include "platform/serial_open_failure.h"

#include <sys/types.h>

// The name of the group `group` (its number as text when the database has no name for it).
QString GroupName(gid_t groupId);

// Where the user this process runs as stands with `group`: in it now, listed in it by the user
// database but not yet in this session, or not in it at all.
GroupMembership MembershipOf(gid_t group);
