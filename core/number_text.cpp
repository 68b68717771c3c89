#include "core/number_text.h"

#include "core/checked.h"
#include "core/errors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks a text as Val sees it: with its blanks left out.
class BlankSkipper {
public:
    explicit BlankSkipper(std::string_view text)
        : text_(text)
    {
        skip();
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skip();
    }

    // Where the reader stands, to come back to after a look ahead.
    std::size_t mark() const { return pos_; }
    void reset(std::size_t mark) { pos_ = mark; }

private:
    void skip()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// The decimal parts of a typed number, with the exponent's magnitude capped:
// anything beyond the cap is far outside the double range either way.
struct Decimal {
    bool negative = false;
    std::string digits; // mantissa digits, leading zeros dropped
    long long pointAt = 0; // decimal exponent of the digit after the last
    long long exponent = 0; // the written exponent
};

constexpr long long exponentCap = 100000000;

Decimal scan(std::string_view text)
{
    Decimal d;
    BlankSkipper in(text);
    if (in.peek() == '+' || in.peek() == '-') {
        d.negative = in.peek() == '-';
        in.advance();
    }
    bool anyDigit = false;
    long long integerDigits = 0;
    while (isDigit(in.peek())) {
        anyDigit = true;
        if (!d.digits.empty() || in.peek() != '0') {
            d.digits += in.peek();
            ++integerDigits;
        }
        in.advance();
    }
    long long fractionDigits = 0;
    if (in.peek() == '.') {
        in.advance();
        while (isDigit(in.peek())) {
            anyDigit = true;
            ++fractionDigits;
            if (!d.digits.empty() || in.peek() != '0')
                d.digits += in.peek();
            in.advance();
        }
    }
    if (!anyDigit)
        return Decimal { d.negative, {}, 0, 0 };
    // Digits kept = integerDigits + (fraction digits after the leading zeros);
    // the last kept digit sits at 10^-fractionDigits.
    d.pointAt = -fractionDigits;

    if (in.peek() == 'E' || in.peek() == 'e') {
        const std::size_t beforeE = in.mark();
        in.advance();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.advance();
        }
        if (isDigit(in.peek())) {
            long long e = 0;
            while (isDigit(in.peek())) {
                e = std::min(exponentCap, e * 10 + (in.peek() - '0'));
                in.advance();
            }
            d.exponent = negativeExponent ? -e : e;
        } else {
            in.reset(beforeE); // an "E" without digits is not part of the number
        }
    }
    return d;
}

} // namespace

double Val(std::string_view text)
{
    const Decimal d = scan(text);
    if (d.digits.empty())
        return d.negative ? -0.0 : 0.0;

    // Decimal exponent of the leading digit: tells a number too large for a
    // double from one too small, and keeps from_chars away from exponents it
    // cannot hold.
    const long long lead = d.pointAt + static_cast<long long>(d.digits.size()) - 1 + d.exponent;
    if (lead > 400)
        throw Overflow();
    if (lead < -400)
        return d.negative ? -0.0 : 0.0;

    std::string normal;
    normal.reserve(d.digits.size() + 24);
    if (d.negative)
        normal += '-';
    normal += d.digits;
    normal += 'e';
    normal += std::to_string(d.pointAt + d.exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (lead > 0)
            throw Overflow();
        return d.negative ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value))
        throw Overflow();
    return value;
}

namespace {

// Writes x, rounded to `digits` significant digits by the standard library,
// in fixed-point notation when fixedBelow > e > -5 and scientific otherwise.
template <typename Float> std::string writeNumber(Float x, int digits, int fixedBelow)
{
    if (x == 0)
        return "0";

    std::array<char, 64> buf {};
    const auto [end, ec] = std::to_chars(
        buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, digits - 1);
    if (ec != std::errc())
        throw Overflow();
    // buf holds [-]d.ddd...e[+-]xx
    std::string_view text(buf.data(), static_cast<std::size_t>(end - buf.data()));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    mantissa += text[0];
    if (ePos > 2)
        mantissa.append(text.substr(2, ePos - 2));
    int e = 0;
    std::from_chars(
        text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), e);

    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out;
    if (negative)
        out += '-';
    if (e > -5 && e < fixedBelow) {
        if (e >= 0) {
            const auto integerDigits = static_cast<std::size_t>(e) + 1;
            if (mantissa.size() <= integerDigits) {
                out += mantissa;
                out.append(integerDigits - mantissa.size(), '0');
            } else {
                out.append(mantissa, 0, integerDigits);
                out += '.';
                out.append(mantissa, integerDigits);
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-e - 1), '0');
            out += mantissa;
        }
    } else {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += '.';
            out.append(mantissa, 1);
        }
        out += e < 0 ? "E-" : "E+";
        const int magnitude = e < 0 ? -e : e;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    }
    return out;
}

} // namespace

std::string NumberToText(double x)
{
    return writeNumber(x, 15, 15);
}

std::string NumberToText(float x)
{
    return writeNumber(x, 7, 7);
}

std::string NumberToText(std::int16_t x)
{
    return std::to_string(x);
}

double TextToNumber(std::string_view text)
{
    // The form NumberToText writes, a little more leniently read:
    // [-]digits[.digits][(E|e)[+|-]digits].
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t j = from;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        return j;
    };
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t j = digitsFrom(i);
    if (j == i)
        throw TypeMismatch();
    i = j;
    if (i < text.size() && text[i] == '.') {
        j = digitsFrom(i + 1);
        if (j == i + 1)
            throw TypeMismatch();
        i = j;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        j = digitsFrom(i);
        if (j == i)
            throw TypeMismatch();
        i = j;
    }
    if (i != text.size())
        throw TypeMismatch();
    // The grammar matched, so Val reads exactly this number. The largest
    // double is written rounded up past itself; read that text back as it.
    try {
        return Val(text);
    } catch (const Overflow&) {
        constexpr std::string_view largest = "1.79769313486232E+308";
        if (text == largest)
            return std::numeric_limits<double>::max();
        if (text.size() == largest.size() + 1 && text[0] == '-' && text.substr(1) == largest)
            return -std::numeric_limits<double>::max();
        throw;
    }
}

double Int(double x)
{
    return std::floor(x);
}

namespace {

double powerOfTen(int places)
{
    double p = 1.0;
    for (int i = 0; i < (places < 0 ? -places : places); ++i)
        p = Multiply(p, 10.0);
    return places < 0 ? 1.0 / p : p;
}

} // namespace

double Round(double x, int places)
{
    const double p = powerOfTen(places);
    return Divide(std::nearbyint(Multiply(x, p)), p);
}

float Round(float x, int places)
{
    return ToSingle(Round(static_cast<double>(x), places));
}

std::int16_t ToInteger16(double x)
{
    const double r = std::nearbyint(x);
    if (!(r >= std::numeric_limits<std::int16_t>::min()
            && r <= std::numeric_limits<std::int16_t>::max()))
        throw Overflow();
    return static_cast<std::int16_t>(r);
}

} // namespace core
