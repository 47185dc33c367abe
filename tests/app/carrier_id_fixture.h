#pragma once

#include "app/reader_operations_fixture.h"

#include <QByteArray>
#include <QString>

// The main window against the emulated reader, for the carrier ID: opens it with a carrier ID and
// its length, sets the reader's pages and reads back the carrier ID fields and the messages shown.
class CarrierIdFixture : public ReaderOperationsFixture
{
protected:
    // Opens the window with the carrier ID settings (format "0" HEX or "1" ASCII, the length as
    // typed text, the carrier ID text) followed by the "Data" lines more.
    CTamblorDlg& OpenWithCarrierId(const QByteArray& format, const QByteArray& length,
                                   const QByteArray& text, const QByteArray& more = {});

    // Gives page (1..17) of the emulated reader the 16 hexadecimal digits hex.
    void SetReaderPage(int page, const QByteArray& hex) const;

    // What the window shows: the carrier ID field's text and colour, the length field's text.
    QString CarrierIdShown() const;
    COLORREF CarrierIdColour() const;
    QString LengthShown() const;
    bool CarrierIdHasFocus() const;
};
