#pragma once

#include "app/corvane_dlg.h"
#include "framework/widget_text.h"
#include "resources/control_ids.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_message_presenter.h"
#include "support/scripted_reader.h"

#include <QPointF>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>

// The real main window, created without a modal loop in a temporary current directory, with the
// emulated reader on a pseudo-terminal and message boxes recorded instead of shown. The test acts
// as an operator: it presses what is found at a control's place and types through key events.
class WindowFixture : public PtyReaderFixture
{
protected:
    // TOR answer of the emulated reader: a read's timeout unit becomes 30 * 13 ms and a write's
    // 30 * 25 ms, so an answer has seconds on a loaded machine under the thread sanitizer.
    static constexpr int kTorAnswer = 30;
    // The unit a window starts with here: its first TOR is waited for four of them, seconds for
    // an emulated reader slowed down by the thread sanitizer on a loaded machine.
    static constexpr int kFirstTimeoutUnit = 1000;

    void SetUp() override;
    void TearDown() override;

    QString SettingsPath() const { return folder.filePath(QStringLiteral("Orvane.ini")); }
    void WriteSettings(const QByteArray& text) const;
    // The settings file's bytes, or "<no file>".
    QByteArray SettingsText() const;
    // A settings file that points at the emulated reader, followed by `more`.
    void WriteReaderSettings(const QByteArray& more = {}) const;

    // Creates and shows the window on whatever settings file there is.
    COrvaneDlg& Open();
    // Opens the window on the emulated reader with these "Data" lines (CR LF ended) and forgets
    // the bytes sent so far.
    COrvaneDlg& OpenOnReader(const QByteArray& dataLines = {});
    // Ends the run as the window's destruction does (the settings file is written).
    void Close();

    // A left click at `where` (fractions of the control's size) on the widget found there.
    void Press(int controlId, QPointF where = {0.5, 0.5}) const;
    // The same press on a control of another window, such as a dialog the window opened.
    static void PressIn(QWidget* window, QWidget* control, QPointF where = {0.5, 0.5});
    // Chooses a menu entry through the menu bar; inModal runs once the entry's modal dialog (if
    // any) is up.
    void Choose(int commandId, const std::function<void()>& inModal = {}) const;
    // Selects the field's text with a click and the keyboard, then types `keys` over it.
    void Type(int controlId, const QString& keys) const;

    QString Text(int controlId) const { return WidgetText(dialog->GetDlgItem(controlId)); }
    // One letter a field: W white, G green, R red; the 17 pages, a blank, carrier ID, UID.
    QString Colours() const;
    // Turns fields green or red as an earlier run would have (same letters as Colours).
    void Paint(const QString& colours) const;
    QStringList MessagesShown() const;
    void SetReaderPage(int page, const QByteArray& hex) const;

    // "SelectPn=1" lines.
    static QByteArray Select(std::initializer_list<int> pages);
    // A reader that answers as the emulated one (TOR with kTorAnswer) except for these lines.
    static ScriptedReader::Script Answering(std::map<QByteArray, QByteArray> answers);

    // Processes Qt events until condition holds; false when it did not within a generous bound.
    static bool ProcessEventsUntil(const std::function<bool()>& condition);

    RecordingMessagePresenter presenter;
    QTemporaryDir folder;
    QString previousFolder;
    std::unique_ptr<COrvaneDlg> dialog;
};

// One press of an operation's button on a freshly opened window, and what the operator sees
// afterwards. Unset expectations are not checked, except that no message box may appear.
struct OperationRow
{
    const char* name;
    QByteArray data;                                  // "Data" lines of the settings file
    std::map<QByteArray, QByteArray> answers = {};    // scripted lines; none: the emulated reader
    std::function<void(ReaderEmulator&)> setup = {};  // faults, locks or contents of the reader
    QString paint = {};                               // field colours before the press
    QByteArray sent = {};                             // what the reader received, in full
    QString colours = {};                             // field colours afterwards
    std::map<int, QString> texts = {};                // control id: text shown afterwards
    QString terminal = {};                            // terminal text afterwards (CR LF lines)
    QStringList messages = {};                        // message boxes shown
};

class OperationFixture : public WindowFixture
{
protected:
    // Each row on a window of its own, against a fresh emulated reader.
    void Run(int button, std::initializer_list<OperationRow> rows);
};

// The control id of page n's field.
int PageField(int page);

// Sets one fault of the emulated reader, such as &ReaderFaults::silent.
inline std::function<void(ReaderEmulator&)> Faulty(bool ReaderFaults::*fault)
{
    return [fault](ReaderEmulator& emulator) {
        ReaderFaults faults;
        faults.*fault = true;
        emulator.SetFaults(faults);
    };
}
