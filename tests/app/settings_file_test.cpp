#include "app/window_fixture.h"

#include "resources/control_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using SettingsFileTest = WindowFixture;

// With the reader's port not open, no operation sends anything or shows a box; each leaves the
// fields as it always does without a reader (the write operations whiten what they would write,
// only the carrier ID write shows the clamped length).
TEST_F(SettingsFileTest, WithoutAnOpenPortNoOperationSendsOrShowsABox)
{
    const QString red = QStringLiteral("RRRRRRRRRRRRRRRRR RR");
    const struct
    {
        QString button;
        QString colours;
        QString length; // the carrier ID length field afterwards
    } rows[] = {
        {ControlName::kReadButton, red, "40"},
        {ControlName::kWriteButton, "WWWWWWWWWWWWWWWWW RR", "40"},
        {ControlName::kLockButton, red, "40"},
        {ControlName::kReadCarrierIdButton, red, "40"},
        {ControlName::kWriteCarrierIdButton, "WWRRRRRRRRRRRRRRR WR", "16"},
        {ControlName::kReadUidButton, red, "40"},
        {ControlName::kSendButton, red, "40"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button.toStdString());
        // A rate of 0 keeps the emulated reader's port closed.
        WriteSettings("[Interface]\nPort=" + SlavePath().toUtf8() +
                      "\nBaudrate=0\n[Data]\nSelectAll=1\nCarrierIDLength=40\n" + Select({2}) +
                      "P2=0011223344556677\nCarrierID=0A\n[Terminal]\nSend=RUID\n");
        MainWindow& window = Open();
        ASSERT_EQ(MessagesShown().size(), 1);
        presenter.shown.clear();
        Choose(ControlName::kTerminalShow);
        Paint(red);
        Press(row.button);
        EXPECT_EQ(Colours(), row.colours);
        EXPECT_EQ(Text(ControlName::kCarrierIdLengthField), row.length);
        EXPECT_EQ(Text(PageField(2)), QStringLiteral("0011223344556677"));
        EXPECT_EQ(Text(ControlName::kTerminalOutput), QString());
        EXPECT_TRUE(MessagesShown().isEmpty());
        EXPECT_FALSE(window.Link().receiveThread.IsBusy());
        QCoreApplication::processEvents();
        EXPECT_EQ(reader->ReceivedBytes(), QByteArray());
        Close();
    }
}

TEST_F(SettingsFileTest, NoFileStartsWithDefaultsAndReportsTheMissingPortOnce)
{
    MainWindow& window = Open();
    EXPECT_EQ(MessagesShown(), QStringList{" could not be opened!\nNo port is set: choose the "
                                           "reader's port under Interface > Settings."});
    EXPECT_EQ(window.Model().timeoutUnit, 160);
    Close();
    EXPECT_EQ(presenter.shown.size(), 1u);
}

