#include "main_window/widgets/short_numbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace short_numbers {

namespace {

const QChar ellipsis(0x2026);

// A number with decimals as the results write it, its exponent included.
// A minus before it stays, as all but the cut decimals do.
const QRegularExpression& numberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("(\\d+)\\.(\\d+)(E[-+]\\d+)?"));
    return pattern;
}

// The decimals a number keeps when `decimals` are asked for. One below one
// keeps at least those up to its first digit that is not zero.
qsizetype kept(QStringView whole, QStringView fraction, qsizetype decimals)
{
    if (std::any_of(whole.begin(), whole.end(), [](QChar digit) { return digit != u'0'; }))
        return decimals;
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
        const QStringView fraction = number.capturedView(2);
        const qsizetype keep = kept(number.capturedView(1), fraction, decimals);
        if (keep >= fraction.size())
            continue;
        // With no decimals left the point goes too: "1…E-17".
        const qsizetype end
            = keep == 0 ? number.capturedStart(2) - 1 : number.capturedStart(2) + keep;
        result += QStringView(text).mid(copied, end - copied);
        result += ellipsis;
        result += number.capturedView(3);
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
        longest = std::max(longest, numbers.next().capturedLength(2));
    QString tried = text;
    for (qsizetype decimals = longest - 1; decimals >= 0; --decimals) {
        tried = shortened(text, decimals);
        if (measure(tried) <= width)
            break;
    }
    return tried;
}

} // namespace short_numbers
