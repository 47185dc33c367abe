// Arbitrary bytes as a settings file: every key is read and written back, then values taken from
// other lines; every value the writer accepts reads back the same, the other lines stay as they
// were, and the text written to disk reads back as the same text and values.
#include "fuzz_check.h"
#include "platform/profile_file_contents.h"
#include "platform/profile_file_encoding.h"

#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// Keys tried per input; enough for every seed, few enough to keep runs fast.
constexpr qsizetype kMaxKeys = 32;

// Lines with their line ends (CR LF, a lone CR or LF), split as a plain text editor would.
QStringList LinesOf(const QString& text)
{
    QStringList lines;
    for (qsizetype i = 0, start = 0; i < text.size(); ++i) {
        const bool last = i + 1 == text.size();
        if (last || text[i] == u'\n' || (text[i] == u'\r' && text[i + 1] != u'\n')) {
            lines.append(text.sliced(start, i + 1 - start));
            start = i + 1;
        }
    }
    return lines;
}

// Every (section, key) pair the text names, in file order, duplicates included.
QList<std::pair<QString, QString>> KeysOf(const QString& text)
{
    QList<std::pair<QString, QString>> keys;
    QString section;
    for (const QString& line : LinesOf(text)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'['))
            section = trimmed.sliced(1).section(u']', 0, 0).trimmed();
        else if (const qsizetype equals = line.indexOf(u'='); equals > 0)
            keys.append({section, line.first(equals).trimmed()});
    }
    return keys;
}

// At most one old line replaced, and at most three new lines (a section header, a key line and
// the line end given to a last line that had none) between unchanged lines.
bool OnlyOneLineTouched(const QString& before, const QString& after)
{
    const QStringList old = LinesOf(before), now = LinesOf(after);
    const qsizetype head = std::ranges::mismatch(old, now).in1 - old.begin();
    const auto [oldRest, nowRest] =
        std::mismatch(old.rbegin(), old.rend() - head, now.rbegin(), now.rend() - head);
    // Lines between the common head and the common tail: the changed ones.
    return old.rend() - oldRest - head <= 1 && now.rend() - nowRest - head <= 3;
}

void WriteAndCheck(ProfileFileContents& contents, const QString& section, const QString& key,
                   const QString& value)
{
    const QString before = contents.Text();
    if (!contents.SetValue(section, key, value)) {
        Require(contents.Text() == before, "a refused write changes nothing");
        return;
    }
    Require(value.size() <= ProfileFileContents::kMaxValueLength && !value.contains(u'\r') &&
                !value.contains(u'\n') && !value.contains(QChar(0)),
            "the writer refuses values longer than 259 or with CR, LF, NUL");
    Require(contents.Value(section, key) == value, "an accepted value reads back the same");
    Require(OnlyOneLineTouched(before, contents.Text()), "other lines untouched");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedProfileText decoded = DecodeProfileText(bytes);
    const QString& text = decoded.text;
    const bool utf8 = decoded.encoding == ProfileEncoding::Utf8;
    if (utf8)
        Require(EncodeProfileText(text, decoded.encoding) == bytes,
                "UTF-8 file written back byte for byte");

    ProfileFileContents contents(text);
    Require(contents.Text() == text, "an unchanged file keeps its text");

    const auto keys = KeysOf(text).mid(0, kMaxKeys);
    const QStringList lines = LinesOf(text);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const auto& [section, key] = keys[i];
        const QString line = lines.value(i % lines.size());
        WriteAndCheck(contents, section, key, contents.Value(section, key));
        WriteAndCheck(contents, section, key, line.trimmed());
        WriteAndCheck(contents, section, key, line);
    }
    WriteAndCheck(contents, QStringLiteral("Data"), QStringLiteral("P1"),
                  lines.value(0).repeated(2));

    const QString written = contents.Text();
    if (utf8)
        Require(DecodeProfileText(EncodeProfileText(written, decoded.encoding)).text == written,
                "written text reads back");
    const ProfileFileContents reread(written);
    for (const auto& [section, key] : keys)
        Require(reread.Value(section, key) == contents.Value(section, key), "values read back");
    return 0;
}
