#include "reader-sim/reader_emulator.h"

#include <algorithm>
#include <optional>

using namespace ReaderProtocol;

namespace {

// A page number as the tool writes it: decimal, 1..17, no sign, no leading zero.
std::optional<int> ParsePageNumber(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 2 || text.startsWith('0'))
        return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    const int page = text.toInt();
    if (page < 1 || page > kPageCount)
        return std::nullopt;
    return page;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

} // namespace

ReaderEmulator::ReaderEmulator() : uid(QByteArrayLiteral("E0040150"))
{
    // A recognisable default, different on every page: byte i of page p is 8p + i.
    for (int page = 1; page <= kPageCount; ++page) {
        for (int index = 0; index < kPageSize; ++index)
            pages[page - 1][index] = static_cast<std::uint8_t>(page * kPageSize + index);
    }
}

QByteArray ReaderEmulator::Feed(const QByteArray& bytes)
{
    received += bytes;
    slowAnswer = false;
    QByteArray answers;
    for (char byte : bytes) {
        if (byte != kCarriageReturn) {
            pending += byte;
            continue;
        }
        QByteArray command = pending;
        pending.clear();
        // A client that ends its commands with CR LF leaves the LF in front of the next one.
        while (command.startsWith(kLineFeed))
            command.remove(0, 1);
        answers += Answer(command);
    }
    return answers;
}

QByteArray ReaderEmulator::FrameLine(const QByteArray& line) const
{
    QByteArray framed = line + kCarriageReturn;
    if (faults.crLfLineEnds)
        framed += kLineFeed;
    return framed;
}

QByteArray ReaderEmulator::Answer(const QByteArray& command)
{
    if (tagLine)
        TakeTagInField();
    QByteArray line;
    const int space = command.indexOf(' ');
    const QByteArray verb = space < 0 ? command : command.left(space);
    const QByteArray argument = space < 0 ? QByteArray() : command.mid(space + 1);
    if (command == kCommandTimeout)
        line = QByteArray::number(timeoutValue);
    else if (verb == kCommandRead)
        line = AnswerRead(argument);
    else if (verb == kCommandWrite)
        line = AnswerWrite(argument);
    else if (verb == kCommandLock)
        line = AnswerLock(argument);
    else if (command == kCommandReadUid)
        line = AnswerUid();
    else
        line = kAnswerRefused;

    if (faults.silent || IsSilentFor(verb, argument))
        return {};
    slowAnswer = slowAnswer || faults.slowCommands.isEmpty() || faults.slowCommands.contains(verb);
    if (faults.overlongLength > line.size())
        line += QByteArray(faults.overlongLength - line.size(), 'Z');
    if (faults.shortLength > 0)
        line.truncate(faults.shortLength);
    line.insert(std::min<qsizetype>(faults.noiseOffset, line.size()), faults.noise);
    QByteArray answer;
    if (!faults.unsolicitedLine.isEmpty())
        answer += FrameLine(faults.unsolicitedLine);
    answer += FrameLine(line);
    if (!faults.strayLine.isEmpty())
        answer += FrameLine(faults.strayLine);
    return answer;
}

bool ReaderEmulator::IsSilentFor(const QByteArray& verb, const QByteArray& argument) const
{
    if (verb != kCommandRead && verb != kCommandWrite && verb != kCommandLock)
        return false;
    // RD and LD carry the page number alone, WD the data after it.
    const qsizetype space = argument.indexOf(' ');
    return faults.silentPage > 0 &&
           ParsePageNumber(space < 0 ? argument : argument.left(space)) == faults.silentPage;
}

QByteArray ReaderEmulator::AnswerRead(const QByteArray& argument) const
{
    const std::optional<int> page = ParsePageNumber(argument);
    if (!page)
        return kAnswerRefused;
    if (NoTransponder())
        return kMarkNoRead;
    if (faults.errorMark09)
        return kMarkError09;
    const Page& content = pages[*page - 1];
    return QByteArray(reinterpret_cast<const char*>(content.data()), kPageSize).toHex().toUpper();
}

QByteArray ReaderEmulator::AnswerWrite(const QByteArray& argument)
{
    const int space = argument.indexOf(' ');
    const std::optional<int> page = ParsePageNumber(argument.left(space));
    const QByteArray data = argument.mid(space + 1);
    if (space < 0 || !page || data.size() != 2 * kPageSize)
        return kAnswerRefused;
    for (char c : data) {
        if (!IsHexDigit(c))
            return kAnswerRefused;
    }
    if (NoTransponder())
        return kMarkNoRead;
    if (locked[*page - 1])
        return kAnswerRefused;
    const QByteArray bytes = QByteArray::fromHex(data);
    for (int index = 0; index < kPageSize; ++index)
        pages[*page - 1][index] = static_cast<std::uint8_t>(bytes[index]);
    return kAnswerAck;
}

QByteArray ReaderEmulator::AnswerLock(const QByteArray& argument)
{
    const std::optional<int> page = ParsePageNumber(argument);
    if (!page)
        return kAnswerRefused;
    if (NoTransponder())
        return kMarkNoRead;
    locked[*page - 1] = true;
    return kAnswerAck;
}

QByteArray ReaderEmulator::AnswerUid() const
{
    if (NoTransponder())
        return kMarkNoRead;
    if (faults.errorMark09)
        return kMarkError09;
    if (faults.badUid)
        return kMarkBadUid;
    return uid;
}

ReaderEmulator::Page ReaderEmulator::PageContent(int page) const
{
    if (page < 1 || page > kPageCount)
        return {};
    return pages[page - 1];
}

void ReaderEmulator::SetPageContent(int page, const Page& content)
{
    if (page >= 1 && page <= kPageCount)
        pages[page - 1] = content;
}

bool ReaderEmulator::IsLocked(int page) const
{
    return page >= 1 && page <= kPageCount && locked[page - 1];
}

void ReaderEmulator::SetLocked(int page, bool value)
{
    if (page >= 1 && page <= kPageCount)
        locked[page - 1] = value;
}

void ReaderEmulator::SetTagLine(TagLine line)
{
    tagLine = std::move(line);
    lineStart.reset();
    tagInField.reset();
    fieldEmpty = true;
}

std::optional<LineTag> ReaderEmulator::TagOfLine(std::size_t index) const
{
    if (!tagLine || index >= tagLine->tags.size())
        return std::nullopt;
    LineTag tag = tagLine->tags[index];
    if (tagInField == index) {
        tag.pages = pages;
        tag.locked = locked;
    }
    return tag;
}

// Swaps the state of the tag that left the field back into the line and takes up the one there now.
void ReaderEmulator::TakeTagInField()
{
    const auto now = std::chrono::steady_clock::now();
    if (!lineStart)
        lineStart = now;
    const std::optional<std::size_t> index =
        tagLine->TagAt(std::chrono::duration_cast<std::chrono::milliseconds>(now - *lineStart));
    if (index == tagInField)
        return;
    if (tagInField) {
        tagLine->tags[*tagInField].pages = pages;
        tagLine->tags[*tagInField].locked = locked;
    }
    tagInField = index;
    fieldEmpty = !index;
    if (index) {
        const LineTag& tag = tagLine->tags[*index];
        pages = tag.pages;
        locked = tag.locked;
        uid = tag.uid;
    }
}
