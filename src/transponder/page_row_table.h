#pragma once

#include "transponder/reader_protocol.h"

#include <QLatin1StringView>

#include <array>

// The constants that tell the 17 page rows apart. Code that handles the rows loops over this one
// table.
struct PageRowConstants
{
    int page;                      // 1..17
    QLatin1StringView pageLabel;   // "P1".."P17", also the page's name in messages
    QLatin1StringView description; // text of the description label
};

inline constexpr QLatin1StringView kCarrierIdDescription{"Carrier ID 1"};
inline constexpr QLatin1StringView kCarrierId2Description{"Carrier ID 2"};
inline constexpr QLatin1StringView kUserFreeDescription{"user free"};

// clang-format off
inline constexpr std::array<PageRowConstants, kPageCount> kPageRows{{
    { 1, QLatin1StringView{"P1"},  kCarrierIdDescription},
    { 2, QLatin1StringView{"P2"},  kCarrierId2Description},
    { 3, QLatin1StringView{"P3"},  kUserFreeDescription},
    { 4, QLatin1StringView{"P4"},  kUserFreeDescription},
    { 5, QLatin1StringView{"P5"},  kUserFreeDescription},
    { 6, QLatin1StringView{"P6"},  kUserFreeDescription},
    { 7, QLatin1StringView{"P7"},  kUserFreeDescription},
    { 8, QLatin1StringView{"P8"},  kUserFreeDescription},
    { 9, QLatin1StringView{"P9"},  kUserFreeDescription},
    {10, QLatin1StringView{"P10"}, kUserFreeDescription},
    {11, QLatin1StringView{"P11"}, kUserFreeDescription},
    {12, QLatin1StringView{"P12"}, kUserFreeDescription},
    {13, QLatin1StringView{"P13"}, kUserFreeDescription},
    {14, QLatin1StringView{"P14"}, kUserFreeDescription},
    {15, QLatin1StringView{"P15"}, kUserFreeDescription},
    {16, QLatin1StringView{"P16"}, kUserFreeDescription},
    {17, QLatin1StringView{"P17"}, kUserFreeDescription},
}};
// clang-format on
