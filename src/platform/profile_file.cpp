#include "platform/profile_file.h"

#include "platform/profile_file_encoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

QString ProfileFile::ReadString(const QString& path, const QString& section, const QString& key)
{
    return ProfileFile(path).Read(section, key);
}

bool ProfileFile::WriteString(const QString& path, const QString& section, const QString& key,
                              const QString& value)
{
    ProfileFile file(path);
    return file.Write(section, key, value) && file.Save();
}

ProfileFile::ProfileFile(QString path) : filePath(std::move(path)), loadState(Load()) {}

QString ProfileFile::Read(const QString& section, const QString& key) const
{
    return contents.Value(section, key);
}

bool ProfileFile::Write(const QString& section, const QString& key, const QString& value)
{
    return contents.SetValue(section, key, value);
}

bool ProfileFile::Save() const
{
    if (loadState == LoadState::Unreadable || filePath.isEmpty())
        return false;
    const QFileInfo info(filePath);
    if (info.exists() && !info.isWritable())
        return false;
    QSaveFile file(filePath);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = EncodeProfileText(contents.Text(), encoding);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

ProfileFile::LoadState ProfileFile::Load()
{
    if (filePath.isEmpty() || !QFileInfo::exists(filePath))
        return LoadState::Missing;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(filePath).isDir())
        return LoadState::Unreadable;
    // Read one byte past the bound: a device or a growing file reports no trustworthy size.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes || file.error() != QFileDevice::NoError)
        return LoadState::Unreadable;
    DecodedProfileText decoded = DecodeProfileText(bytes);
    contents = ProfileFileContents(decoded.text);
    encoding = decoded.encoding;
    return LoadState::Loaded;
}
