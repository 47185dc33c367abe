#pragma once

#include <QList>
#include <QString>

#include <optional>

// The text of one settings file as lines of "[Section]" headers and "Key=Value" lines, read and
// changed in memory; every line that is not changed keeps its exact text and line end.
class ProfileFileContents
{
public:
    // Longest value a read returns, in UTF-16 units.
    static constexpr qsizetype kMaxValueLength = 259;

    ProfileFileContents() = default;
    // Splits `text` into lines at LF, CR LF and lone CR. Never fails: a line that is neither a
    // header nor a key line is kept as it is and never matches a lookup.
    explicit ProfileFileContents(const QString& text);

    // Returns the value of the first `key` in a section named `section` (names compared without
    // regard to case), trimmed of blanks and of one pair of enclosing matching quotes and cut to
    // kMaxValueLength units; "" when the key or section is absent.
    QString Value(const QString& section, const QString& key) const;

    // Replaces the value of the first `key` in `section`, or adds the key at the end of the first
    // such section, or adds the section at the end of the text. A value with blanks around it or
    // in a pair of matching quotes is stored in double quotes, so it reads back unchanged. Returns
    // false, changing nothing, when a name or the value could not be read back as written (line
    // breaks, NUL, a value longer than kMaxValueLength, '=' in a key, ']' in a section name,
    // blanks around a name, an empty name).
    bool SetValue(const QString& section, const QString& key, const QString& value);

    // Returns the whole text: unchanged lines exactly as they were read.
    QString Text() const;

private:
    struct Line
    {
        QString text;
        QString ending;
    };

    std::optional<qsizetype> FindKeyLine(const QString& section, const QString& key) const;
    std::optional<qsizetype> FindSectionHeader(const QString& section) const;
    qsizetype EndOfSectionBody(qsizetype header) const;
    QString PreferredLineEnding() const;
    void InsertLine(qsizetype index, const QString& text);

    QList<Line> lines;
    bool startsWithByteOrderMark = false;
};
