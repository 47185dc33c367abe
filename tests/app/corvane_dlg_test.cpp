#include "app/window_fixture.h"

#include "framework/menu_flags.h"
#include "platform/serial_device.h"
#include "resources/command_ids.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, ShowTwiceReturnsToTheNarrowSizeAtTheSameCorner)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    window.GetSafeWidget()->move(120, 80);
    const QPoint corner = window.GetWindowRect().topLeft();
    const QWidget* client = window.GetDlgItem(kReadButton)->parentWidget();
    for (const auto& [size, checked] :
         {std::pair(QSize(874, 429), MF_CHECKED), std::pair(QSize(660, 429), MF_UNCHECKED)}) {
        Choose(CommandId::kTerminalShow);
        EXPECT_EQ(client->size(), size);
        EXPECT_EQ(window.GetMenu()->GetMenuState(CommandId::kTerminalShow), int(checked));
        for (int id : {kSendField, kSendButton, kTerminalOutput})
            EXPECT_LE(window.GetDlgItem(id)->geometry().right(), 873) << id;
    }
    EXPECT_EQ(window.GetWindowRect().topLeft(), corner);
}

// How a run ends: what the settings file keeps of a typed page and whether the port is free.
TEST_F(MainWindowTest, EveryWayOfEndingSavesAndReleasesThePort)
{
    const struct
    {
        const char* name;
        std::function<void(COrvaneDlg&)> end;
        int result;
        QByteArray kept;
    } rows[] = {
        {"File > Exit takes the fields over", [this](COrvaneDlg&) { Choose(CommandId::kFileExit); },
         IDOK, "\nP1=0011223344556677\n"},
        {"Escape does not",
         [](COrvaneDlg& w) { QTest::keyClick(w.GetDlgItem(kLockButton), Qt::Key_Escape); },
         IDCANCEL, "\nP1=AAAA\n"},
        {"the close box does not", [](COrvaneDlg& w) { w.GetSafeWidget()->close(); }, IDCANCEL,
         "\nP1=AAAA\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteReaderSettings("[Data]\nP1=AAAA\n");
        COrvaneDlg& window = Open();
        Type(PageField(1), QStringLiteral("0011223344556677"));
        row.end(window);
        EXPECT_EQ(window.EndResult(), row.result);
        Close();
        EXPECT_TRUE(SettingsText().contains(row.kept)) << SettingsText().constData();
        EXPECT_TRUE(presenter.shown.empty());
        EXPECT_NE(SerialDevice::Open(SlavePath()), nullptr) << "another program can take it";
    }
}

TEST_F(MainWindowTest, ExitWithAnOverlongAsciiPageKeepsTheWindowOpenOnThatField)
{
    WriteReaderSettings("[Data]\nFormat=1\nP2=0123456789ABCDEF\nUID=old\n");
    COrvaneDlg& window = Open();
    Type(kUidField, QStringLiteral("new"));
    Choose(CommandId::kFileExit);
    EXPECT_FALSE(window.EndResult().has_value());
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), window.GetDlgItem(PageField(2)));
    EXPECT_EQ(window.uidText, QStringLiteral("old")); // bound after the page fields
}

TEST_F(MainWindowTest, EnterInPageCarrierIdAndUidFieldsNeitherSendsNorCloses)
{
    COrvaneDlg& window = OpenOnReader();
    for (int id : {PageField(1), PageField(17), int(kCarrierIdField), int(kUidField)}) {
        Press(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(window.EndResult().has_value()) << id;
    }
    // The reader's first bytes are the ones sent after the Enter keys.
    Choose(CommandId::kTerminalShow);
    Type(kSendField, QStringLiteral("MARK"));
    Press(kSendButton);
    // Waits for a whole line: the reader may have recorded part of it.
    EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes().endsWith('\r'); }));
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("MARK\r"));
}

TEST_F(MainWindowTest, MissingPortShowsOneMessageAndLeavesAUsableWindow)
{
    WriteSettings("[Interface]\nPort=/dev/no-such-reader\nBaudrate=9600\n");
    COrvaneDlg& window = Open();
    ASSERT_EQ(MessagesShown().size(), 1);
    EXPECT_TRUE(MessagesShown()[0].startsWith("/dev/no-such-reader could not be opened!\n"));
    EXPECT_EQ(window.serialLink.connected, 0);
    Choose(CommandId::kTerminalShow);
    Press(kSendButton);
    EXPECT_TRUE(window.terminal.outputText.isEmpty());
    Press(kReadButton);
    Close();
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(MainWindowTest, InfoOpensTheAboutBoxWithoutAVisibleButtonAndEscapeClosesIt)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    QSize picture;
    bool visibleButton = false;
    Choose(CommandId::kInfo, [&] {
        QWidget* box = QApplication::activeModalWidget();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                picture = label->pixmap().size();
        for (QPushButton* button : box->findChildren<QPushButton*>())
            visibleButton = visibleButton || button->isVisible();
        QTest::keyClick(box, Qt::Key_Return); // no visible OK: Enter does not close it
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(picture, QSize(460, 460));
    EXPECT_FALSE(visibleButton);
    EXPECT_FALSE(window.EndResult().has_value());
}

} // namespace
