#pragma once

#include "app/corvane_dlg.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_message_presenter.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// The real main window, created without a modal loop in a temporary current directory, with the
// emulated reader on a pseudo-terminal and message boxes recorded instead of shown.
class MainWindowFixture : public PtyReaderFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Orvane.ini in the current directory.
    QString SettingsPath() const;
    void WriteSettings(const QByteArray& text) const;
    // A settings file that points at the emulated reader, followed by `more`.
    void WriteReaderSettings(const QByteArray& more = {}) const;
    QByteArray SettingsText() const;

    // Creates and initialises the window; returns it.
    COrvaneDlg& Open();
    // Destroys the window (the end of a run) and the object.
    void Close();

    // Processes Qt events until condition holds; returns whether it did within a generous bound.
    static bool ProcessEventsUntil(const std::function<bool()>& condition);

    template <class T> T* Control(int id) const { return qobject_cast<T*>(dialog->GetDlgItem(id)); }

    RecordingMessagePresenter presenter;
    QTemporaryDir folder;
    QString previousFolder;
    std::unique_ptr<COrvaneDlg> dialog;
};
