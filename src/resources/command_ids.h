#pragma once

// Command ids of menu 129 and of the About entry in the system menu.
namespace CommandId {

inline constexpr int kFileExit = 32771;
inline constexpr int kInfo = 32772;
inline constexpr int kTerminalShow = 32776;
inline constexpr int kTerminalClear = 32777;
inline constexpr int kInterfaceSettings = 32778;
inline constexpr int kDeviceManager = 32780;

// System-menu command of the About entry; the low four bits of a system command are flags.
inline constexpr unsigned kAboutBox = 0x0010;
inline constexpr unsigned kSystemCommandFlagBits = 0x000F;

} // namespace CommandId
