#include "serial/natural_order.h"

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The digit run starting at `from`, without its leading zeros (an all-zero run keeps one zero).
QStringView DigitRun(const QString& text, qsizetype from, qsizetype& end)
{
    end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    qsizetype first = from;
    while (first + 1 < end && text[first] == QLatin1Char('0'))
        ++first;
    return QStringView(text).mid(first, end - first);
}

// Negative, zero or positive as the value of `left` is below, equal to or above `right`.
int CompareValues(QStringView left, QStringView right)
{
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

} // namespace

bool NaturalLess(const QString& left, const QString& right)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < left.size() && j < right.size()) {
        if (IsDigit(left[i]) && IsDigit(right[j])) {
            qsizetype leftEnd = 0;
            qsizetype rightEnd = 0;
            const int order =
                CompareValues(DigitRun(left, i, leftEnd), DigitRun(right, j, rightEnd));
            if (order != 0)
                return order < 0;
            i = leftEnd;
            j = rightEnd;
            continue;
        }
        if (left[i] != right[j])
            return left[i] < right[j];
        ++i;
        ++j;
    }
    if (i < left.size() || j < right.size())
        return j < right.size();
    return left < right;
}
