#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Any line speed on a Linux terminal, through termios2. Kept apart from termios users: the
// kernel's terminal header and the C library's <termios.h> cannot be included together.

// The part of a terminal's mode that termios and termios2 share: flags, line discipline and the
// control characters both know. The speed bits of controlFlags are ignored.
struct TerminalMode
{
    static constexpr std::size_t kControlCharCount = 19;

    std::uint32_t inputFlags = 0;
    std::uint32_t outputFlags = 0;
    std::uint32_t controlFlags = 0;
    std::uint32_t localFlags = 0;
    std::uint8_t lineDiscipline = 0;
    std::array<std::uint8_t, kControlCharCount> controlChars{};
};

// Whether a driver that put `actual` bits per second into force for a request of `requested`
// (USB adapters round to what their clock divides) is within 2 % of it.
bool IsCloseEnoughLineSpeed(std::uint32_t requested, std::uint32_t actual);

// Puts `mode` and the line speed `rate`, in both directions, into force on the terminal at
// `descriptor` in one step, and reads the speed back. Returns false for a rate of 0, a request the
// driver refuses, or a speed in force that is not close enough to `rate`; the terminal's settings
// are then as they were before the call.
bool ApplyTerminalMode(int descriptor, const TerminalMode& mode, std::uint32_t rate);

// Returns the output speed in force on the terminal at `descriptor` (on a pseudo-terminal's
// master, the speed its slave side was set to); nothing when the query fails.
std::optional<std::uint32_t> ReadLineSpeed(int descriptor);
