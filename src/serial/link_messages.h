#pragma once

#include <QString>

// Texts the serial link shows to the operator.
namespace LinkMessages {
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kCouldNotBeOpenedSuffix = QStringLiteral(" could not be opened!");
inline const QString kNoPortSet =
    QStringLiteral("No port is set: choose the reader's port under Interface > Settings.");
inline const QString kWasDisconnectedSuffix = QStringLiteral(" was disconnected.");
inline const QString kCannotClosePort = QStringLiteral("Can't close COM Port.");
} // namespace LinkMessages
