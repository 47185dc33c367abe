#pragma once

#include <QLatin1StringView>
#include <QString>

// The settings file's name, sections and keys.
namespace SettingsKey {

inline constexpr QLatin1StringView kFileName{"Orvane.ini"};

inline constexpr QLatin1StringView kInterfaceSection{"Interface"};
inline constexpr QLatin1StringView kPort{"Port"};
inline constexpr QLatin1StringView kBaudrate{"Baudrate"};

inline constexpr QLatin1StringView kDataSection{"Data"};
// A page's keys in kDataSection, page 1..17: "SelectP1", "P1", "P1Default".
QString PageSelectKey(int page);
QString PageTextKey(int page);
QString PageDefaultKey(int page);
inline constexpr QLatin1StringView kSelectAll{"SelectAll"};
inline constexpr QLatin1StringView kFormat{"Format"};
inline constexpr QLatin1StringView kCarrierIdLength{"CarrierIDLength"};
inline constexpr QLatin1StringView kCarrierId{"CarrierID"};
inline constexpr QLatin1StringView kUid{"UID"};

inline constexpr QLatin1StringView kTerminalSection{"Terminal"};
inline constexpr QLatin1StringView kSend{"Send"};

// A flag is set only by exactly this text; it is written as this or kClearFlag.
inline constexpr QLatin1StringView kSetFlag{"1"};
inline constexpr QLatin1StringView kClearFlag{"0"};

} // namespace SettingsKey
