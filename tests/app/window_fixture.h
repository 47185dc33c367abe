#pragma once

#include "app/main_window.h"
#include "resources/control_names.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_message_presenter.h"
#include "support/scripted_reader.h"
#include "transponder/page_row_table.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "ui/terminal_output.h"

#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

// One press of an operation's button on a freshly opened window, and what the operator sees
// afterwards. Unset expectations are not checked, except that no message box may appear.
struct OperationRow
{
    QString name;
    QByteArray data;                               // "Data" lines of the settings file
    std::map<QByteArray, QByteArray> answers = {}; // scripted lines; none: the emulated reader
    std::function<void(ReaderEmulator&)> setup = [](ReaderEmulator&) {}; // faults, locks, pages
    QString paint = {};                            // field colours before the press
    QByteArray sent = {};                          // what the reader received, in full
    QString colours = {};                          // field colours afterwards
    std::map<QString, QString> texts = {};         // control name: text shown (terminal: CR LF)
    QStringList messages = {};                     // message boxes shown
};

using ControlName::PageField;

// What a control shows as text: an edit's contents (line breaks of the terminal output as CR LF), a
// combo box's edit text.
inline QString WidgetText(const QWidget* widget)
{
    if (auto* output = qobject_cast<const TerminalOutput*>(widget))
        return output->Text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return qobject_cast<const QLineEdit*>(widget)->text();
}

// The real main window, created without a modal loop in a temporary current directory, with the
// emulated reader on a pseudo-terminal and message boxes recorded instead of shown. The test acts
// as an operator: it presses what is found at a control's place and types through key events.
class WindowFixture : public PtyReaderFixture
{
protected:
    // TOR answer of the emulated reader: a read's timeout unit becomes 30 * 13 ms and a write's
    // 30 * 25 ms, so an answer has seconds on a loaded machine under the thread sanitizer.
    static constexpr int kTorAnswer = 30;
    // The timeout unit a test gives the window before an operation's first TOR, which is waited
    // for four units: ten seconds, which a loaded machine under the thread sanitizer needs.
    static constexpr int kFirstTimeoutUnit = 2500;

    void SetUp() override
    {
        PtyReaderFixture::SetUp();
        ASSERT_TRUE(folder.isValid() && QDir::setCurrent(folder.path()));
    }

    void TearDown() override
    {
        dialog.reset();
        QDir::setCurrent(previousFolder);
        PtyReaderFixture::TearDown();
    }

    QString SettingsPath() const { return folder.filePath(QStringLiteral("Orvane.ini")); }

