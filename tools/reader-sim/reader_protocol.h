#pragma once

#include <QByteArray>

// Tokens of the reader's line protocol as the emulated reader speaks it.
namespace ReaderProtocol {
inline const QByteArray kCommandTimeout = QByteArrayLiteral("TOR");
inline const QByteArray kCommandRead = QByteArrayLiteral("RD");
inline const QByteArray kCommandWrite = QByteArrayLiteral("WD");
inline const QByteArray kCommandLock = QByteArrayLiteral("LD");
inline const QByteArray kCommandReadUid = QByteArrayLiteral("RUID");
inline const QByteArray kAnswerAck = QByteArrayLiteral("ACK");
inline const QByteArray kAnswerRefused = QByteArrayLiteral("NAK");
inline const QByteArray kMarkNoRead = QByteArrayLiteral("No Read");
inline const QByteArray kMarkError09 = QByteArrayLiteral("#09");
inline const QByteArray kMarkBadUid = QByteArrayLiteral("XXXXXXXX");
inline constexpr char kCarriageReturn = '\r';
inline constexpr char kLineFeed = '\n';
inline constexpr int kPageCount = 17;
inline constexpr int kPageSize = 8;
inline constexpr int kUidLength = 8;
} // namespace ReaderProtocol
