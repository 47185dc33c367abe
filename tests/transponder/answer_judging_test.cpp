#include "transponder/answer_judging.h"
#include "transponder/exchange_result.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

// A received line run through the exchange's cut, as an operation sees it.
ExchangeResult Received(const QByteArray& line, int keptChars)
{
    return KeepAnswer(AnswerTextOf(line + "\r\n" + '\0'), keptChars);
}

struct JudgedAnswer
{
    QByteArray line; // what the reader sent before CR
    bool good;
};

TEST(AnswerJudging, PageAndUidAnswersNeedWholeKeptPartsWithoutLineEndsOrMarks)
{
    const JudgedAnswer pages[] = {
        {"0123456789ABCDEF", true},  {"0123456789abcdef0000", true},  {"0123456789ABCD", false},
        {"0123456789ABCDE", false},  {QByteArray(16, '\xFF'), false}, {"XXXXXXXX01234567", false},
        {"0123456789AB#09X", false}, {"no read 01234567", false},
    };
    for (const auto& c : pages)
        EXPECT_EQ(IsGoodPageAnswer(Received(c.line, kReadPageKeptChars)), c.good) << c.line.data();
    EXPECT_FALSE(IsGoodPageAnswer(KeepAnswer("", kReadPageKeptChars))); // no answer

    const JudgedAnswer uids[] = {{"E0040100", true},
                                 {"E0040100FFFF", true},
                                 {"E00401", false},
                                 {"E004010", false},
                                 {"E0040", false},
                                 {"XXXXXXXX", false},
                                 {"E004\x01"
                                  "100",
                                  false}};
    for (const auto& c : uids)
        EXPECT_EQ(IsGoodUidAnswer(Received(c.line, kReadUidKeptChars)), c.good) << c.line.data();

    ExchangeResult cut = Received("0123456789ABCDEF", kReadPageKeptChars);
    cut.cut = true;
    EXPECT_FALSE(IsGoodPageAnswer(cut)) << "a line longer than the line buffer";
    cut = Received("E0040100", kReadUidKeptChars);
    cut.cut = true;
    EXPECT_FALSE(IsGoodUidAnswer(cut));
}

TEST(AnswerJudging, AcknowledgeAnswers)
{
    const JudgedAnswer acks[] = {
        {"ACK", true}, {"ACK and more", true}, {"ack", false}, {" ACK", false}, {"NAK", false}};
    for (const auto& c : acks)
        EXPECT_EQ(IsAcknowledged(Received(c.line, kAcknowledgeKeptChars).kept), c.good)
            << c.line.data();
    EXPECT_FALSE(IsAcknowledged(""));
}

} // namespace
