#pragma once

// Control ids of the main window (template 102) that are not part of a page row; the page rows'
// ids are in transponder/page_row_table.h.
namespace ControlId {

inline constexpr int kWriteButton = 1007;
inline constexpr int kReadButton = 1099;
inline constexpr int kLockButton = 1008;
inline constexpr int kAllBox = 1015;
inline constexpr int kAllLabel = 1096;
inline constexpr int kDefaultContentButton = 1023;
inline constexpr int kCarrierIdLengthLabel = 1076;
inline constexpr int kCarrierIdLengthField = 1077;
inline constexpr int kCarrierIdLengthSpin = 1070;
inline constexpr int kReadCarrierIdButton = 1074;
inline constexpr int kWriteCarrierIdButton = 1075;
inline constexpr int kCarrierIdField = 1071;
inline constexpr int kSendField = 1002;
inline constexpr int kSendButton = 1000;
inline constexpr int kTerminalOutput = 1003;
inline constexpr int kCarrierIdLabel = 1072;
inline constexpr int kReadUidButton = 1100;
inline constexpr int kUidField = 1073;
inline constexpr int kHexLabel = 1097;
inline constexpr int kAsciiLabel = 1098;
inline constexpr int kHexBox = 1018;
inline constexpr int kAsciiBox = 1019;

} // namespace ControlId
