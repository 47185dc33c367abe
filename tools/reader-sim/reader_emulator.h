#pragma once

#include "reader-sim/reader_faults.h"
#include "reader-sim/reader_protocol.h"
#include "reader-sim/tag_line.h"

#include <QByteArray>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

// The reader as a pure function of the bytes it is sent: it collects CR-ended commands and answers
// TOR, RD n, WD n <16 hex>, LD n and RUID against 17 pages of 8 bytes with lock bits, a UID and a
// timeout value, with switchable faults. It keeps every byte it received.
class ReaderEmulator
{
public:
    using Page = std::array<std::uint8_t, ReaderProtocol::kPageSize>;

    ReaderEmulator();

    // Takes received bytes and returns the answer bytes they caused (empty while no command is
    // complete). Unknown or malformed commands and WD on a locked page answer "NAK".
    QByteArray Feed(const QByteArray& bytes);

    // How long the answers of the last Feed wait before they go out: the slow-answer delay when
    // one of them answers a slow command (every command, unless the faults name some), else 0.
    std::chrono::milliseconds AnswerDelay() const
    {
        return slowAnswer ? faults.answerDelay : std::chrono::milliseconds::zero();
    }

    // Every byte received so far, in order.
    const QByteArray& ReceivedBytes() const { return received; }
    void ClearReceivedBytes() { received.clear(); }

    // The unsolicited line framed like an answer, for a server that sends it between commands.
    QByteArray FrameLine(const QByteArray& line) const;

    // page runs from 1 to 17; out-of-range numbers are ignored (Page returns zeros).
    Page PageContent(int page) const;
    void SetPageContent(int page, const Page& content);
    bool IsLocked(int page) const;
    void SetLocked(int page, bool locked);

    QByteArray Uid() const { return uid; }
    void SetUid(const QByteArray& value) { uid = value; }
    int TimeoutValue() const { return timeoutValue; }
    void SetTimeoutValue(int value) { timeoutValue = value; }

    // Puts a line of tags in place of the one transponder: from the next command on, the tag the
    // line has in the field answers, and while none is there RD, WD, LD and RUID answer "No Read".
    void SetTagLine(TagLine line);
    // The line's tag at index as it is now (its pages as written); nothing without such a tag.
    std::optional<LineTag> TagOfLine(std::size_t index) const;

    const ReaderFaults& Faults() const { return faults; }
    void SetFaults(const ReaderFaults& value) { faults = value; }

private:
    QByteArray Answer(const QByteArray& command);
    QByteArray AnswerRead(const QByteArray& argument) const;
    QByteArray AnswerWrite(const QByteArray& argument);
    QByteArray AnswerLock(const QByteArray& argument);
    QByteArray AnswerUid() const;
    void TakeTagInField();
    bool NoTransponder() const { return faults.noTransponder || fieldEmpty; }
    bool IsSilentFor(const QByteArray& verb, const QByteArray& argument) const;

    std::array<Page, ReaderProtocol::kPageCount> pages{};
    std::array<bool, ReaderProtocol::kPageCount> locked{};
    QByteArray uid;
    int timeoutValue = 10;
    ReaderFaults faults;
    QByteArray pending;
    QByteArray received;
    bool slowAnswer = false;        // the last Feed answered a slow command
    std::optional<TagLine> tagLine; // the tag in the field keeps its state in the members above
    std::optional<std::chrono::steady_clock::time_point> lineStart;
    std::optional<std::size_t> tagInField;
    bool fieldEmpty = false;
};
