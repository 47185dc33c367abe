#pragma once

#include "transponder/reader_protocol.h"

#include <QLatin1StringView>

#include <array>

// The constants that tell the 17 page rows apart: the page number on the transponder, the row's
// controls in the main window and its keys in the settings file's "Data" section. Code that
// handles the rows loops over this one table.
struct PageRowConstants
{
    int page;                      // 1..17
    int checkBoxId;                // selection box
    int fieldId;                   // page data field
    int pageLabelId;               // label "P1".."P17"
    int descriptionLabelId;        // description label
    QLatin1StringView pageLabel;   // "P1".."P17", also the page's name in messages
    QLatin1StringView description; // text of the description label
    QLatin1StringView selectKey;   // "SelectP1".."SelectP17"
    QLatin1StringView textKey;     // "P1".."P17"
    QLatin1StringView defaultKey;  // "P1Default".."P17Default"
};

inline constexpr QLatin1StringView kCarrierIdDescription{"Carrier ID 1"};
inline constexpr QLatin1StringView kCarrierId2Description{"Carrier ID 2"};
inline constexpr QLatin1StringView kUserFreeDescription{"user free"};

// clang-format off
inline constexpr std::array<PageRowConstants, kPageCount> kPageRows{{
    { 1, 1011, 1006, 1079, 1025, QLatin1StringView{"P1"},  kCarrierIdDescription,
      QLatin1StringView{"SelectP1"},  QLatin1StringView{"P1"},  QLatin1StringView{"P1Default"}},
    { 2, 1016, 1009, 1080, 1038, QLatin1StringView{"P2"},  kCarrierId2Description,
      QLatin1StringView{"SelectP2"},  QLatin1StringView{"P2"},  QLatin1StringView{"P2Default"}},
    { 3, 1054, 1010, 1081, 1039, QLatin1StringView{"P3"},  kUserFreeDescription,
      QLatin1StringView{"SelectP3"},  QLatin1StringView{"P3"},  QLatin1StringView{"P3Default"}},
    { 4, 1055, 1012, 1082, 1040, QLatin1StringView{"P4"},  kUserFreeDescription,
      QLatin1StringView{"SelectP4"},  QLatin1StringView{"P4"},  QLatin1StringView{"P4Default"}},
    { 5, 1056, 1017, 1083, 1041, QLatin1StringView{"P5"},  kUserFreeDescription,
      QLatin1StringView{"SelectP5"},  QLatin1StringView{"P5"},  QLatin1StringView{"P5Default"}},
    { 6, 1057, 1026, 1084, 1042, QLatin1StringView{"P6"},  kUserFreeDescription,
      QLatin1StringView{"SelectP6"},  QLatin1StringView{"P6"},  QLatin1StringView{"P6Default"}},
    { 7, 1058, 1027, 1085, 1043, QLatin1StringView{"P7"},  kUserFreeDescription,
      QLatin1StringView{"SelectP7"},  QLatin1StringView{"P7"},  QLatin1StringView{"P7Default"}},
    { 8, 1059, 1028, 1086, 1044, QLatin1StringView{"P8"},  kUserFreeDescription,
      QLatin1StringView{"SelectP8"},  QLatin1StringView{"P8"},  QLatin1StringView{"P8Default"}},
    { 9, 1060, 1029, 1087, 1045, QLatin1StringView{"P9"},  kUserFreeDescription,
      QLatin1StringView{"SelectP9"},  QLatin1StringView{"P9"},  QLatin1StringView{"P9Default"}},
    {10, 1061, 1030, 1088, 1046, QLatin1StringView{"P10"}, kUserFreeDescription,
      QLatin1StringView{"SelectP10"}, QLatin1StringView{"P10"}, QLatin1StringView{"P10Default"}},
    {11, 1062, 1031, 1089, 1047, QLatin1StringView{"P11"}, kUserFreeDescription,
      QLatin1StringView{"SelectP11"}, QLatin1StringView{"P11"}, QLatin1StringView{"P11Default"}},
    {12, 1063, 1032, 1090, 1048, QLatin1StringView{"P12"}, kUserFreeDescription,
      QLatin1StringView{"SelectP12"}, QLatin1StringView{"P12"}, QLatin1StringView{"P12Default"}},
    {13, 1064, 1033, 1091, 1049, QLatin1StringView{"P13"}, kUserFreeDescription,
      QLatin1StringView{"SelectP13"}, QLatin1StringView{"P13"}, QLatin1StringView{"P13Default"}},
    {14, 1065, 1034, 1092, 1050, QLatin1StringView{"P14"}, kUserFreeDescription,
      QLatin1StringView{"SelectP14"}, QLatin1StringView{"P14"}, QLatin1StringView{"P14Default"}},
    {15, 1066, 1035, 1093, 1051, QLatin1StringView{"P15"}, kUserFreeDescription,
      QLatin1StringView{"SelectP15"}, QLatin1StringView{"P15"}, QLatin1StringView{"P15Default"}},
    {16, 1067, 1036, 1094, 1052, QLatin1StringView{"P16"}, kUserFreeDescription,
      QLatin1StringView{"SelectP16"}, QLatin1StringView{"P16"}, QLatin1StringView{"P16Default"}},
    {17, 1068, 1037, 1095, 1053, QLatin1StringView{"P17"}, kUserFreeDescription,
      QLatin1StringView{"SelectP17"}, QLatin1StringView{"P17"}, QLatin1StringView{"P17Default"}},
}};
// clang-format on
