#include "platform/profile_file.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

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

class ProfileFileTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return folder.filePath(name); }
    QString IniPath() const { return PathOf(QStringLiteral("Orvane.ini")); }

    QTemporaryDir folder;
};

struct ReadCase
{
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    QString expected;
};

TEST_F(ProfileFileTest, ReadsValuesByTheClassicRules)
{
    const QString long300(300, u'x');
    const std::vector<ReadCase> cases = {
        {"plain", "[Data]\nP1=0011\n", "Data", "P1", "0011"},
        {"section and key ignore case", "[dAtA]\nsElEcTp1=1\n", "DATA", "SelectP1", "1"},
        {"blanks around value trimmed", "[Data]\nP1 = \t abc def \t\n", "Data", "P1", "abc def"},
        {"double quotes stripped", "[Data]\nP1=\" abc \"\n", "Data", "P1", " abc "},
        {"single quotes stripped", "[Data]\nP1='abc'\n", "Data", "P1", "abc"},
        {"only one pair of quotes", "[Data]\nP1=''abc''\n", "Data", "P1", "'abc'"},
        {"mismatched quotes kept", "[Data]\nP1=\"abc'\n", "Data", "P1", "\"abc'"},
        {"lone quote kept", "[Data]\nP1=\"\n", "Data", "P1", "\""},
        {"empty value", "[Data]\nP1=\n", "Data", "P1", ""},
        {"absent key", "[Data]\nP1=1\n", "Data", "P2", ""},
        {"absent section", "[Data]\nP1=1\n", "Interface", "P1", ""},
        {"key of another section", "[Data]\nP1=1\n[Other]\nP2=2\n", "Data", "P2", ""},
        {"key before any section ignored", "P1=loose\n[Data]\n", "Data", "P1", ""},
        {"first duplicate key wins", "[Data]\nP1=first\nP1=second\n", "Data", "P1", "first"},
        {"first duplicate section wins", "[Data]\nP1=a\n[Data]\nP1=b\n", "Data", "P1", "a"},
        {"later duplicate section still found", "[Data]\nP1=a\n[Data]\nP2=b\n", "Data", "P2", "b"},
        {"CR LF line ends", "[Data]\r\nP1=abc\r\nP2=def\r\n", "Data", "P2", "def"},
        {"lone CR line ends", "[Data]\rP1=abc\r", "Data", "P1", "abc"},
        {"no line end at file end", "[Data]\nP1=abc", "Data", "P1", "abc"},
        {"blanks around section name", "  [ Data ]  \nP1=1\n", "Data", "P1", "1"},
        {"line without '=' skipped", "[Data]\nP1\nP1=real\n", "Data", "P1", "real"},
        {"comment line skipped", "[Data]\n;P1=comment\nP1=real\n", "Data", "P1", "real"},
        {"value keeps later '='", "[Data]\nP1=a=b\n", "Data", "P1", "a=b"},
        {"long value cut", "[Data]\nP1=" + long300.toUtf8() + "\n", "Data", "P1",
         long300.left(259)},
        {"utf-8 value", "[Data]\nP1=Grüße €\n", "Data", "P1", QStringLiteral("Grüße €")},
        {"utf-8 byte-order mark", "\xEF\xBB\xBF[Data]\nP1=1\n", "Data", "P1", "1"},
        {"windows-1252 file", "[Data]\nP1=Gr\xFC\xDF\x65 \x80\n", "Data", "P1",
         QStringLiteral("Grüße €")},
        {"cut utf-8 sequence at file end", "[Data]\nP1=a\xC3", "Data", "P1", QStringLiteral("aÃ")},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(IniPath(), c.file);
        EXPECT_EQ(ProfileFile::ReadString(IniPath(), c.section, c.key), c.expected);
    }
}

TEST_F(ProfileFileTest, CutNeverSplitsASurrogatePair)
{
    QString value(258, u'a');
    value += QString::fromUcs4(U"\U0001F600");
    WriteBytes(IniPath(), "[Data]\nP1=" + value.toUtf8() + "tail\n");
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), QString(258, u'a'));
}

TEST_F(ProfileFileTest, MissingFileReadsEmpty)
{
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "");
    EXPECT_EQ(ProfileFile::ReadString(QString(), "Data", "P1"), "");
}

