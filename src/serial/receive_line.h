#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>

// The line being assembled from received bytes: up to 127 bytes, then at CR the bytes CR, LF, NUL.
//
// A line longer than 127 bytes before its CR keeps its first 127 bytes and drops the rest; the CR
// still completes it. One answer thus stays one line, so a waiter never takes a fragment of an
// answer for the whole of it; lastLineCut tells that the line lost bytes.
struct ReceiveLine
{
    static constexpr std::size_t kBufferSize = 255;
    static constexpr std::int8_t kMaxLineBytes = INT8_MAX;
    static constexpr std::uint8_t kCarriageReturn = 0x0D;

    std::array<std::uint8_t, kBufferSize> buffer{};
    std::int8_t count = 0;    // bytes stored for the current line; index of the next free byte
    bool cutting = false;     // the current line has lost bytes past kMaxLineBytes
    bool lastLineCut = false; // the last completed line had lost bytes

    // Forgets the bytes of the current line; the next byte starts a new one.
    void DiscardCurrentLine();

    // Stores one received byte. At CR returns the completed line (its bytes up to the first NUL,
    // then CR LF) as a view of the buffer, valid until the next byte, and starts a new line;
    // otherwise returns nothing. Inline, as it runs for every byte received.
    std::optional<QByteArrayView> AddByte(std::uint8_t byte)
    {
        if (byte == kCarriageReturn)
            return CompleteLine();
        if (count < kMaxLineBytes)
            buffer[static_cast<std::size_t>(count++)] = byte;
        else
            cutting = true;
        return std::nullopt;
    }

    // Ends the current line with CR LF NUL and starts a new one; returns the completed line.
    QByteArrayView CompleteLine();

    // The buffer up to its first NUL.
    QByteArrayView TextView() const;
};
