// Arbitrary reader lines through keeping and judging: no page answer is good unless its 16 kept
// characters are HEX digits without an error mark, no UID answer unless its 8 kept characters hold
// neither a control character nor an error mark, and only "ACK" acknowledges.
#include "fuzz_check.h"
#include "transponder/answers.h"
#include "transponder/page_text_validation.h"
#include "transponder/reader_protocol.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString answer =
        AnswerTextOf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    ExchangeResult page = KeepAnswer(answer, kPageHexDigits);
    if (IsGoodPageAnswer(page))
        Require(IsHexDigits(page.kept, kPageHexDigits) && !ContainsErrorMark(page.kept),
                "good page answer is 16 HEX digits without an error mark");
    page.cut = true;
    Require(!IsGoodPageAnswer(page), "a cut line is never a good page answer");

    ExchangeResult uid = KeepAnswer(answer, kReadUidKeptChars);
    if (IsGoodUidAnswer(uid))
        Require(uid.kept.size() == kReadUidKeptChars && !ContainsErrorMark(uid.kept) &&
                    std::none_of(uid.kept.cbegin(), uid.kept.cend(),
                                 [](QChar c) { return c.category() == QChar::Other_Control; }),
                "good UID answer is 8 characters without control character or error mark");
    uid.cut = true;
    Require(!IsGoodUidAnswer(uid), "a cut line is never a good UID answer");

    if (IsAcknowledged(KeepAnswer(answer, kAcknowledgeKeptChars)))
        Require(answer.startsWith(kAcknowledge), "acknowledged answer starts with ACK");
    return 0;
}