// A new file holds every key in this order. The settings path has no length limit.
TEST_F(SettingsFileTest, EveryKeyIsWrittenBackAsReadInADeepFolder)
{
    QString deep = folder.path();
    while (deep.size() < 300)
        deep += QStringLiteral("/a_rather_long_folder_name");
    ASSERT_TRUE(QDir().mkpath(deep) && QDir::setCurrent(deep));
    QByteArray text = "[Interface]\nPort=" + SlavePath().toUtf8() + "\nBaudrate=19200\n[Data]\n";
    text += "SelectAll=1\n";
    for (int page = 1; page <= 17; ++page)
        text += "SelectP" + QByteArray::number(page) + (page % 3 == 0 ? "=1\n" : "=0\n");
    text += "Format=1\n";
    for (int page = 1; page <= 17; ++page)
        text += "P" + QByteArray::number(page) + "=Page " + QByteArray::number(page) + "\n";
    text += "CarrierIDLength=5\nCarrierID=ABCDE\nUID=0A1B2C3D\n[Terminal]\nSend=RD 3\n";
    QFile file(deep + QStringLiteral("/Orvane.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();

    MainWindow& window = Open();
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(window.Link().connected, 1);
    EXPECT_EQ(window.Model().pageRows.rows[2].selected, 1);
    EXPECT_EQ(window.Model().pageRows.rows[3].selected, 0);
    EXPECT_EQ(Text(PageField(17)), QStringLiteral("Page 17"));
    EXPECT_EQ(Text(ControlName::kSendField), QStringLiteral("RD 3"));
    ASSERT_TRUE(file.remove()); // so that only a written file can match
    Close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

TEST_F(SettingsFileTest, FlagsAndNumbersAreReadAsTheRuntimeReadsThemAndWrittenBackNormalised)
{
    const auto baud = [](MainWindow& w) { return std::int64_t{w.Link().baudRate}; };
    const auto length = [](MainWindow& w) { return std::int64_t{w.Model().carrierIdLength}; };
    const auto p3 = [](MainWindow& w) { return std::int64_t{w.Model().pageRows.rows[2].selected}; };
    const auto format = [](MainWindow& w) { return std::int64_t(w.Model().displayFormat); };
    // The runtime holds the number that is written back.
    const struct
    {
        const char* lines;
        std::function<std::int64_t(MainWindow&)> member;
        QByteArray writtenBack;
    } cases[] = {
        {"[Interface]\nBaudrate=  -12x", baud, "Baudrate=-12"},
        {"[Interface]\nBaudrate=9223372036854775808", baud, "Baudrate=2147483647"},
        {"[Data]\nCarrierIDLength=+7", length, "CarrierIDLength=7"},
        {"[Data]\nSelectP3=true", p3, "SelectP3=0"},
        {"[Data]\nselectp3=\"1\"", p3, "selectp3=1"},
        {"[Data]\nFormat=ascii", format, "Format=0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        WriteSettings(c.lines + QByteArray("\n"));
        Open();
        EXPECT_EQ(c.member(*dialog), c.writtenBack.split('=').last().toLongLong());
        Close();
        EXPECT_TRUE(SettingsText().contains('\n' + c.writtenBack + '\n')) << SettingsText().data();
    }
}

TEST_F(SettingsFileTest, HandWrittenDefaultsCommentsUnknownKeysAndGarbageSurviveRuns)
{
    const QByteArray handWritten = QByteArrayLiteral(
        "; reader on the bench\n\x01\x02 binary \xfe\xff\x00 junk\n[not a section\n"
        "=novalue\nPort\n[Data]\nP1Default=0011223344556677\nExtra=kept\n"
        "P17Default=8899AABBCCDDEEFF\nSelectAll=1\n");
    WriteSettings(handWritten);
    for (int run = 0; run < 2; ++run) {
        MainWindow& window = Open();
        EXPECT_EQ(window.Model().pageRows.rows[0].defaultText, QStringLiteral("0011223344556677"));
        EXPECT_EQ(window.Model().pageRows.rows[16].defaultText, QStringLiteral("8899AABBCCDDEEFF"));
        EXPECT_EQ(window.Model().pageRows.allSelected, 1);
        EXPECT_TRUE(window.Link().portName.isEmpty());
        Close();
    }
    const QByteArray text = SettingsText();
    EXPECT_TRUE(text.startsWith(handWritten)) << text.toHex().constData();
    EXPECT_EQ(text.count("P1Default"), 1);
}

TEST_F(SettingsFileTest, UnwritableSettingsStartWithDefaultsAndFailSilently)
{
    // A folder in the file's place can be neither read nor replaced, even with full rights.
    ASSERT_TRUE(QDir().mkdir(SettingsPath()));
    EXPECT_TRUE(Open().Link().portName.isEmpty());
    Close();
    EXPECT_EQ(presenter.shown.size(), 1u) << "only the port's";
    EXPECT_TRUE(QFileInfo(SettingsPath()).isDir());
}

} // namespace
