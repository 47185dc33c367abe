#pragma once

#include "transponder/display_format.h"

#include <QString>
#include <optional>

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

// How the carrier ID of L bytes sits in the 16-byte area of pages 1 and 2 (page 1 first): it is
// the area's first 2 * L hexadecimal digits, and a write keeps the other 2 * (16 - L) digits.

// New contents of pages 1 and 2, 16 hexadecimal digits each.
struct CarrierIdPages
{
    QString page1;
    QString page2;
};

// The carrier ID in HEX after a read: the first 2 * length characters of page1Answer followed by
// page2Answer (page2Answer empty when page 2 was not read); all of them when they are shorter.
// The answers are taken as they came, failed ones included.
QString CarrierIdFromPages(const QString& page1Answer, const QString& page2Answer, int length);

// The pages to write for carrierIdHex (the carrier ID's HEX form) of length bytes (1..16) over the
// area read as oldPage1 and oldPage2. None, so that nothing is written, unless both old pages are
// exactly 16 hexadecimal digits, carrierIdHex is exactly 2 * length of them and length is in range.
std::optional<CarrierIdPages> ComposeCarrierIdPages(const QString& carrierIdHex,
                                                    const QString& oldPage1,
                                                    const QString& oldPage2, int length);
