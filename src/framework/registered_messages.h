#pragma once

#include "framework/win_types.h"

#include <QString>

// Process-wide registry of message names. Returns the same id in 0xC000..0xFFFF for names that are
// equal without regard to case, a new id for a new name, and 0 for an empty name or when the range
// is used up. Safe to call from any thread.
UINT RegisterWindowMessage(const QString& name);

inline constexpr UINT kFirstRegisteredMessage = 0xC000;
inline constexpr UINT kLastRegisteredMessage = 0xFFFF;
