#pragma once

#include "transponder/display_format.h"

#include <QString>

// Rules for the carrier ID length L (bytes, 1..16 when used), which can hold any integer while
// it is typed or loaded.

inline constexpr int kMinCarrierIdLength = 1;
inline constexpr int kMaxCarrierIdLength = 16;
// The carrier ID is the start of page 1, reaching into page 2 when it is longer than this many
// bytes.
inline constexpr int kFirstCarrierIdPage = 1;
inline constexpr int kSecondCarrierIdPage = 2;
inline constexpr int kCarrierIdBytesInPage1 = 8;

// Characters of a carrier ID of length bytes: two per byte in HEX, one in ASCII; 0 for a length
// of 0 or below. 64-bit, so that twice any typed length fits.
qint64 CarrierIdTextLength(DisplayFormat format, int length);

// L brought into 1..16, as the operations use it.
int ClampCarrierIdLength(int length);

// The length after one spin step. A positive proposed change (the down arrow) shortens and wraps
// below 1 to 16; zero or a negative change (the up arrow) lengthens and wraps above 16 to 1. A
// typed length outside 1..16 steps from where it is (20 down gives 19) or wraps (20 up gives 1).
int SpinCarrierIdLength(int length, int proposedChange);

// Cuts text to its first 2 * L characters in HEX or L in ASCII when it is longer; a length of 0
// or below empties it. Returns true when it cut (the field then turns white).
bool CutCarrierIdToLength(QString& text, DisplayFormat format, int length);

// True when a carrier ID of this length (already in range) needs page 2 as well as page 1.
bool CarrierIdSpansTwoPages(int length);
