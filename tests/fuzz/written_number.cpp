#include "written_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits from `from` on; returns where they stop.
std::size_t skipDigits(std::string_view text, std::size_t from)
{
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

} // namespace

std::optional<WrittenNumber> ReadWritten(std::string_view text)
{
    WrittenNumber w;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        w.negative = true;
        ++i;
    }
    const std::size_t intStart = i;
    i = skipDigits(text, i);
    const std::string_view integer = text.substr(intStart, i - intStart);
    if (integer.empty() || (integer.size() > 1 && integer[0] == '0'))
        return std::nullopt;
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = i + 1;
        i = skipDigits(text, fracStart);
        fraction = text.substr(fracStart, i - fracStart);
        if (fraction.empty() || fraction.back() == '0')
            return std::nullopt;
    }
    int written = 0;
    if (i < text.size() && text[i] == 'E') {
        if (integer.size() != 1 || integer[0] == '0' || i + 1 >= text.size()
            || (text[i + 1] != '+' && text[i + 1] != '-'))
            return std::nullopt;
        const bool negativeExponent = text[i + 1] == '-';
        const std::size_t expStart = i + 2;
        i = skipDigits(text, expStart);
        const std::size_t width = i - expStart;
        if (width < 2 || width > 3)
            return std::nullopt;
        for (std::size_t k = expStart; k < i; ++k)
            written = written * 10 + (text[k] - '0');
        if (negativeExponent)
            written = -written;
        w.scientific = true;
        w.exponentWidth = static_cast<int>(width);
    }
    if (i != text.size())
        return std::nullopt;

    // Significant digits and the exponent of the first one.
    std::string all(integer);
    all += fraction;
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return w; // zero
    const std::size_t last = all.find_last_not_of('0');
    w.digits = all.substr(first, last - first + 1);
    w.exponent = static_cast<int>(integer.size()) - 1 - static_cast<int>(first) + written;
    return w;
}

bool IsCanonical(const WrittenNumber& w, int significant, int fixedBelow)
{
    if (w.digits.empty())
        return !w.negative && !w.scientific;
    if (static_cast<int>(w.digits.size()) > significant)
        return false;
    const bool fixed = w.exponent > -5 && w.exponent < fixedBelow;
    if (fixed == w.scientific)
        return false;
    if (w.scientific) {
        const int magnitude = std::abs(w.exponent);
        return w.exponentWidth == (magnitude < 100 ? 2 : 3);
    }
    return true;
}

WrittenNumber PrintfDigits(double x, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(x));
    const std::string_view s(buf);
    const std::size_t e = s.find('e');
    WrittenNumber w;
    w.negative = std::signbit(x);
    for (std::size_t k = 0; k < e; ++k)
        if (s[k] != '.')
            w.digits += s[k];
    while (!w.digits.empty() && w.digits.back() == '0')
        w.digits.pop_back();
    w.exponent = std::atoi(buf + e + 1);
    return w;
}

bool IsDecimalNumber(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t j = skipDigits(text, i);
    if (j == i)
        return false;
    i = j;
    if (i < text.size() && text[i] == '.') {
        j = skipDigits(text, i + 1);
        if (j == i + 1)
            return false;
        i = j;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        j = skipDigits(text, i);
        if (j == i)
            return false;
        i = j;
    }
    return i == text.size();
}

} // namespace fuzz
