#include "cli/page_image_file.h"

#include "platform/profile_file.h"
#include "settings/settings_keys.h"
#include "settings/stored_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace SettingsKey;

namespace {

constexpr QLatin1StringView kStandardStream{"-"};

// The system's reason why path cannot be opened for reading (writing: its folder for a new file,
// the file itself otherwise); empty when it can.
QString SystemReason(const QString& path, bool forWriting)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    const QString checked = forWriting && !info.exists() ? info.absolutePath() : path;
    if (::access(QFile::encodeName(checked).constData(), forWriting ? W_OK : R_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

// A private temporary copy of stdin, for the settings-file reader that reads files by path.
bool CopyStandardInput(QTemporaryFile& copy)
{
    QFile input;
    return copy.open() && input.open(stdin, QIODevice::ReadOnly) &&
           copy.write(input.readAll()) >= 0 && copy.flush();
}

} // namespace

std::optional<PageImage> LoadPageImage(const QString& path, bool selectedOnly, QString& failure)
{
    QTemporaryFile standardInput;
    if (path == kStandardStream && !CopyStandardInput(standardInput)) {
        failure = QStringLiteral("cannot read the image from stdin");
        return std::nullopt;
    }
    const QString filePath = path == kStandardStream ? standardInput.fileName() : path;
    if (const QString reason = SystemReason(filePath, false); !reason.isEmpty()) {
        failure = QStringLiteral("cannot open %1: %2").arg(path, reason);
        return std::nullopt;
    }
    const StoredSettings stored = ReadStoredSettings(filePath);
    PageImage image;
    image.format = stored.displayFormat;
    bool anyText = false;
    for (int page = 1; page <= kPageCount; ++page) {
        const PageRow& row = stored.pageRows.rows[static_cast<std::size_t>(page - 1)];
        anyText = anyText || !row.text.isEmpty();
        if (!row.text.isEmpty() && (row.selected || !selectedOnly))
            image.pages.push_back({page, row.text});
    }
    if (!anyText) {
        failure = QStringLiteral("%1 holds no page data")
                      .arg(path == kStandardStream ? QStringLiteral("stdin") : path);
        return std::nullopt;
    }
    return image;
}

QString SavePageImage(const QString& path, const std::vector<PageText>& pagesHex)
{
    ProfileFile file(path);
    const DisplayFormat format = DisplayFormatFromSetting(file.Read(kDataSection, kFormat));
    if (format == DisplayFormat::Ascii) {
        for (int page = 1; page <= kPageCount; ++page) {
            const QString text = file.Read(kDataSection, PageTextKey(page));
            if (!text.isEmpty())
                file.Write(kDataSection, PageTextKey(page), HexFormOf(text, format));
        }
    }
    for (const PageText& page : pagesHex)
        file.Write(kDataSection, PageTextKey(page.page), page.text);
    file.Write(kDataSection, kFormat, DisplayFormatSetting(DisplayFormat::Hex));
    if (file.Save())
        return {};
    const QString reason = SystemReason(path, true);
    return QStringLiteral("cannot write %1").arg(path) +
           (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
}

QString WritePageImage(QTextStream& out, const std::vector<PageText>& pagesHex)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("image.ini"));
    if (!folder.isValid() || !SavePageImage(path, pagesHex).isEmpty())
        return QStringLiteral("cannot make the image for stdout");
    QFile image(path);
    if (!image.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot make the image for stdout");
    out << QString::fromUtf8(image.readAll()) << Qt::flush;
    return {};
}
