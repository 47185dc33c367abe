#pragma once

#include "platform/profile_file_contents.h"
#include "platform/profile_file_encoding.h"

#include <QString>

// A settings file of "[Section]" headers and "Key=Value" lines: the classic one-call reads and
// writes, and an object that reads the file once, serves many reads and writes it back once.
//
// Section and key names match without regard to case; the first of duplicate sections or keys
// wins. A file larger than kMaxFileBytes, or one that cannot be read, reads as empty and is never
// overwritten. The file is written back in the encoding it was read in (see DecodeProfileText).
// Writes go to a temporary file in the same folder that is then renamed over the file, so a crash
// never leaves half a file behind; where the folder takes no new file, the file is written in
// place.
class ProfileFile
{
public:
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    // Returns the value of `key` in `section` of the file at `path` (see
    // ProfileFileContents::Value); "" when the file, section or key is absent or unreadable.
    static QString ReadString(const QString& path, const QString& section, const QString& key);

    // Sets `key` in `section` to `value` and writes the file, creating it when missing. Returns
    // false when the file could not be read or written or the names or value cannot be stored;
    // the file on disk is then unchanged.
    static bool WriteString(const QString& path, const QString& section, const QString& key,
                            const QString& value);

    // Reads the file at `path` now; a missing file starts empty.
    explicit ProfileFile(QString path);

    // Returns the value as ReadString does, from the text read at construction or since changed.
    QString Read(const QString& section, const QString& key) const;

    // Changes the value in memory only. Returns false, changing nothing, when the names or value
    // cannot be stored.
    bool Write(const QString& section, const QString& key, const QString& value);

    // Writes the whole text to the file. Returns false, leaving the file as it was, when the file
    // existed but could not be read or is read-only, or is missing and the folder cannot take it.
    bool Save() const;

private:
    enum class LoadState {
        Missing,
        Loaded,
        Unreadable,
    };

    LoadState Load();

    QString filePath;
    ProfileFileContents contents;
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    LoadState loadState;
};
