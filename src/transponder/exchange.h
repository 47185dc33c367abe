#pragma once

#include "serial/published_line.h"
#include "transponder/answers.h"

#include <QString>
#include <chrono>
#include <functional>
#include <optional>

struct SerialLink;

// What the exchanges of one transponder operation work on, all owned by the main window and used
// on its thread: the link to the reader (port, line event, published answer line, busy flags), the
// terminal text that records go on top of, and the timeout unit (ms) that scales every wait.
struct ExchangeContext
{
    SerialLink& link;
    QString& terminalText;
    int& timeoutUnit;
    // Called once in an exchange whose answer has not come within a display frame, so that the
    // window paints what changed while it waits; empty: nothing to show.
    std::function<void()> showProgress = {};
    // Called again and again while an exchange waits on the reader, at most a display frame
    // apart, so that the window stays alive; it may stop the run. Empty: the waits block.
    std::function<void()> whileWaiting = {};
    // Set to stop the run: the wait in flight ends and no command goes out any more; the answer a
    // stopped exchange may still get is drained before the link's next command (UnfinishedDrain).
    bool stopped = false;
};

// One reader command as an exchange needs it: the line to send, the record that echoes it in the
// terminal, how long to wait for the answer, how much of the answer to keep and which answer is a
// good one.
struct ReaderCommand
{
    QString line;                 // the command, ending in CR
    QString echo;                 // echo record ending in CR LF; empty when the command has none
    int waitFactor = 0;           // the wait is this many timeout units
    std::optional<int> keptChars; // characters of the answer kept; none keeps the whole answer
    bool (*isGoodAnswer)(const ExchangeResult&) = nullptr;
    bool asksTimeout = false; // TOR, whose answers are all alike
};

// The timeout query "TOR": no echo record, answer kept whole.
ReaderCommand TimeoutQueryCommand();

// "RD n": reads page n (1..17), keeps 16 characters.
ReaderCommand ReadPageCommand(int page);

// "WD n <data>": writes page n with pageHex (16 hexadecimal digits, sent as given); keeps 3
// characters. The echo is the command text immediately followed by "// Write page n".
ReaderCommand WritePageCommand(int page, const QString& pageHex);

// "LD n": locks page n, keeps 3 characters.
ReaderCommand LockPageCommand(int page);

// "RUID": reads the transponder's UID, keeps 8 characters.
ReaderCommand ReadUidCommand();

// One exchange of an operation as every front end reports it: the command line that went out
// (without its CR), the answer and whether the operation's rule judged it good.
struct ReaderStep
{
    int page = 0; // 1..17 for page commands, 0 for RUID
    QString command;
    ExchangeResult answer;
    bool good = false;
};

// One command and its answer. Discards what the reader sent before (DiscardEarlierLines), so only
// a line that completes after the command went out is its answer. Sends command.line; when it went
// out, puts command.echo (if any) on top of the terminal text and waits at most command.waitFactor
// timeout units for the answer line. Returns the first command.keptChars characters of the answer
// (all when none), the whole answer and its uncut length, and how the exchange ended. A command
// that could not be sent returns an empty answer at once, without echo. After a timeout the
// exchange drains the late answer (DrainLateLine, one more wait at most) before it returns an empty
// answer, so the next command, in this operation or the next, never takes it. Once the context is
// stopped it ends at once (ExchangeEnd::Stopped): a command not sent yet is not sent, and a wait in
// flight leaves the rest of its drain to the link's next command.
ExchangeResult CommandExchange(ExchangeContext& context, const ReaderCommand& command);

// Right before a command goes out: waits out what is left of the drain of a stopped exchange
// (UnfinishedDrain), discarding the line that comes in that time, or owing the answer when none
// came. Returns false, with the drain still left, when the context is stopped.
bool FinishUnfinishedDrain(ExchangeContext& context);

// Puts record (ending in CR LF) on top of the terminal text, which reads newest first.
void PutRecordOnTop(QString& terminalText, const QString& record);

// Puts the answer record of result (its kept part and CR LF) on top of the terminal text; a stopped
// exchange has none.
void PutAnswerRecord(ExchangeContext& context, const ExchangeResult& result);

// Right before a command is sent: forgets the bytes and lines the reader sent so far and resets
// the line event, so a stray line that came in since the last answer is not taken for the
// command's answer. Each whole line forgotten pays off an answer the reader owed.
void DiscardEarlierLines(SerialLink& link);

// The answer to command, sent last: waits until deadline for a completed line and passes over the
// late answers (IsOwedAnswer), with the lines that came in the same burst right behind one.
// Calls context.whileWaiting as it waits. Returns nothing when no other line came in time or the
// context was stopped meanwhile.
std::optional<CompletedLine> AwaitAnswerLine(ExchangeContext& context, const ReaderCommand& command,
                                             std::chrono::steady_clock::time_point deadline);

// Whether line, which came while command awaits its answer, is a late answer to an earlier
// command; if it was owed it is paid off. A TOR answer is never the answer to another command.
// With answers owed: a TOR answer is TOR's answer whatever else is owed (it pays
// off one owed answer); for other commands a line pays off an owed TOR answer when it is a TOR
// answer, else an owed answer to another command, else (only TOR answers owed) it is the
// command's answer when it is a good one, which a TOR answer never is.
bool IsOwedAnswer(SerialLink& link, const ReaderCommand& command, const CompletedLine& line);

// Right after a wait of `wait` for command's answer ran out: the reader may still be answering.
// Waits at most `wait` more and discards the first line that completes in that time (owed lines
// passed over), so a late answer is never taken for the answer of the next command. Returns
// whether a late line came.
bool DrainLateLine(ExchangeContext& context, const ReaderCommand& command,
                   std::chrono::milliseconds wait);

// After command's wait, begun at start, gave no answer (answered: no line at all came): drains
// the late line and, when none came and !answered, owes the answer (OweAnswer). When the context is
// stopped during the drain, the rest of it is left to the link's next command (UnfinishedDrain).
void DrainOrOwe(ExchangeContext& context, const ReaderCommand& command,
                std::chrono::steady_clock::time_point start, std::chrono::milliseconds wait,
                bool answered = false);

// After command's wait and drain (of `wait` each) both passed without a line: the reader owes its
// answer, which the link expects for kOwedAnswerWaits more waits.
void OweAnswer(SerialLink& link, const ReaderCommand& command, std::chrono::milliseconds wait);

// Before the link closes: waits for the answers the reader still owes until each came or none is
// expected any more, so that the next program on the port does not take them for its own.
void AwaitOwedAnswers(SerialLink& link);

// The wait for an answer: waitFactor units of timeoutUnit milliseconds, never negative.
std::chrono::milliseconds AnswerWait(int timeoutUnit, int waitFactor);
