#pragma once

#include <QColor>
#include <cstdint>

// A colour as red, green and blue bytes; packed with red in the lowest byte.
struct COLORREF
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    constexpr std::uint32_t Packed() const
    {
        return std::uint32_t(red) | (std::uint32_t(green) << 8) | (std::uint32_t(blue) << 16);
    }
    QColor ToQColor() const { return QColor(red, green, blue); }
    friend constexpr bool operator==(COLORREF, COLORREF) = default;
};

constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return COLORREF{red, green, blue};
}

// Named colours of fields, labels and controls.
inline constexpr COLORREF kColourWhite = RGB(255, 255, 255);      // neutral or valid field
inline constexpr COLORREF kColourRed = RGB(255, 0, 0);            // fault or failure
inline constexpr COLORREF kColourGreen = RGB(0, 255, 0);          // success
inline constexpr COLORREF kColourBlack = RGB(0, 0, 0);            // label background
inline constexpr COLORREF kColourButtonFace = RGB(240, 240, 240); // initial control background
inline constexpr COLORREF kColourButtonText = RGB(0, 0, 0);       // initial control text
