#include "platform/profile_file.h"

#include "support/bound_by_file_modes.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray Utf16(const char16_t* text, QStringConverter::Encoding order = QStringConverter::Utf16LE)
{
    return QStringEncoder(order).encode(QStringView(text));
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct Write
{
    QString section;
    QString key;
    QString value;
};

class ProfileFileTest : public ::testing::Test
{
protected:
    QString IniPath() const { return folder.filePath(QStringLiteral("Orvane.ini")); }

    QTemporaryDir folder;
};

TEST_F(ProfileFileTest, ReadsValuesByTheClassicRules)
{
    const QString long300(300, u'x');
    const QString surrogateAtCut = QString(258, u'a') + QString::fromUcs4(U"\U0001F600");
    const struct
    {
        QByteArray file;
        QString key;
        QString expected;
    } cases[] = {
        {"[dAtA]\nsElEcTp1=1\n", "SelectP1", "1"},         // names ignore case
        {"[Data]\nP1 = \t abc def \t\n", "P1", "abc def"}, // blanks around the value go
        {"[Data]\nP1=' abc '\n", "P1", " abc "},           // one pair of quotes goes
        {"[Data]\nP1=\"abc'\n", "P1", "\"abc'"},
        {"[Data]\nP1=1\n[Other]\nP2=2\n", "P2", ""},
        {"P1=loose\n[Data]\n", "P1", ""},
        {"[Data]\nP1=first\nP1=second\n", "P1", "first"},
        {"[Data]\nP1=a\n[Data]\nP2=b\n", "P2", "b"},
        {"[Data]\n;P1=c\nP1\nP1=a=b\n", "P1", "a=b"}, // comments and lines without '='
        {"[Data]\nP1=" + long300.toUtf8() + "\n", "P1", long300.left(259)},
        // The cut never splits a surrogate pair.
        {"[Data]\nP1=" + surrogateAtCut.toUtf8() + "t\n", "P1", QString(258, u'a')},
        {"[Data]\nP1=Gr\xFC\xDF\x65 \x80\n", "P1", QStringLiteral("Grüße €")}, // windows-1252
        {Utf16(u"\uFEFF[Data]\nP1=1\n", QStringConverter::Utf16BE), "P1", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        WriteBytes(IniPath(), c.file);
        EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", c.key), c.expected);
    }
    QFile::remove(IniPath());
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "");
}

TEST_F(ProfileFileTest, WritesChangeOnlyTheirLineWhetherOneByOneOrSavedAtOnce)
{
    const struct
    {
        std::optional<QByteArray> before;
        std::vector<Write> writes;
        QByteArray after;
    } cases[] = {
        // A new file holds the writes in their order.
        {std::nullopt,
         {{"Interface", "Port", "COM3"}, {"Data", "P1", ""}, {"Terminal", "Send", "RUID"}},
         "[Interface]\nPort=COM3\n[Data]\nP1=\n[Terminal]\nSend=RUID\n"},
        // A replaced value keeps the key's spelling, comments and unknown keys.
        {"; settings\n[data]\nP1Default=AA\nsElEcTp1 = 0\n\n; next\n[Terminal]\nSend=x\n",
         {{"Data", "SelectP1", "1"}},
         "; settings\n[data]\nP1Default=AA\nsElEcTp1 =1\n\n; next\n[Terminal]\nSend=x\n"},
        // A missing key goes after the last key of its section.
        {"[Data]\nP1=a\n\n; about terminal\n[Terminal]\n",
         {{"Data", "P2", "b"}},
         "[Data]\nP1=a\nP2=b\n\n; about terminal\n[Terminal]\n"},
        {"[Data]\r\nP1=a",
         {{"Data", "P1", "z"}, {"Terminal", "Send", "c"}},
         "[Data]\r\nP1=z\r\n[Terminal]\r\nSend=c\r\n"},
        // Only the first duplicate key changes, not one outside any section.
        {"P1=loose\n[Data]\nP1=a\nP1=b\n", {{"Data", "P1", "c"}}, "P1=loose\n[Data]\nP1=c\nP1=b\n"},
        {QByteArray("\xEF\xBB\xBF[Data]\n\x01\0\nP1=a\n", 18),
         {{"Data", "P1", "b"}},
         QByteArray("\xEF\xBB\xBF[Data]\n\x01\0\nP1=b\n", 18)},
        // A windows-1252 file, even one that is utf-8 but for one byte, stays windows-1252...
        {"; Gr\xFC\xDF\x65 \xC3\xA4\n[Data]\nP1=a\n",
         {{"Data", "P1", QStringLiteral("é€")}},
         "; Gr\xFC\xDF\x65 \xC3\xA4\n[Data]\nP1=\xE9\x80\n"},
        // ...until a value it cannot hold makes it utf-8.
        {"; Gr\xFC\xDF\x65\n[Data]\nP1=a\n",
         {{"Data", "P1", QStringLiteral("\u4E2D")}},
         "; Grüße\n[Data]\nP1=\u4E2D\n"},
        {Utf16(u"\uFEFF[Interface]\r\nPort=ttyS0\r\n"),
         {{"Interface", "Port", "ttyUSB0"}, {"Data", "P1", QStringLiteral("ä")}},
         Utf16(u"\uFEFF[Interface]\r\nPort=ttyUSB0\r\n[Data]\r\nP1=\u00E4\r\n")},
        // Blanks or quotes around a value are kept by quoting it.
        {"[Data]\nP1=a\n",
         {{"Data", "P1", "  ABCD  "}, {"Data", "P2", "'x'"}},
         "[Data]\nP1=\"  ABCD  \"\nP2=\"'x'\"\n"},
        // Lone CR line ends never swallow an empty LF line.
        {"[Data]\rP1=a\r\n\n[Terminal]\r",
         {{"Data", "P2", "b"}},
         "[Data]\rP1=a\r\nP2=b\r\n\n[Terminal]\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after.toStdString());
        for (bool atOnce : {false, true}) {
            QFile::remove(IniPath());
            if (c.before)
                WriteBytes(IniPath(), *c.before);
            ProfileFile batch(IniPath());
            for (const Write& w : c.writes) {
                EXPECT_TRUE(atOnce
                                ? batch.Write(w.section, w.key, w.value)
                                : ProfileFile::WriteString(IniPath(), w.section, w.key, w.value));
            }
            EXPECT_TRUE(!atOnce || batch.Save());
            EXPECT_EQ(ReadBytes(IniPath()), c.after) << "at once: " << atOnce;
            for (const Write& w : c.writes) { // every value reads back as written
                EXPECT_EQ(ProfileFile::ReadString(IniPath(), w.section, w.key), w.value);
            }
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
                << "no temporary file stays";
        }
    }
}

TEST_F(ProfileFileTest, RefusesWhatCouldNotBeReadBackAndKeepsTheFile)
{
    const QByteArray before = "[Data]\nP1=a\n";
    const std::vector<Write> refused = {
        {"Data", "P1", "two\nlines"},
        {"Data", "P1", QString(1, QChar(0))},
        {"Data", "P=1", "x"},
        {"Data", "", "x"},
        {"Data", ";P1", "x"},
        {"Da]ta", "P1", "x"},
        {"Data", "P1", QString(260, u'v')},
    };
    WriteBytes(IniPath(), before);
    for (const Write& w : refused) {
        SCOPED_TRACE((w.section + "/" + w.key + "=" + w.value).toStdString());
        EXPECT_FALSE(ProfileFile::WriteString(IniPath(), w.section, w.key, w.value));
        EXPECT_EQ(ReadBytes(IniPath()), before);
    }
}

TEST_F(ProfileFileTest, OversizedFileOrFolderIsNeitherReadNorReplaced)
{
    WriteBytes(IniPath(), "[Data]\nP1=a\n");
    ASSERT_TRUE(QFile::resize(IniPath(), 50 * 1024 * 1024));
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "");
    EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
    EXPECT_EQ(QFileInfo(IniPath()).size(), 50 * 1024 * 1024);

    ASSERT_TRUE(QFile::remove(IniPath()) && QDir(folder.path()).mkdir("Orvane.ini"));
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "");
    EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());
}

TEST_F(ProfileFileTest, UnwritableFileFailsTheWriteButAFileInAReadOnlyFolderIsWrittenInPlace)
{
    EXPECT_FALSE(ProfileFile::WriteString(folder.filePath("missing/Orvane.ini"), "Data", "P", "b"));
    // Not even the superuser can create a file at the top of /proc.
    EXPECT_FALSE(ProfileFile::WriteString("/proc/orvane-test.ini", "Data", "P1", "b"));
    WriteBytes(IniPath(), "[Data]\nP1=a\n");
    RunBoundByFileModes([&] {
        QFile::setPermissions(IniPath(), QFile::ReadOwner);
        EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
        QFile::setPermissions(IniPath(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_TRUE(ProfileFile::WriteString(IniPath(), "Data", "P1", "c"));
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    EXPECT_EQ(ReadBytes(IniPath()), "[Data]\nP1=c\n");
}

} // namespace
