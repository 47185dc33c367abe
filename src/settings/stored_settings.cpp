#include "settings/stored_settings.h"

#include "platform/number_parsing.h"
#include "platform/profile_file.h"
#include "settings/settings_keys.h"

using namespace SettingsKey;

namespace {

bool FlagFromSetting(const QString& value)
{
    return value == kSetFlag;
}

QString FlagSetting(bool flag)
{
    return flag ? QString(kSetFlag) : QString(kClearFlag);
}

} // namespace

StoredSettings ReadStoredSettings(const QString& path)
{
    const ProfileFile file(path);
    StoredSettings settings;
    settings.portName = file.Read(kInterfaceSection, kPort);
    settings.baudRate = ParseLeadingInt32(file.Read(kInterfaceSection, kBaudrate));

    PageRows& pages = settings.pageRows;
    pages.allSelected = FlagFromSetting(file.Read(kDataSection, kSelectAll));
    for (int page = 1; page <= kPageCount; ++page) {
        PageRow& row = pages.rows[static_cast<std::size_t>(page - 1)];
        row.selected = FlagFromSetting(file.Read(kDataSection, PageSelectKey(page)));
        row.text = file.Read(kDataSection, PageTextKey(page));
        row.defaultText = file.Read(kDataSection, PageDefaultKey(page));
    }
    settings.displayFormat = DisplayFormatFromSetting(file.Read(kDataSection, kFormat));
    settings.carrierIdLength = ParseLeadingInt32(file.Read(kDataSection, kCarrierIdLength));
    settings.carrierIdText = file.Read(kDataSection, kCarrierId);
    settings.uidText = file.Read(kDataSection, kUid);
    settings.terminalSendText = file.Read(kTerminalSection, kSend);
    return settings;
}

bool WriteStoredSettings(const QString& path, const StoredSettings& settings)
{
    // Read again now, so that lines changed by hand meanwhile are kept as they are.
    ProfileFile file(path);
    file.Write(kInterfaceSection, kPort, settings.portName);
    file.Write(kInterfaceSection, kBaudrate, QString::number(settings.baudRate));

    const PageRows& pages = settings.pageRows;
    file.Write(kDataSection, kSelectAll, FlagSetting(pages.allSelected));
    for (int page = 1; page <= kPageCount; ++page)
        file.Write(kDataSection, PageSelectKey(page),
                   FlagSetting(pages.rows[static_cast<std::size_t>(page - 1)].selected));
    file.Write(kDataSection, kFormat, DisplayFormatSetting(settings.displayFormat));
    for (int page = 1; page <= kPageCount; ++page)
        file.Write(kDataSection, PageTextKey(page),
                   pages.rows[static_cast<std::size_t>(page - 1)].text);
    file.Write(kDataSection, kCarrierIdLength, QString::number(settings.carrierIdLength));
    file.Write(kDataSection, kCarrierId, settings.carrierIdText);
    file.Write(kDataSection, kUid, settings.uidText);
    file.Write(kTerminalSection, kSend, settings.terminalSendText);
    return file.Save();
}
