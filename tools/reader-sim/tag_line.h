#pragma once

#include "reader-sim/reader_protocol.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

// One transponder of a tag line: its UID, its pages and their lock bits.
struct LineTag
{
    using Page = std::array<std::uint8_t, ReaderProtocol::kPageSize>;

    QByteArray uid;
    std::array<Page, ReaderProtocol::kPageCount> pages{};
    std::array<bool, ReaderProtocol::kPageCount> locked{};
    std::chrono::milliseconds hold{0}; // how long it stays in the field
};

// Transponders passing the reader one after the other, as on a production line: each stays in
// the field for its hold time, then the field is empty for the gap before the next one comes.
// After the last one the field stays empty.
struct TagLine
{
    std::vector<LineTag> tags;
    std::chrono::milliseconds gap{0};

    // The index of the tag in the field at elapsed since the line started; nothing in a gap and
    // after the last tag.
    std::optional<std::size_t> TagAt(std::chrono::milliseconds elapsed) const;
};

// A tag with the emulated reader's default pages (byte i of page p is 8p + i) and the given UID.
LineTag DefaultTag(const QByteArray& uid, std::chrono::milliseconds hold);

// count tags with the UIDs E0041001, E0041002 ... (upper-case HEX) and the default pages.
TagLine GeneratedTagLine(int count, std::chrono::milliseconds hold, std::chrono::milliseconds gap);

// The tags of a file, one a line: "UID [HOLD_MS]" (hold defaults to hold); blank lines and lines
// starting with '#' are passed over. Returns nothing, with error set, when the file cannot be read
// or a line is not of that form.
std::optional<TagLine> TagLineFromFile(const QString& path, std::chrono::milliseconds hold,
                                       std::chrono::milliseconds gap, QString& error);
