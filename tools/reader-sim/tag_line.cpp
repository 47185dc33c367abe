#include "reader-sim/tag_line.h"

#include <QFile>

using namespace ReaderProtocol;

std::optional<std::size_t> TagLine::TagAt(std::chrono::milliseconds elapsed) const
{
    std::chrono::milliseconds start{0};
    for (std::size_t index = 0; index < tags.size(); ++index) {
        const std::chrono::milliseconds end = start + tags[index].hold;
        if (elapsed < start)
            return std::nullopt;
        if (elapsed < end)
            return index;
        start = end + gap;
    }
    return std::nullopt;
}

LineTag DefaultTag(const QByteArray& uid, std::chrono::milliseconds hold)
{
    LineTag tag{uid, {}, {}, hold};
    for (int page = 1; page <= kPageCount; ++page) {
        for (int index = 0; index < kPageSize; ++index)
            tag.pages[page - 1][index] = static_cast<std::uint8_t>(page * kPageSize + index);
    }
    return tag;
}

TagLine GeneratedTagLine(int count, std::chrono::milliseconds hold, std::chrono::milliseconds gap)
{
    constexpr std::uint32_t kFirstSerial = 0xE0041001;
    TagLine line{{}, gap};
    for (int index = 0; index < count; ++index)
        line.tags.push_back(DefaultTag(
            QByteArray::number(kFirstSerial + static_cast<std::uint32_t>(index), 16).toUpper(),
            hold));
    return line;
}

std::optional<TagLine> TagLineFromFile(const QString& path, std::chrono::milliseconds hold,
                                       std::chrono::milliseconds gap, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    TagLine line{{}, gap};
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (fields.front().isEmpty() || fields.front().startsWith('#'))
            continue;
        bool holdOk = true;
        const int holdMs = fields.size() > 1 ? fields[1].toInt(&holdOk) : int(hold.count());
        if (fields.front().size() != kUidLength || fields.size() > 2 || !holdOk || holdMs <= 0) {
            error = QStringLiteral("%1:%2: expected \"UID [HOLD_MS]\"").arg(path).arg(number);
            return std::nullopt;
        }
        line.tags.push_back(DefaultTag(fields.front(), std::chrono::milliseconds(holdMs)));
    }
    return line;
}
