#pragma once

#include <QString>

// Names of the messages the Enter-reporting fields send to their dialog.
inline const QString kEditMessageSuffix = QStringLiteral("-{165BBEA0-C1A8-11d5-A04D-006067718D04}");
inline const QString kSendFieldMessageName =
    QStringLiteral("UWM_EDIT_COMPLETE") + kEditMessageSuffix;

inline constexpr int kFirstNumberedEdit = 1;
inline constexpr int kLastNumberedEdit = 19;

// "UWM_EDIT<number>_COMPLETE-{...}" of the numbered field `number` (1 to 19).
inline QString NumberedEditMessageName(int number)
{
    return QStringLiteral("UWM_EDIT%1_COMPLETE").arg(number) + kEditMessageSuffix;
}
