#include "settings/settings_keys.h"

namespace SettingsKey {

QString PageSelectKey(int page)
{
    return QStringLiteral("SelectP%1").arg(page);
}

QString PageTextKey(int page)
{
    return QStringLiteral("P%1").arg(page);
}

QString PageDefaultKey(int page)
{
    return QStringLiteral("P%1Default").arg(page);
}

} // namespace SettingsKey
