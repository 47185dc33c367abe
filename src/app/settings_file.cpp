#include "app/corvane_dlg.h"
#include "transponder/settings_keys.h"
#include "platform/number_parsing.h"
#include "platform/profile_file.h"
#include "transponder/page_row_table.h"

#include <QDir>

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

void COrvaneDlg::LoadSettings()
{
    // The path is kept whole: no directory is too long for it.
    startDirectory = QDir::currentPath();
    settingsPath = QDir(startDirectory).filePath(kFileName);
    const ProfileFile file(settingsPath);

    serialLink.portName = file.Read(kInterfaceSection, kPort);
    serialLink.baudRate = ParseLeadingInt32(file.Read(kInterfaceSection, kBaudrate));

    pageRows.allSelected = FlagFromSetting(file.Read(kDataSection, kSelectAll));
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        pageRows.rows[i].selected =
            FlagFromSetting(file.Read(kDataSection, kPageRows[i].selectKey));
    displayFormat = DisplayFormatFromSetting(file.Read(kDataSection, kFormat));
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        pageRows.rows[i].text = file.Read(kDataSection, kPageRows[i].textKey);
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        pageRows.rows[i].defaultText = file.Read(kDataSection, kPageRows[i].defaultKey);

    carrierIdLength = ParseLeadingInt32(file.Read(kDataSection, kCarrierIdLength));
    carrierIdText = file.Read(kDataSection, kCarrierId);
    uidText = file.Read(kDataSection, kUid);
    terminal.sendText = file.Read(kTerminalSection, kSend);
}

void COrvaneDlg::SaveSettings()
{
    if (settingsPath.isEmpty())
        return;
    // Read again at the end, so lines changed by hand during the run are kept as they are now.
    ProfileFile file(settingsPath);

    file.Write(kInterfaceSection, kPort, serialLink.portName);
    file.Write(kInterfaceSection, kBaudrate, QString::number(serialLink.baudRate));

    file.Write(kDataSection, kSelectAll, FlagSetting(pageRows.allSelected));
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        file.Write(kDataSection, kPageRows[i].selectKey, FlagSetting(pageRows.rows[i].selected));
    file.Write(kDataSection, kFormat, DisplayFormatSetting(displayFormat));
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        file.Write(kDataSection, kPageRows[i].textKey, pageRows.rows[i].text);
    file.Write(kDataSection, kCarrierIdLength, QString::number(carrierIdLength));
    file.Write(kDataSection, kCarrierId, carrierIdText);
    file.Write(kDataSection, kUid, uidText);

    file.Write(kTerminalSection, kSend, terminal.sendText);

    // A file that cannot be written loses this run's settings without a message.
    file.Save();
}
