#include "app/main_window_fixture.h"

#include "support/wait_until.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

void MainWindowFixture::SetUp()
{
    PtyReaderFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
}

void MainWindowFixture::TearDown()
{
    dialog.reset();
    QDir::setCurrent(previousFolder);
    PtyReaderFixture::TearDown();
}

QString MainWindowFixture::SettingsPath() const
{
    return QDir(folder.path()).filePath(QStringLiteral("Orvane.ini"));
}

void MainWindowFixture::WriteSettings(const QByteArray& text) const
{
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void MainWindowFixture::WriteReaderSettings(const QByteArray& more) const
{
    WriteSettings("[Interface]\nPort=" + SlavePath().toUtf8() + "\nBaudrate=115200\n" + more);
}

QByteArray MainWindowFixture::SettingsText() const
{
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

COrvaneDlg& MainWindowFixture::Open()
{
    dialog = std::make_unique<COrvaneDlg>();
    EXPECT_TRUE(dialog->Create());
    // Focus follows the active window, as on a desktop.
    QWidget* window = dialog->GetSafeWidget();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return *dialog;
}

void MainWindowFixture::Close()
{
    if (dialog)
        dialog->DestroyWindow();
    dialog.reset();
}

bool MainWindowFixture::ProcessEventsUntil(const std::function<bool()>& condition)
{
    return WaitUntil([&] {
        QCoreApplication::processEvents();
        return condition();
    });
}
