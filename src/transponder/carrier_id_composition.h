#pragma once

#include <QString>

#include <optional>

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
