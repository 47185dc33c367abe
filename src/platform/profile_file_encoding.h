#pragma once

#include <QByteArray>
#include <QString>

// Text of a settings file as bytes on disk. Files are written as UTF-8; bytes that are not valid
// UTF-8 are taken as Windows-1252, so files saved by Windows programs still load.

// Returns the text of `bytes`: UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is
// kept as U+FEFF so that writing the text back reproduces it), otherwise Windows-1252. Never fails.
QString DecodeProfileText(const QByteArray& bytes);

// Returns `text` as UTF-8 bytes.
QByteArray EncodeProfileText(const QString& text);
