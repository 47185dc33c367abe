#pragma once

// Notification codes that controls send to their dialog's message map.
inline constexpr int BN_CLICKED = 0;      // push button or check box clicked; also menu commands
inline constexpr int EN_CHANGE = 0x0300;  // edit text changed
