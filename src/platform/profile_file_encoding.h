#pragma once

#include <QByteArray>
#include <QString>

// Text of a settings file as bytes on disk, written back in the encoding it was read in so that
// lines nobody changed keep their bytes.

enum class ProfileEncoding {
    Utf8,
    Windows1252,
    Utf16LittleEndian,
    Utf16BigEndian,
};

struct DecodedProfileText
{
    QString text;
    ProfileEncoding encoding = ProfileEncoding::Utf8;
};

// Returns the text of `bytes` and the encoding it was found in: UTF-16 after a UTF-16 byte-order
// mark, else UTF-8 when the bytes are valid UTF-8, else Windows-1252 (files saved by Windows
// programs). A leading byte-order mark is kept as U+FEFF so that writing the text back reproduces
// it. Never fails.
DecodedProfileText DecodeProfileText(const QByteArray& bytes);

// Returns `text` in `encoding`; a character that Windows-1252 lacks makes the whole text UTF-8.
QByteArray EncodeProfileText(const QString& text, ProfileEncoding encoding);