    void WriteSettings(const QByteArray& text) const
    {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    // The settings file's bytes, or "<no file>".
    QByteArray SettingsText() const
    {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    // A settings file that points at the emulated reader, followed by `more`.
    void WriteReaderSettings(const QByteArray& more = {}) const
    {
        WriteSettings("[Interface]\nPort=" + SlavePath().toUtf8() + "\nBaudrate=115200\n" + more);
    }

    // Creates and shows the window on whatever settings file there is.
    MainWindow& Open()
    {
        dialog = std::make_unique<MainWindow>();
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }

    // Opens the window on the emulated reader with these "Data" lines (CR LF ended) and forgets
    // the bytes sent so far.
    MainWindow& OpenOnReader(const QByteArray& dataLines = {})
    {
        reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTorAnswer); });
        WriteReaderSettings("[Data]\r\n" + dataLines);
        MainWindow& window = Open();
        window.Model().timeoutUnit = kFirstTimeoutUnit;
        EXPECT_EQ(window.Link().connected, 1);
        reader->ClearReceivedBytes();
        return window;
    }

    // Ends the run as the window's destruction does (the settings file is written).
    void Close() { dialog.reset(); }

    QWidget* Control(const QString& name) const { return dialog->findChild<QWidget*>(name); }

    // A left click at `where` (fractions of the control's size) on the widget found there.
    void Press(const QString& name, QPointF where = {0.5, 0.5}) const
    {
        PressIn(dialog.get(), Control(name), where);
    }

    // The same press on a control of another window, such as a dialog the window opened.
    static void PressIn(QWidget* window, QWidget* control, QPointF where = {0.5, 0.5})
    {
        const QPoint inWindow = control->mapTo(
            window, QPoint(int(control->width() * where.x()), int(control->height() * where.y())));
        QWidget* found = window->childAt(inWindow);
        ASSERT_TRUE(found == control || control->isAncestorOf(found))
            << "a " << control->metaObject()->className() << " is covered";
        QTest::mouseClick(found, Qt::LeftButton, {}, found->mapFrom(window, inWindow));
    }

    // Chooses a menu entry through the menu bar; inModal runs once the entry's modal dialog (if
    // any) is up.
    void Choose(const QString& name, const std::function<void()>& inModal = {}) const
    {
        auto* entry = dialog->findChild<QAction*>(name);
        auto* bar = dialog->findChild<QMenuBar*>();
        auto* menu = qobject_cast<QMenu*>(entry->associatedObjects().value(0));
        const QPoint title = bar->actionGeometry(menu->menuAction()).center();
        QTest::mouseClick(bar, Qt::LeftButton, {}, title);
        ASSERT_TRUE(ProcessEventsUntil([&] { return menu->isVisible(); }));
        // Runs inModal from the modal loop once a modal window is up.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (inModal && QApplication::activeModalWidget() != nullptr) {
                poll.stop();
                inModal();
            }
        });
        poll.start(0);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    }

    // Selects the field's text with a click and the keyboard, then types `keys` over it.
    void Type(const QString& name, const QString& keys) const
    {
        Press(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        if (keys.isEmpty())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }

    QString Text(const QString& name) const { return WidgetText(Control(name)); }

    // One letter a field: W white, G green, R red; the 17 pages, a blank, carrier ID, UID.
    QString Colours() const
    {
        QString letters;
        for (const EnterField* field : LetteredFields())
            letters += field ? u"?WGR"[kColours.indexOf(field->BackgroundColor()) + 1] : u' ';
        return letters;
    }

    // Turns fields green or red as an earlier run would have (same letters as Colours).
    void Paint(const QString& colours) const
    {
        const auto fields = LetteredFields();
        for (qsizetype i = 0; i < colours.size(); ++i)
            if (fields[i] != nullptr)
                fields[i]->SetBackgroundColor(kColours[QStringView(u"WGR").indexOf(colours[i])]);
    }

    QStringList MessagesShown() const
    {
        QStringList texts;
        for (const MessageBoxRequest& request : presenter.shown)
            texts.append(request.text);
        return texts;
    }

    void SetReaderPage(int page, const QByteArray& hex) const
    {
        ReaderEmulator::Page content{};
        std::ranges::copy(QByteArray::fromHex(hex).left(content.size()), content.begin());
        reader->Configure([&](ReaderEmulator& r) { r.SetPageContent(page, content); });
    }

    // "SelectPn=1" lines.
    static QByteArray Select(std::initializer_list<int> pages)
    {
        QByteArray lines;
        for (int page : pages)
            lines += "SelectP" + QByteArray::number(page) + "=1\r\n";
        return lines;
    }

    // A reader that answers as the emulated one (TOR with kTorAnswer) except for these lines.
    static ScriptedReader::Script Answering(std::map<QByteArray, QByteArray> answers)
    {
        answers.emplace("TOR", QByteArray::number(kTorAnswer) + '\r');
        return ScriptedReader::AnsweringExcept(std::move(answers));
    }

    // Presses the button once for each row, on a window of its own against a fresh emulated
    // reader, and checks what the row expects.
    void Run(const QString& button, std::initializer_list<OperationRow> rows)
    {
        for (const OperationRow& row : rows) {
            SCOPED_TRACE(row.name.toStdString());
            reader->Configure([&](ReaderEmulator& emulator) { row.setup(emulator = {}); });
            OpenOnReader(row.data);
            std::optional<ScriptedReader> scripted;
            if (!row.answers.empty())
                scripted.emplace(*reader, Answering(row.answers));
            Paint(row.paint);
            presenter.shown.clear();
            Press(button);
            // A command whose answer never came may still be on its way to the reader.
            // Events posted during the press run too: lines the terminal was handed meanwhile.
            EXPECT_TRUE(ProcessEventsUntil([&] { return reader->ReceivedBytes() == row.sent; }))
                << reader->ReceivedBytes().constData();
            EXPECT_EQ(row.colours.isEmpty() ? QString() : Colours(), row.colours);
            for (const auto& [name, text] : row.texts)
                EXPECT_EQ(Text(name), text) << name.toStdString();
            EXPECT_EQ(MessagesShown(), row.messages);
            EXPECT_FALSE(dialog->Link().receiveThread.IsBusy());
            Close();
        }
    }

    // Processes Qt events until condition holds; false when it did not within a generous bound.
    static bool ProcessEventsUntil(const std::function<bool()>& condition)
    {
        return WaitUntil([&] { QCoreApplication::processEvents(); return condition(); });
    }

    RecordingMessagePresenter presenter;
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    std::unique_ptr<MainWindow> dialog;

    // Colours() letters W, G and R in this order.
    static inline const QList<QColor> kColours = {kColourWhite, kColourGreen, kColourRed};

    // The fields Colours() and Paint() letter, with the blank between pages and carrier ID as
    // nullptr.
    QList<EnterField*> LetteredFields() const
    {
        QList<EnterField*> fields;
        for (EnterField* field : dialog->Widgets().pageFields)
            fields.append(field);
        return fields << nullptr << dialog->Widgets().carrierIdField << dialog->Widgets().uidField;
    }
};
