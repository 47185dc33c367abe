#pragma once

// Menu item flags, check states and system commands.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_UNCHECKED = 0x0000;
inline constexpr unsigned MF_CHECKED = 0x0008;
inline constexpr unsigned MF_SEPARATOR = 0x0800;
inline constexpr unsigned MF_BYCOMMAND = 0x0000;

inline constexpr unsigned SC_CLOSE = 0xF060; // system menu "Close"
