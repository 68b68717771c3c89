#include "main_window/short_numbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace short_numbers {

namespace {

const QChar ellipsis(0x2026);

// A number with decimals as the results write it, its exponent included.
// A minus before it stays, as all but the cut decimals do.
const QRegularExpression& numberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\d+\\.(\\d+)(E[-+]\\d+)?"));
    return pattern;
}

// The decimals a number keeps when `decimals` are asked for: never fewer
// than reach its first digit that is not zero.
qsizetype kept(QStringView fraction, qsizetype decimals)
{
    qsizetype zeros = 0;
    while (zeros < fraction.size() && fraction.at(zeros) == u'0')
        ++zeros;
    return std::max(decimals, std::min(zeros + 1, fraction.size()));
}

QString shortened(const QString& text, qsizetype decimals)
{
    QString result;
    qsizetype copied = 0;
    auto numbers = numberPattern().globalMatch(text);
    while (numbers.hasNext()) {
        const QRegularExpressionMatch number = numbers.next();
        const QStringView fraction = number.capturedView(1);
        const qsizetype keep = kept(fraction, decimals);
        if (keep >= fraction.size())
            continue;
        result += QStringView(text).mid(copied, number.capturedStart(1) + keep - copied);
        result += ellipsis;
        result += number.capturedView(2);
        copied = number.capturedEnd(0);
    }
    result += QStringView(text).mid(copied);
    return result;
}

} // namespace

QString fit(const QString& text, int width, const Measure& measure)
{
    if (measure(text) <= width)
        return text;
    qsizetype longest = 0;
    auto numbers = numberPattern().globalMatch(text);
    while (numbers.hasNext())
        longest = std::max(longest, numbers.next().capturedLength(1));
    QString tried = text;
    // One decimal at least, so that a shortened number still shows its point.
    for (qsizetype decimals = longest - 1; decimals >= 1; --decimals) {
        tried = shortened(text, decimals);
        if (measure(tried) <= width)
            break;
    }
    return tried;
}

} // namespace short_numbers
