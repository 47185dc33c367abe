#pragma once

#include <QString>

// Names of the receive thread's events.
namespace ThreadEventNames {
inline const QString kPause = QStringLiteral("ThreadEvent_Pause");
inline const QString kExit = QStringLiteral("ThreadEvent_Exit");
inline const QString kLine = QStringLiteral("ThreadEvent_CR");
} // namespace ThreadEventNames
