#include "cli/page_image_file.h"

#include "platform/profile_file.h"
#include "transponder/page_row_table.h"
#include "transponder/settings_keys.h"

#include <QFileInfo>

using namespace SettingsKey;

std::optional<PageImage> LoadPageImage(const QString& path, bool selectedOnly)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const ProfileFile file(path);
    PageImage image;
    image.format = DisplayFormatFromSetting(file.Read(kDataSection, kFormat));
    bool anyText = false;
    for (const PageRowConstants& row : kPageRows) {
        const QString text = file.Read(kDataSection, row.textKey);
        anyText = anyText || !text.isEmpty();
        const bool selected = file.Read(kDataSection, row.selectKey) == kSetFlag;
        if (!text.isEmpty() && (selected || !selectedOnly))
            image.pages.push_back({row.page, text});
    }
    if (!anyText)
        return std::nullopt;
    return image;
}

bool SavePageImage(const QString& path, const std::vector<PageText>& pagesHex)
{
    ProfileFile file(path);
    const DisplayFormat format = DisplayFormatFromSetting(file.Read(kDataSection, kFormat));
    if (format == DisplayFormat::Ascii) {
        for (const PageRowConstants& row : kPageRows) {
            const QString text = file.Read(kDataSection, row.textKey);
            if (!text.isEmpty())
                file.Write(kDataSection, row.textKey, HexFormOf(text, format));
        }
    }
    for (const PageText& page : pagesHex)
        file.Write(kDataSection, kPageRows[page.page - 1].textKey, page.text);
    file.Write(kDataSection, kFormat, DisplayFormatSetting(DisplayFormat::Hex));
    return file.Save();
}
