#pragma once

#include <QLatin1StringView>

#include <array>

// The reader's line protocol: command tokens, answer marks, the waits and answer lengths of each
// command, and the scaling of the timeout unit by the reader's TOR answer.

// Commands: a line of characters closed by CR; nothing else goes on the wire.
inline constexpr QLatin1StringView kCommandEnd{"\r"};
inline constexpr QLatin1StringView kTimeoutQueryLine{"TOR\r"};
inline constexpr QLatin1StringView kReadUidLine{"RUID\r"};
// printf formats of the page commands, without the closing CR; %i is the page number 1..17 and
// %s the page contents as 16 hexadecimal digits.
inline constexpr char kReadPageFormat[] = "RD %i";
inline constexpr char kWritePageFormat[] = "WD %i %s";
inline constexpr char kLockPageFormat[] = "LD %i";

// Records that an exchange puts in the terminal. The write echo follows the command text with no
// space between the page data and the slashes.
inline constexpr QLatin1StringView kRecordEnd{"\r\n"};
inline constexpr char kReadPageEchoFormat[] = "RD %i // Read page %i\r\n";
inline constexpr char kWritePageEchoSuffixFormat[] = "// Write page %i\r\n";
inline constexpr char kLockPageEchoFormat[] = "LD %i // Lock page %i\r\n";
inline constexpr QLatin1StringView kReadUidEcho{"RUID // Read UID\r\n"};
// On top of the records of a run the operator stopped.
inline constexpr QLatin1StringView kStoppedRecord{"stopped\r\n"};

// Answers.
inline constexpr QLatin1StringView kAcknowledge{"ACK"};
inline constexpr QLatin1StringView kNoReadMark{"No Read"};
inline constexpr QLatin1StringView kErrorCodeMark{"#09"};
inline constexpr QLatin1StringView kUnreadableMark{"XXXXXXXX"};
// Any of these anywhere in a kept RD or RUID answer makes it a failed answer (case-sensitive).
inline constexpr std::array<QLatin1StringView, 3> kErrorMarks{kNoReadMark, kErrorCodeMark,
                                                              kUnreadableMark};

// Characters of an answer that an exchange keeps (a page answer keeps kPageHexDigits); the TOR
// answer is used whole.
inline constexpr int kAcknowledgeKeptChars = 3;
inline constexpr int kReadUidKeptChars = 8;

// Waits, in units of the timeout unit.
inline constexpr int kTimeoutQueryWaitFactor = 4;
inline constexpr int kReadPageWaitFactor = 17;
inline constexpr int kWritePageWaitFactor = 4;
inline constexpr int kLockPageWaitFactor = 4;
inline constexpr int kReadUidWaitFactor = 9;
// How many of its own waits an answer that did not come within its wait and the drain after it is
// still expected: a line in that time is taken for it, never for a later command's answer.
inline constexpr int kOwedAnswerWaits = 8;

// Timeout unit in milliseconds: its value before any TOR answer, and the TOR answers that are
// taken (each operation multiplies an accepted answer by its own factor: reader_operation.h).
inline constexpr int kInitialTimeoutUnit = 160;
inline constexpr int kMinTimeoutAnswer = 1;
inline constexpr int kMaxTimeoutAnswer = 255;
// A TOR answer has at most as many digits as kMaxTimeoutAnswer; a longer run of digits is a page.
inline constexpr int kMaxTimeoutAnswerDigits = 3;

// Transponder memory layout.
inline constexpr int kPageCount = 17;
inline constexpr int kPageBytes = 8;
inline constexpr int kPageHexDigits = 2 * kPageBytes;
