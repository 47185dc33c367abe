#include "app/window_fixture.h"

#include "support/wait_until.h"
#include "transponder/page_row_table.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

void WindowFixture::SetUp()
{
    PtyReaderFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
}

void WindowFixture::TearDown()
{
    dialog.reset();
    QDir::setCurrent(previousFolder);
    PtyReaderFixture::TearDown();
}

void WindowFixture::WriteSettings(const QByteArray& text) const
{
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray WindowFixture::SettingsText() const
{
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void WindowFixture::WriteReaderSettings(const QByteArray& more) const
{
    WriteSettings("[Interface]\nPort=" + SlavePath().toUtf8() + "\nBaudrate=115200\n" + more);
}

COrvaneDlg& WindowFixture::Open()
{
    dialog = std::make_unique<COrvaneDlg>();
    EXPECT_TRUE(dialog->Create());
    dialog->GetSafeWidget()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog->GetSafeWidget()));
    return *dialog;
}

COrvaneDlg& WindowFixture::OpenOnReader(const QByteArray& dataLines)
{
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTorAnswer); });
    WriteReaderSettings("[Data]\r\n" + dataLines);
    COrvaneDlg& window = Open();
    window.TimeoutUnit = kFirstTimeoutUnit;
    EXPECT_EQ(window.serialLink.connected, 1);
    reader->ClearReceivedBytes();
    return window;
}

void WindowFixture::Close()
{
    if (dialog)
        dialog->DestroyWindow();
    dialog.reset();
}

void WindowFixture::Press(int controlId, QPointF where) const
{
    QWidget* control = dialog->GetDlgItem(controlId);
    ASSERT_NE(control, nullptr) << controlId;
    PressIn(dialog->GetSafeWidget(), control, where);
}

void WindowFixture::PressIn(QWidget* window, QWidget* control, QPointF where)
{
    const QPoint inControl(int(control->width() * where.x()), int(control->height() * where.y()));
    const QPoint inWindow = control->mapTo(window, inControl);
    QWidget* found = window->childAt(inWindow);
    ASSERT_NE(found, nullptr) << "nothing to press at " << control->metaObject()->className();
    EXPECT_TRUE(found == control || control->isAncestorOf(found))
        << "a " << control->metaObject()->className() << " is covered by a "
        << found->metaObject()->className();
    QTest::mouseClick(found, Qt::LeftButton, {}, found->mapFrom(window, inWindow));
}

void WindowFixture::Choose(int commandId, const std::function<void()>& inModal) const
{
    QAction* entry = dialog->GetMenu()->FindCommand(commandId);
    ASSERT_NE(entry, nullptr) << commandId;
    auto* bar = dialog->GetSafeWidget()->findChild<QMenuBar*>();
    auto* menu = qobject_cast<QMenu*>(entry->associatedObjects().value(0));
    ASSERT_TRUE(bar != nullptr && menu != nullptr) << commandId;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(ProcessEventsUntil([&] { return menu->isVisible(); }));
    // Runs inModal from the modal loop once a modal window is up.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() == nullptr)
            return;
        poll.stop();
        inModal();
    });
    if (inModal)
        poll.start(0);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

void WindowFixture::Type(int controlId, const QString& keys) const
{
    Press(controlId);
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (keys.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, keys);
}

namespace {

QChar Letter(COLORREF colour)
{
    return colour == kColourWhite ? u'W' : colour == kColourGreen ? u'G'
                                       : colour == kColourRed   ? u'R'
                                                                : u'?';
}

COLORREF FromLetter(QChar letter)
{
    return letter == u'G' ? kColourGreen : letter == u'R' ? kColourRed : kColourWhite;
}

} // namespace

QString WindowFixture::Colours() const
{
    QString letters;
    for (const auto* field : dialog->pageFields.InPageOrder())
        letters += Letter(field->backgroundColor);
    return letters + u' ' + Letter(dialog->carrierIdField.backgroundColor) +
           Letter(dialog->uidField.backgroundColor);
}

void WindowFixture::Paint(const QString& colours) const
{
    if (colours.isEmpty())
        return;
    const auto fields = dialog->pageFields.InPageOrder();
    for (std::size_t page = 0; page < fields.size(); ++page)
        fields[page]->SetBackgroundColor(FromLetter(colours[qsizetype(page)]));
    dialog->carrierIdField.SetBackgroundColor(FromLetter(colours[18]));
    dialog->uidField.SetBackgroundColor(FromLetter(colours[19]));
}

QStringList WindowFixture::MessagesShown() const
{
    QStringList texts;
    for (const MessageBoxRequest& request : presenter.shown)
        texts.append(request.text);
    return texts;
}

void WindowFixture::SetReaderPage(int page, const QByteArray& hex) const
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    ReaderEmulator::Page content{};
    std::copy_n(bytes.cbegin(), std::min<std::size_t>(content.size(), bytes.size()),
                content.begin());
    reader->Configure([&](ReaderEmulator& emulator) { emulator.SetPageContent(page, content); });
}

QByteArray WindowFixture::Select(std::initializer_list<int> pages)
{
    QByteArray lines;
    for (int page : pages)
        lines += "SelectP" + QByteArray::number(page) + "=1\r\n";
    return lines;
}

ScriptedReader::Script WindowFixture::Answering(std::map<QByteArray, QByteArray> answers)
{
    answers.emplace("TOR", QByteArray::number(kTorAnswer) + '\r');
    return ReaderScriptWith([answers = std::move(answers)](const QByteArray& command) {
        const auto found = answers.find(command);
        return found == answers.end() ? std::nullopt : std::optional(found->second);
    });
}

bool WindowFixture::ProcessEventsUntil(const std::function<bool()>& condition)
{
    return WaitUntil([&] {
        QCoreApplication::processEvents();
        return condition();
    });
}

int PageField(int page)
{
    return kPageRows[page - 1].fieldId;
}

void OperationFixture::Run(int button, std::initializer_list<OperationRow> rows)
{
    for (const OperationRow& row : rows) {
        SCOPED_TRACE(row.name);
        reader->Configure([&](ReaderEmulator& emulator) {
            emulator = ReaderEmulator();
            if (row.setup)
                row.setup(emulator);
        });
        OpenOnReader(row.data);
        std::optional<ScriptedReader> scripted;
        if (!row.answers.empty())
            scripted.emplace(*reader, Answering(row.answers));
        Paint(row.paint);
        presenter.shown.clear();

        Press(button);

        // A command whose answer never came may still be on its way to the reader.
        EXPECT_TRUE(WaitUntil([&] { return reader->ReceivedBytes() == row.sent; }))
            << reader->ReceivedBytes().constData();
        EXPECT_EQ(row.colours.isEmpty() ? QString() : Colours(), row.colours);
        for (const auto& [id, text] : row.texts)
            EXPECT_EQ(Text(id), text) << "control " << id;
        EXPECT_EQ(row.terminal.isNull() ? QString() : Text(ControlId::kTerminalOutput),
                  row.terminal);
        EXPECT_EQ(MessagesShown(), row.messages);
        EXPECT_FALSE(dialog->serialLink.receiveThread.IsBusy());
        scripted.reset();
        Close();
    }
}
