#pragma once

#include "transponder/operation_runs.h"

#include <QString>

#include <optional>

// The pages named on the command line: "3", "1-4", "1,3,17", "all", and lists of numbers and
// ranges ("1-4,9"). Returns nothing for anything else: a page outside 1..17, a range that runs
// backwards, an empty item.
std::optional<PageSelection> ParsePageList(const QString& text);
