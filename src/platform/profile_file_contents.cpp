#include "platform/profile_file_contents.h"

#include <utility>

namespace {

constexpr QChar kByteOrderMark(0xFEFF);
constexpr QChar kSectionOpen('[');
constexpr QChar kSectionClose(']');
constexpr QChar kKeySeparator('=');
constexpr QChar kCommentMark(';');
constexpr QChar kQuote('"');
constexpr auto kDefaultLineEnding = u"\n";
constexpr auto kLoneCarriageReturn = u"\r";
constexpr auto kLineFeed = u"\n";
constexpr auto kCarriageReturnLineFeed = u"\r\n";

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Returns the name of a "[Section]" line; a header without ']' names the rest of the line.
std::optional<QStringView> SectionName(QStringView line)
{
    const QStringView trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(kSectionOpen))
        return std::nullopt;
    QStringView name = trimmed.sliced(1);
    const qsizetype close = name.indexOf(kSectionClose);
    if (close >= 0)
        name = name.first(close);
    return TrimBlanks(name);
}

struct KeyLine
{
    QStringView key;
    QStringView value;
    qsizetype separator;
};

std::optional<KeyLine> ParseKeyLine(QStringView line)
{
    const qsizetype separator = line.indexOf(kKeySeparator);
    if (separator < 0)
        return std::nullopt;
    const QStringView key = TrimBlanks(line.first(separator));
    if (key.isEmpty() || key.startsWith(kCommentMark) || key.startsWith(kSectionOpen))
        return std::nullopt;
    return KeyLine{key, line.sliced(separator + 1), separator};
}

bool SameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsQuoted(QStringView value)
{
    return value.size() >= 2 && value.front() == value.back() &&
           (value.front() == u'"' || value.front() == u'\'');
}

QString CleanValue(QStringView raw)
{
    QStringView value = TrimBlanks(raw);
    if (IsQuoted(value))
        value = value.sliced(1, value.size() - 2);
    if (value.size() > ProfileFileContents::kMaxValueLength) {
        qsizetype cut = ProfileFileContents::kMaxValueLength;
        // Never leave half of a surrogate pair at the end.
        if (value[cut - 1].isHighSurrogate())
            --cut;
        value = value.first(cut);
    }
    return value.toString();
}

// Returns `value` as it must stand in the file to read back unchanged: in quotes when reading would
// otherwise trim its blanks or strip its own quotes.
QString StoredValue(const QString& value)
{
    if (TrimBlanks(value).size() == value.size() && !IsQuoted(value))
        return value;
    return kQuote + value + kQuote;
}

bool HasLineBreakOrNul(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0));
}

bool IsStorableName(QStringView name)
{
    return !name.isEmpty() && TrimBlanks(name).size() == name.size() && !HasLineBreakOrNul(name);
}

bool IsStorableKey(QStringView key)
{
    return IsStorableName(key) && !key.contains(kKeySeparator) && !key.startsWith(kCommentMark) &&
           !key.startsWith(kSectionOpen);
}

bool IsStorableSection(QStringView section)
{
    return IsStorableName(section) && !section.contains(kSectionClose);
}

} // namespace

ProfileFileContents::ProfileFileContents(const QString& text)
{
    QStringView rest(text);
    if (rest.startsWith(kByteOrderMark)) {
        startsWithByteOrderMark = true;
        rest = rest.sliced(1);
    }
    qsizetype start = 0;
    const qsizetype size = rest.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = rest[i];
        if (c != u'\n' && c != u'\r')
            continue;
        const qsizetype endingLength = (c == u'\r' && i + 1 < size && rest[i + 1] == u'\n') ? 2 : 1;
        lines.append(Line{rest.sliced(start, i - start).toString(),
                          rest.sliced(i, endingLength).toString()});
        i += endingLength - 1;
        start = i + 1;
    }
    if (start < size)
        lines.append(Line{rest.sliced(start).toString(), QString()});
}

QString ProfileFileContents::Value(const QString& section, const QString& key) const
{
    const std::optional<qsizetype> index = FindKeyLine(section, key);
    if (!index)
        return QString();
    return CleanValue(ParseKeyLine(lines[*index].text)->value);
}

bool ProfileFileContents::SetValue(const QString& section, const QString& key, const QString& value)
{
    if (!IsStorableSection(section) || !IsStorableKey(key) || HasLineBreakOrNul(value) ||
        value.size() > kMaxValueLength)
        return false;

    if (const std::optional<qsizetype> index = FindKeyLine(section, key)) {
        Line& line = lines[*index];
        // Keep the key as it was spelled, and everything before the '='.
        line.text = line.text.first(ParseKeyLine(line.text)->separator + 1) + StoredValue(value);
        return true;
    }
    const QString keyLine = key + kKeySeparator + StoredValue(value);
    if (const std::optional<qsizetype> header = FindSectionHeader(section)) {
        InsertLine(EndOfSectionBody(*header), keyLine);
        return true;
    }
    InsertLine(lines.size(), kSectionOpen + section + kSectionClose);
    InsertLine(lines.size(), keyLine);
    return true;
}

QString ProfileFileContents::Text() const
{
    QString text;
    if (startsWithByteOrderMark)
        text += kByteOrderMark;
    for (const Line& line : lines)
        text += line.text + line.ending;
    return text;
}

std::optional<qsizetype> ProfileFileContents::FindKeyLine(const QString& section,
                                                          const QString& key) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& text = lines[i].text;
        if (const std::optional<QStringView> name = SectionName(text)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const std::optional<KeyLine> keyLine = ParseKeyLine(text);
        if (keyLine && SameName(keyLine->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> ProfileFileContents::FindSectionHeader(const QString& section) const
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QStringView> name = SectionName(lines[i].text);
        if (name && SameName(*name, section))
            return i;
    }
    return std::nullopt;
}

// Returns the index just after the last key line of the section whose header is at `header`, so a
// new key joins its siblings ahead of any blank lines or comments that lead to the next section.
qsizetype ProfileFileContents::EndOfSectionBody(qsizetype header) const
{
    qsizetype end = header + 1;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        if (SectionName(lines[i].text))
            break;
        if (ParseKeyLine(lines[i].text))
            end = i + 1;
    }
    return end;
}

QString ProfileFileContents::PreferredLineEnding() const
{
    for (const Line& line : lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return QString::fromUtf16(kDefaultLineEnding);
}

void ProfileFileContents::InsertLine(qsizetype index, const QString& text)
{
    QString ending = PreferredLineEnding();
    // A lone CR before a line that is only an LF would read back as one CR LF, losing that line.
    if (ending == kLoneCarriageReturn && index < lines.size() && lines[index].text.isEmpty() &&
        lines[index].ending == kLineFeed)
        ending = QString::fromUtf16(kCarriageReturnLineFeed);
    if (index > 0 && lines[index - 1].ending.isEmpty())
        lines[index - 1].ending = ending;
    lines.insert(index, Line{text, ending});
}
