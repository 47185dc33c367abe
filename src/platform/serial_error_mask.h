#pragma once

#include <cstdint>

// Bits of the error mask that SerialDevice::ClearError reports; each bit stays set from the failed
// call that raised it until the next ClearError.
inline constexpr std::uint32_t kSerialErrorWrite = 0x0001;  // a byte could not be written
inline constexpr std::uint32_t kSerialErrorRead = 0x0002;   // a byte could not be read
inline constexpr std::uint32_t kSerialErrorHangUp = 0x0004; // the device hung up or vanished
