#include "transponder/answer_judging.h"
#include "transponder/answer_line.h"
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

TEST(AnswerJudging, PageAnswersNeedSixteenKeptCharactersWithoutErrorMarks)
{
    const JudgedAnswer cases[] = {
        {"0123456789ABCD", true},    {"0123456789ABC", false},   {"XXXXXXXX01234567", false},
        {"0123456789AB#09X", false}, {"no read 01234567", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsGoodPageAnswer(Received(c.line, kReadPageKeptChars).kept), c.good)
            << c.line.data();
    EXPECT_FALSE(IsGoodPageAnswer(KeepAnswer("", kReadPageKeptChars).kept)); // no answer
}

TEST(AnswerJudging, UidAndAcknowledgeAnswers)
{
    const JudgedAnswer uids[] = {{"E0040100", true}, {"E0040100FFFF", true}, {"E00401", true},
                                 {"E004010", true},  {"E0040", false},       {"XXXXXXXX", false}};
    for (const auto& c : uids)
        EXPECT_EQ(IsGoodUidAnswer(Received(c.line, kReadUidKeptChars).kept), c.good)
            << c.line.data();
    const JudgedAnswer acks[] = {
        {"ACK", true}, {"ACK and more", true}, {"ack", false}, {" ACK", false}, {"NAK", false}};
    for (const auto& c : acks)
        EXPECT_EQ(IsAcknowledged(Received(c.line, kAcknowledgeKeptChars).kept), c.good)
            << c.line.data();
    EXPECT_FALSE(IsAcknowledged(""));
}

} // namespace
