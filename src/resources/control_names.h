#pragma once

#include <QString>

// Object names of the controls and menu entries that the windows look up.
namespace ControlName {

inline const QString kWriteButton = QStringLiteral("writeButton");
inline const QString kReadButton = QStringLiteral("readButton");
inline const QString kLockButton = QStringLiteral("lockButton");
inline const QString kAllBox = QStringLiteral("allBox");
inline const QString kDefaultContentButton = QStringLiteral("defaultContentButton");
inline const QString kCarrierIdLengthLabel = QStringLiteral("carrierIdLengthLabel");
inline const QString kCarrierIdLengthField = QStringLiteral("carrierIdLengthField");
inline const QString kCarrierIdLengthSpin = QStringLiteral("carrierIdLengthSpin");
inline const QString kReadCarrierIdButton = QStringLiteral("readCarrierIdButton");
inline const QString kWriteCarrierIdButton = QStringLiteral("writeCarrierIdButton");
inline const QString kCarrierIdField = QStringLiteral("carrierIdField");
inline const QString kSendField = QStringLiteral("sendField");
inline const QString kSendButton = QStringLiteral("sendButton");
inline const QString kTerminalOutput = QStringLiteral("terminalOutput");
inline const QString kReadUidButton = QStringLiteral("readUidButton");
inline const QString kUidField = QStringLiteral("uidField");
inline const QString kHexBox = QStringLiteral("hexBox");
inline const QString kAsciiBox = QStringLiteral("asciiBox");

// Page n's controls, n 1..17.
inline QString PageBox(int page) { return QStringLiteral("pageBox%1").arg(page); }
inline QString PageField(int page) { return QStringLiteral("pageField%1").arg(page); }
inline QString PageDescription(int page) { return QStringLiteral("pageDescription%1").arg(page); }

// Menu entries of the main window.
inline const QString kFileExit = QStringLiteral("fileExit");
inline const QString kInterfaceSettings = QStringLiteral("interfaceSettings");
inline const QString kDeviceManager = QStringLiteral("deviceManager");
inline const QString kTerminalShow = QStringLiteral("terminalShow");
inline const QString kTerminalClear = QStringLiteral("terminalClear");
inline const QString kInfo = QStringLiteral("info");

// The Interface dialog.
inline const QString kPortCombo = QStringLiteral("portCombo");
inline const QString kBaudRateCombo = QStringLiteral("baudRateCombo");
// The line under the group box that says which serial devices do not open now.
inline const QString kUnopenablePortsText = QStringLiteral("unopenablePortsText");

} // namespace ControlName
