#include "transponder/answer_judging.h"
#include "transponder/exchange_result.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

struct JudgedAnswer
{
    QByteArray line; // bytes the receive thread stored, before CR LF
    bool good;
};

// Runs a received line through the exchange's cut with keptChars, as an operation sees it.
ExchangeResult Received(const QByteArray& line, int keptChars)
{
    return KeepAnswer(AnswerTextFromLine(line + "\r\n" + '\0'), keptChars);
}

TEST(IsGoodPageAnswer, NeedsSixteenKeptCharactersWithoutErrorMarks)
{
    const JudgedAnswer cases[] = {
        {"0123456789ABCDEF", true},
        {"0123456789ABCDEF0123", true},
        {"0123456789ABCD", true}, // 14 + CR LF
        {"0123456789ABCDE", true}, // 15 + CR
        {"0123456789ABC", false},
        {"No Read", false},
        {"No Read No Read!", false},
        {"0123456789AB#09X", false},
        {"XXXXXXXX01234567", false},
        {"no read 01234567", true},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(IsGoodPageAnswer(Received(c.line, kReadPageKeptChars).kept), c.good);
    }
    EXPECT_FALSE(IsGoodPageAnswer(KeepAnswer("", kReadPageKeptChars).kept)); // no answer
}

TEST(IsGoodUidAnswer, NeedsEightKeptCharactersWithoutErrorMarks)
{
    const JudgedAnswer cases[] = {
        {"E0040100", true},   {"E0040100FFFF", true}, {"E00401", true},  {"E004010", true},
        {"E0040", false},     {"XXXXXXXX", false},    {"No Read", false}, {"A#09BCDE", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(IsGoodUidAnswer(Received(c.line, kReadUidKeptChars).kept), c.good);
    }
}

TEST(IsAcknowledged, NeedsExactlyAckInTheKeptPart)
{
    const JudgedAnswer cases[] = {
        {"ACK", true},  {"ACK and more", true}, {"ACKNOWLEDGED", true}, {"ack", false},
        {"AC", false},  {" ACK", false},        {"NAK", false},         {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(IsAcknowledged(Received(c.line, kAcknowledgeKeptChars).kept), c.good);
    }
}

TEST(ReadRunContinues, StopsAfterAnAnswerShorterThanAPage)
{
    EXPECT_TRUE(ReadRunContinues(Received("0123456789ABCDEF", 16).answerLength));
    EXPECT_TRUE(ReadRunContinues(Received("0123456789ABCD", 16).answerLength));
    EXPECT_TRUE(ReadRunContinues(Received("0123456789AB#09X", 16).answerLength));
    EXPECT_FALSE(ReadRunContinues(Received("0123456789ABC", 16).answerLength));
    EXPECT_FALSE(ReadRunContinues(Received("No Read", 16).answerLength));
    EXPECT_FALSE(ReadRunContinues(KeepAnswer("", 16).answerLength));
}

TEST(ExchangeResult, KeepsTheStartOfTheAnswerAndItsWholeLength)
{
    const ExchangeResult noRead = Received("No Read", kReadPageKeptChars);
    EXPECT_EQ(noRead.kept, "No Read\r\n");
    EXPECT_EQ(noRead.answerLength, 9);
    EXPECT_EQ(AnswerRecord(noRead.kept), "No Read\r\n\r\n");

    const ExchangeResult ack = Received("ACK", kAcknowledgeKeptChars);
    EXPECT_EQ(ack.kept, "ACK");
    EXPECT_EQ(ack.answerLength, 5);

    const ExchangeResult tor = KeepAnswer("10\r\n", std::nullopt);
    EXPECT_EQ(tor.kept, "10\r\n");

    EXPECT_EQ(KeepAnswer("ACK", -1).kept, "");
    EXPECT_EQ(AnswerRecord(""), "\r\n");
}

TEST(AnswerTextFromLine, StopsAtTheFirstZeroByteAndMapsBytesToCharacters)
{
    EXPECT_EQ(AnswerTextFromLine(QByteArray("AB\0CD\r\n", 7)), "AB");
    EXPECT_EQ(AnswerTextFromLine(QByteArray("\xE9\xFF\r\n")),
              QString(QChar(0xE9)) + QChar(0xFF) + "\r\n");
    EXPECT_EQ(AnswerTextFromLine(QByteArray()), "");
}

} // namespace
