#include "transponder/reader_command.h"

#include "transponder/answer_judging.h"
#include "transponder/reader_protocol.h"

ReaderCommand TimeoutQueryCommand()
{
    return {kTimeoutQueryLine, {}, kTimeoutQueryWaitFactor, std::nullopt, IsTimeoutAnswer, true};
}

ReaderCommand ReadPageCommand(int page)
{
    return {QString::asprintf(kReadPageFormat, page) + kCommandEnd,
            QString::asprintf(kReadPageEchoFormat, page, page), kReadPageWaitFactor,
            kPageHexDigits, IsGoodPageAnswer};
}

ReaderCommand WritePageCommand(int page, const QString& pageHex)
{
    // The data goes in verbatim: asprintf's %s would read it as UTF-8 bytes, not as characters.
    const QString text = QString::asprintf(kWritePageFormat, page, "%1").arg(pageHex);
    return {text + kCommandEnd, text + QString::asprintf(kWritePageEchoSuffixFormat, page),
            kWritePageWaitFactor, kAcknowledgeKeptChars, IsAcknowledged};
}

ReaderCommand LockPageCommand(int page)
{
    return {QString::asprintf(kLockPageFormat, page) + kCommandEnd,
            QString::asprintf(kLockPageEchoFormat, page, page), kLockPageWaitFactor,
            kAcknowledgeKeptChars, IsAcknowledged};
}

ReaderCommand ReadUidCommand()
{
    return {kReadUidLine, kReadUidEcho, kReadUidWaitFactor, kReadUidKeptChars, IsGoodUidAnswer};
}
