#pragma once

#include <cstdint>

struct termios;

// The serial line's settings as one plain record: every field starts at zero and the reader's
// values are filled in by MakeReaderLineSettings. Only the baud rate changes between opens.
struct LineSettings
{
    std::uint32_t length = 0;
    std::uint32_t baudRate = 0;
    std::uint8_t binary = 0;         // 1: raw bytes, no end-of-file character handling
    std::uint8_t parityCheck = 0;    // 1: check parity of received bytes
    std::uint8_t outxCtsFlow = 0;    // 1: CTS output handshake
    std::uint8_t outxDsrFlow = 0;    // 1: DSR output handshake (no termios equivalent)
    std::uint8_t dtrControl = 0;     // kLineControlDisable or kLineControlEnable
    std::uint8_t dsrSensitivity = 0; // 1: ignore bytes while DSR is low (no termios equivalent)
    std::uint8_t txContinueOnXoff = 0;
    std::uint8_t outX = 0; // 1: XON/XOFF on output
    std::uint8_t inX = 0;  // 1: XON/XOFF on input
    std::uint8_t replaceErrorBytes = 0;
    std::uint8_t discardNul = 0; // 1: drop NUL bytes (no termios equivalent)
    std::uint8_t rtsControl = 0; // kLineControlDisable or kLineControlEnable
    std::uint8_t abortOnError = 0;
    std::uint16_t xonLimit = 0;
    std::uint16_t xoffLimit = 0;
    std::uint8_t byteSize = 0; // data bits, 5 to 8
    std::uint8_t parity = 0;   // kParityNone, kParityOdd or kParityEven
    std::uint8_t stopBits = 0; // kStopBitsOne or kStopBitsTwo
    char xonChar = 0;
    char xoffChar = 0;
    char errorChar = 0;
    char eofChar = 0;
    char eventChar = 0;
};

inline constexpr std::uint32_t kLineSettingsLength = 28;
inline constexpr std::uint32_t kDefaultBaudRate = 115200;
inline constexpr std::uint8_t kLineControlDisable = 0;
inline constexpr std::uint8_t kLineControlEnable = 1;
inline constexpr std::uint8_t kParityNone = 0;
inline constexpr std::uint8_t kParityOdd = 1;
inline constexpr std::uint8_t kParityEven = 2;
inline constexpr std::uint8_t kStopBitsOne = 0;
inline constexpr std::uint8_t kStopBitsOnePointFive = 1;
inline constexpr std::uint8_t kStopBitsTwo = 2;

// The reader's line: zero-filled, then 8 data bits, no parity, one stop bit, no handshake, DTR and
// RTS inactive, raw bytes with NUL delivered, 115200 bits per second.
LineSettings MakeReaderLineSettings();

// Writes the settings but the baud rate (see ApplyTerminalMode) into a termios record: raw mode
// with breaks ignored, reads that return at once with what is waiting. Returns false, leaving the
// record in an unspecified state, for a byte size outside 5..8, an unknown parity or 1.5 stop
// bits, or a handshake that termios cannot express.
bool ApplyToTermios(const LineSettings& settings, termios& attributes);