struct Write
{
    QString section;
    QString key;
    QString value;
};

struct WriteCase
{
    const char* name;
    std::optional<QByteArray> before;
    std::vector<Write> writes;
    QByteArray after;
};

TEST_F(ProfileFileTest, WritesChangeOnlyTheirLine)
{
    const std::vector<WriteCase> cases = {
        {"new file in write order",
         std::nullopt,
         {{"Interface", "Port", "COM3"},
          {"Interface", "Baudrate", "9600"},
          {"Data", "SelectAll", "0"},
          {"Data", "P1", ""},
          {"Terminal", "Send", "RUID"}},
         "[Interface]\nPort=COM3\nBaudrate=9600\n[Data]\nSelectAll=0\nP1=\n[Terminal]\nSend="
         "RUID\n"},
        {"replace keeps key spelling, comments and unknown keys",
         "; settings\n[data]\nP1Default=AA\nsElEcTp1 = 0\n\n; next\n[Terminal]\nSend=x\n",
         {{"Data", "SelectP1", "1"}},
         "; settings\n[data]\nP1Default=AA\nsElEcTp1 =1\n\n; next\n[Terminal]\nSend=x\n"},
        {"missing key goes after the last key of its section",
         "[Data]\nP1=a\n\n; about terminal\n[Terminal]\nSend=x\n",
         {{"Data", "P2", "b"}},
         "[Data]\nP1=a\nP2=b\n\n; about terminal\n[Terminal]\nSend=x\n"},
        {"missing key in an empty section goes after its header",
         "[Data]\n[Terminal]\n",
         {{"Data", "P1", "a"}},
         "[Data]\nP1=a\n[Terminal]\n"},
        {"CR LF file keeps CR LF",
         "[Data]\r\nP1=a\r\n",
         {{"Data", "P1", "z"}, {"Data", "P2", "b"}, {"Terminal", "Send", "c"}},
         "[Data]\r\nP1=z\r\nP2=b\r\n[Terminal]\r\nSend=c\r\n"},
        {"file without final line end",
         "[Data]\nP1=a",
         {{"Data", "P2", "b"}},
         "[Data]\nP1=a\nP2=b\n"},
        {"only the first duplicate key changes",
         "[Data]\nP1=a\nP1=b\n",
         {{"Data", "P1", "c"}},
         "[Data]\nP1=c\nP1=b\n"},
        {"loose key before sections untouched",
         "P1=loose\n",
         {{"Data", "P1", "a"}},
         "P1=loose\n[Data]\nP1=a\n"},
        {"empty value written as empty key",
         "[Data]\nUID=04AB\n",
         {{"Data", "UID", ""}},
         "[Data]\nUID=\n"},
        {"byte-order mark and binary lines kept",
         QByteArray("\xEF\xBB\xBF[Data]\n\x01\x02", 11) + QByteArray(1, '\0') + "\nP1=a\n",
         {{"Data", "P1", "b"}},
         QByteArray("\xEF\xBB\xBF[Data]\n\x01\x02", 11) + QByteArray(1, '\0') + "\nP1=b\n"},
        {"windows-1252 file comes back as utf-8",
         "; Gr\xFC\xDF\x65\n[Data]\nP1=a\n",
         {{"Data", "P1", QStringLiteral("ä")}},
         "; Grüße\n[Data]\nP1=ä\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(IniPath());
        if (c.before)
            WriteBytes(IniPath(), *c.before);
        for (const Write& w : c.writes)
            EXPECT_TRUE(ProfileFile::WriteString(IniPath(), w.section, w.key, w.value));
        EXPECT_EQ(ReadBytes(IniPath()), c.after);

        // One object writing everything at once must give the same file.
        QFile::remove(IniPath());
        if (c.before)
            WriteBytes(IniPath(), *c.before);
        ProfileFile batch(IniPath());
        for (const Write& w : c.writes)
            EXPECT_TRUE(batch.Write(w.section, w.key, w.value));
        EXPECT_TRUE(batch.Save());
        EXPECT_EQ(ReadBytes(IniPath()), c.after);
    }
}

TEST_F(ProfileFileTest, WrittenValuesReadBack)
{
    const QStringList values = {"",      "COM3", QStringLiteral("Grüße € \u4E2D"),
                                "a=b;c", "[x]",  QString(259, u'v')};
    for (const QString& value : values) {
        SCOPED_TRACE(value.toStdString());
        ASSERT_TRUE(ProfileFile::WriteString(IniPath(), "Data", "CarrierID", value));
        EXPECT_EQ(ProfileFile::ReadString(IniPath(), "data", "carrierid"), value);
    }
}

TEST_F(ProfileFileTest, ObjectServesReadsOfItsOwnWritesBeforeSaving)
{
    WriteBytes(IniPath(), "[Data]\nP1=a\n");
    ProfileFile file(IniPath());
    ASSERT_TRUE(file.Write("Data", "P1", "b"));
    EXPECT_EQ(file.Read("Data", "P1"), "b");
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "a");
}

