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

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray Utf16(const char16_t* text, QStringConverter::Encoding order = QStringConverter::Utf16LE)
{
    return QStringEncoder(order).encode(QStringView(text));
}

struct Write
{
    QString section, key, value;
};

class ProfileFileTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Orvane.ini"));
};

TEST_F(ProfileFileTest, ReadsValuesByTheClassicRulesInTheFilesEncoding)
{
    const std::vector<std::pair<QByteArray, QString>> cases = {
        // the file, its value of P1
        {"[dAtA]\np1 = \t abc def \t\n", "abc def"}, // names ignore case, blanks around go
        {"[Data]\nP1=' abc '\n", " abc "},           // one pair of quotes goes
        {"[Data]\nP1=\"abc'\n", "\"abc'"},           // quotes that do not pair stay
        {"P1=loose\n[Other]\nP1=2\n[Data]\n;P1=c\nP1\nP1=a=b\nP1=second\n", "a=b"},
        {"[Data]\nP1=Gr\xFC\xDF\x65 \x80\n", QStringLiteral("Grüße €")}, // windows-1252
        {Utf16(u"\uFEFF[Data]\nP1=1\n", QStringConverter::Utf16BE), "1"},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file.toStdString());
        WriteBytes(ini, file);
        EXPECT_EQ(ProfileFile::ReadString(ini, "Data", "P1"), expected);
    }
}

TEST_F(ProfileFileTest, WritesChangeOnlyTheirLineAndKeepTheFilesEncodingAndLineEnds)
{
    const struct
    {
        QByteArray before;
        std::vector<Write> writes;
        QByteArray after;
    } cases[] = {
        // A replaced value keeps the key's spelling, comments and unknown keys; only the first
        // duplicate changes, not a key outside any section.
        {"P1=loose\n; settings\n[data]\nP1Default=AA\nsElEcTp1 = 0\nSelectP1=2\n\n; next\n[T]\n",
         {{"Data", "SelectP1", "1"}},
         "P1=loose\n; settings\n[data]\nP1Default=AA\nsElEcTp1 =1\nSelectP1=2\n\n; next\n[T]\n"},
        // A missing key goes after the last key of its section.
        {"[Data]\nP1=a\n\n; about terminal\n[Terminal]\n",
         {{"Data", "P2", "b"}},
         "[Data]\nP1=a\nP2=b\n\n; about terminal\n[Terminal]\n"},
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
        {"[Data]\rP1=a\r\n\n[T]\r", {{"Data", "P2", "b"}}, "[Data]\rP1=a\r\nP2=b\r\n\n[T]\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after.toStdString());
        WriteBytes(ini, c.before);
        for (const Write& w : c.writes)
            EXPECT_TRUE(ProfileFile::WriteString(ini, w.section, w.key, w.value));
        EXPECT_EQ(ReadBytes(ini), c.after);
        for (const Write& w : c.writes) // every value reads back as written
            EXPECT_EQ(ProfileFile::ReadString(ini, w.section, w.key), w.value);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << "no temporary file stays";
    }
}

TEST_F(ProfileFileTest, RefusesWhatCouldNotBeReadBackAndKeepsTheFile)
{
    const QByteArray before = "[Data]\nP1=a\n";
    WriteBytes(ini, before);
    for (const Write& w : std::vector<Write>{{"Data", "P1", "two\nlines"},
                                             {"Data", "P1", QString(1, QChar(0))},
                                             {"Data", "P=1", "x"},
                                             {"Data", "", "x"},
                                             {"Data", ";P1", "x"},
                                             {"Da]ta", "P1", "x"},
                                             {"Data", "P1", QString(260, u'v')}}) {
        SCOPED_TRACE((w.section + "/" + w.key + "=" + w.value).toStdString());
        EXPECT_FALSE(ProfileFile::WriteString(ini, w.section, w.key, w.value));
        EXPECT_EQ(ReadBytes(ini), before);
    }
}

TEST_F(ProfileFileTest, OversizedFileOrFolderIsNeitherReadNorReplaced)
{
    WriteBytes(ini, "[Data]\nP1=a\n");
    ASSERT_TRUE(QFile::resize(ini, 50 * 1024 * 1024));
    for (bool isFolder : {false, true}) {
        EXPECT_EQ(ProfileFile::ReadString(ini, "Data", "P1"), "");
        EXPECT_FALSE(ProfileFile::WriteString(ini, "Data", "P1", "b"));
        EXPECT_EQ(QFileInfo(ini).isDir() ? 0 : QFileInfo(ini).size(),
                  isFolder ? 0 : 50 * 1024 * 1024);
        ASSERT_TRUE(isFolder || (QFile::remove(ini) && QDir(folder.path()).mkdir("Orvane.ini")));
    }
}

TEST_F(ProfileFileTest, UnwritableFileFailsTheWriteButAFileInAReadOnlyFolderIsWrittenInPlace)
{
    // Not even the superuser can create a file at the top of /proc.
    EXPECT_FALSE(ProfileFile::WriteString("/proc/orvane-test.ini", "Data", "P1", "b"));
    WriteBytes(ini, "[Data]\nP1=a\n");
    RunBoundByFileModes([&] {
        QFile::setPermissions(ini, QFile::ReadOwner);
        EXPECT_FALSE(ProfileFile::WriteString(ini, "Data", "P1", "b"));
        QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_TRUE(ProfileFile::WriteString(ini, "Data", "P1", "c"));
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    EXPECT_EQ(ReadBytes(ini), "[Data]\nP1=c\n");
}

} // namespace
