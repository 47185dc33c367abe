#pragma once

#include "transponder/reader_protocol.h"

#include <QLatin1StringView>

#include <array>

// The constants that tell the 17 page rows apart: the page number on the transponder and the row's
// controls in the main window. Code that handles the rows loops over this one table.
struct PageRowConstants
{
    int page;                      // 1..17
    int checkBoxId;                // selection box
    int fieldId;                   // page data field
    int pageLabelId;               // label "P1".."P17"
    int descriptionLabelId;        // description label
    QLatin1StringView pageLabel;   // "P1".."P17", also the page's name in messages
    QLatin1StringView description; // text of the description label
};

inline constexpr QLatin1StringView kCarrierIdDescription{"Carrier ID 1"};
inline constexpr QLatin1StringView kCarrierId2Description{"Carrier ID 2"};
inline constexpr QLatin1StringView kUserFreeDescription{"user free"};

// clang-format off
inline constexpr std::array<PageRowConstants, kPageCount> kPageRows{{
    { 1, 1011, 1006, 1079, 1025, QLatin1StringView{"P1"},  kCarrierIdDescription},
    { 2, 1016, 1009, 1080, 1038, QLatin1StringView{"P2"},  kCarrierId2Description},
    { 3, 1054, 1010, 1081, 1039, QLatin1StringView{"P3"},  kUserFreeDescription},
    { 4, 1055, 1012, 1082, 1040, QLatin1StringView{"P4"},  kUserFreeDescription},
    { 5, 1056, 1017, 1083, 1041, QLatin1StringView{"P5"},  kUserFreeDescription},
    { 6, 1057, 1026, 1084, 1042, QLatin1StringView{"P6"},  kUserFreeDescription},
    { 7, 1058, 1027, 1085, 1043, QLatin1StringView{"P7"},  kUserFreeDescription},
    { 8, 1059, 1028, 1086, 1044, QLatin1StringView{"P8"},  kUserFreeDescription},
    { 9, 1060, 1029, 1087, 1045, QLatin1StringView{"P9"},  kUserFreeDescription},
    {10, 1061, 1030, 1088, 1046, QLatin1StringView{"P10"}, kUserFreeDescription},
    {11, 1062, 1031, 1089, 1047, QLatin1StringView{"P11"}, kUserFreeDescription},
    {12, 1063, 1032, 1090, 1048, QLatin1StringView{"P12"}, kUserFreeDescription},
    {13, 1064, 1033, 1091, 1049, QLatin1StringView{"P13"}, kUserFreeDescription},
    {14, 1065, 1034, 1092, 1050, QLatin1StringView{"P14"}, kUserFreeDescription},
    {15, 1066, 1035, 1093, 1051, QLatin1StringView{"P15"}, kUserFreeDescription},
    {16, 1067, 1036, 1094, 1052, QLatin1StringView{"P16"}, kUserFreeDescription},
    {17, 1068, 1037, 1095, 1053, QLatin1StringView{"P17"}, kUserFreeDescription},
}};
// clang-format on