TEST_F(ProfileFileTest, RefusesWhatCouldNotBeReadBackAndKeepsTheFile)
{
    const QByteArray before = "[Data]\nP1=a\n";
    const std::vector<Write> refused = {
        {"Data", "P1", "two\nlines"},
        {"Data", "P1", "cr\rhere"},
        {"Data", "P1", QString(1, QChar(0))},
        {"Data", "P=1", "x"},
        {"Data", "", "x"},
        {"Data", " P1", "x"},
        {"Data", ";P1", "x"},
        {"Data", "[P1", "x"},
        {"Da]ta", "P1", "x"},
        {"", "P1", "x"},
        {"Da\nta", "P1", "x"},
    };
    WriteBytes(IniPath(), before);
    for (const Write& w : refused) {
        SCOPED_TRACE((w.section + "/" + w.key + "=" + w.value).toStdString());
        EXPECT_FALSE(ProfileFile::WriteString(IniPath(), w.section, w.key, w.value));
        EXPECT_EQ(ReadBytes(IniPath()), before);
    }
}

TEST_F(ProfileFileTest, GarbageFileReadsWithoutHarmAndStaysWritable)
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        QByteArray garbage(4096 + round * 997, Qt::Uninitialized);
        for (char& byte : garbage)
            byte = static_cast<char>(random.bounded(256));
        WriteBytes(IniPath(), garbage);
        ProfileFile::ReadString(IniPath(), "Data", "P1");
        ASSERT_TRUE(ProfileFile::WriteString(IniPath(), "OrvaneTest", "Key", "value"));
        EXPECT_EQ(ProfileFile::ReadString(IniPath(), "ORVANETEST", "key"), "value");
        EXPECT_GE(ReadBytes(IniPath()).size(), garbage.size());
    }
}

TEST_F(ProfileFileTest, OversizedFileIsNeitherReadNorOverwritten)
{
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write("[Data]\nP1=a\n") > 0);
        ASSERT_TRUE(file.resize(50 * 1024 * 1024));
    }
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "");
    EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
    EXPECT_EQ(QFileInfo(IniPath()).size(), 50 * 1024 * 1024);
}

TEST_F(ProfileFileTest, FolderAsPathIsNeitherReadNorReplaced)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("Orvane.ini"));
    EXPECT_EQ(ProfileFile::ReadString(IniPath(), "Data", "P1"), "");
    EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());
}

TEST_F(ProfileFileTest, UnwritableFolderFailsTheWrite)
{
    EXPECT_FALSE(ProfileFile::WriteString(PathOf("missing/Orvane.ini"), "Data", "P1", "b"));
    // Not even the superuser can create a file at the top of /proc.
    EXPECT_FALSE(ProfileFile::WriteString("/proc/orvane-test.ini", "Data", "P1", "b"));
}

TEST_F(ProfileFileTest, ReadOnlyFolderAndFileAreLeftAlone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file modes do not bind the superuser";
    const QByteArray before = "[Data]\nP1=a\n";
    WriteBytes(IniPath(), before);
    QFile::setPermissions(IniPath(), QFile::ReadOwner);
    EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
    QFile::setPermissions(IniPath(), QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(ProfileFile::WriteString(IniPath(), "Data", "P1", "b"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadBytes(IniPath()), before);
}

TEST_F(ProfileFileTest, SaveLeavesNoTemporaryFilesBehind)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(ProfileFile::WriteString(IniPath(), "Data", "P1", QString::number(i)));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Orvane.ini"});
}

} // namespace
