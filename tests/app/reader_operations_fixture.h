#pragma once

#include "app/main_window_fixture.h"
#include "framework/colours.h"
#include "support/scripted_reader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The main window against the emulated reader, for the page operations: it opens the window with
// page settings, answers the first TOR so that the waits become short, and reads back what the
// window shows.
class ReaderOperationsFixture : public MainWindowFixture
{
protected:
    // TOR answer of the emulated reader: a read's timeout unit becomes 5 * 13 ms and a write's or
    // lock's 5 * 25 ms, so a silent reader is waited out in about a second while an answer still
    // has hundreds of milliseconds on a loaded machine running sanitizer builds.
    static constexpr int kShortTimeoutAnswer = 5;

    // Opens the window on the emulated reader with the "Data" settings lines dataLines (for
    // example "SelectP5=1\r\nP5=00"), and forgets the bytes sent so far.
    COrvaneDlg& OpenWithData(const QByteArray& dataLines = {});

    // A reader that answers like the emulated one (TOR with kShortTimeoutAnswer) except where
    // answers gives the bytes for a command line.
    static ScriptedReader::Script
    ScriptWith(std::function<std::optional<QByteArray>(const QByteArray&)> answers);

    // "SelectPn=1" lines for the given pages (1..17).
    static QByteArray SelectLines(const std::vector<int>& pages);

    // Clicks the real control: a check box changes state before its handler runs.
    void Click(int controlId) const;

    // What the window shows: a page field's text and colour, the terminal output (CR LF lines).
    QString PageFieldText(int page) const;
    COLORREF PageFieldColour(int page) const;
    std::array<COLORREF, 17> PageFieldColours() const;
    QString TerminalShown() const;
    // True when the page field has the input focus.
    bool PageFieldHasFocus(int page) const;

    // True when the check box or circle shows picture.
    bool Shows(int boxId, const QPixmap& picture) const;
    // Texts of the message boxes shown so far.
    QStringList MessagesShown() const;

    // Carrier ID: opens the window with format "0" HEX or "1" ASCII, the length as typed and
    // the text, followed by more "Data" lines.
    COrvaneDlg& OpenWithCarrierId(const QByteArray& format, const QByteArray& length,
                                   const QByteArray& text, const QByteArray& more = {});

    // Gives page (1..17) of the emulated reader the 16 hexadecimal digits hex.
    void SetReaderPage(int page, const QByteArray& hex) const;

    // What the window shows: the carrier ID field's text and colour, the length field's text.
    QString CarrierIdShown() const;
    COLORREF CarrierIdColour() const;
    QString LengthShown() const;
    bool CarrierIdHasFocus() const;

    // The emulated reader's page content as 16 upper-case hexadecimal digits.
    QString ReaderPageHex(int page) const;
};
