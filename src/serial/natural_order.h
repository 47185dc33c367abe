#pragma once

#include <QString>

// Orders names as people read them: runs of digits compare by their value, so "ttyS2" comes
// before "ttyS10"; everything else compares by character code. Names that differ only in leading
// zeros are ordered by their plain text, so the order stays strict.
bool NaturalLess(const QString& left, const QString& right);
