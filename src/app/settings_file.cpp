#include "app/corvane_dlg.h"
#include "settings/settings_keys.h"
#include "settings/stored_settings.h"

#include <QDir>

void COrvaneDlg::LoadSettings()
{
    // The path is kept whole: no directory is too long for it.
    startDirectory = QDir::currentPath();
    settingsPath = QDir(startDirectory).filePath(SettingsKey::kFileName);
    const StoredSettings stored = ReadStoredSettings(settingsPath);
    serialLink.portName = stored.portName;
    serialLink.baudRate = stored.baudRate;
    pageRows = stored.pageRows;
    displayFormat = stored.displayFormat;
    carrierIdLength = stored.carrierIdLength;
    carrierIdText = stored.carrierIdText;
    uidText = stored.uidText;
    terminal.sendText = stored.terminalSendText;
}

void COrvaneDlg::SaveSettings()
{
    if (settingsPath.isEmpty())
        return;
    StoredSettings stored;
    stored.portName = serialLink.portName;
    stored.baudRate = serialLink.baudRate;
    stored.pageRows = pageRows;
    stored.displayFormat = displayFormat;
    stored.carrierIdLength = carrierIdLength;
    stored.carrierIdText = carrierIdText;
    stored.uidText = uidText;
    stored.terminalSendText = terminal.sendText;
    // A file that cannot be written loses this run's settings without a message.
    WriteStoredSettings(settingsPath, stored);
}
