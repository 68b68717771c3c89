#include "core/number_text.h"

#include "core/blanks.h"
#include "core/checked.h"
#include "core/errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {

namespace {

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
        lastRead_ = ++pos_;
        skip();
    }

    // Just behind the last character read, the blanks after it left out.
    std::size_t lastRead() const { return lastRead_; }

private:
    // A carriage return is no blank here: it stops the number, as it
    // always has in the window's fields.
    void skip()
    {
        while (pos_ < text_.size() && IsNumberBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lastRead_ = 0;
};

} // namespace

TypedNumber ReadTypedNumber(std::string_view text)
{
    const long long cap = ExponentCap + static_cast<long long>(text.size());
    TypedNumber n;
    BlankSkipper in(text);
    if (in.peek() == '+' || in.peek() == '-') {
        n.negative = in.peek() == '-';
        in.advance();
    }
    while (IsDigit(in.peek())) {
        n.whole += in.peek();
        in.advance();
    }
    if (in.peek() == '.') {
        in.advance();
        while (IsDigit(in.peek())) {
            n.fraction += in.peek();
            in.advance();
        }
    }
    if (!n.hasDigits())
        return n;
    n.end = in.lastRead();

    if (in.peek() == 'E' || in.peek() == 'e') {
        in.advance();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.advance();
        }
        // An "E" without digits is not part of the number.
        if (IsDigit(in.peek())) {
            long long e = 0;
            while (IsDigit(in.peek())) {
                e = std::min(cap, e * 10 + (in.peek() - '0'));
                in.advance();
            }
            n.exponent = negativeExponent ? -e : e;
            n.end = in.lastRead();
        }
    }
    return n;
}

bool ReadsInFull(std::string_view text)
{
    const TypedNumber n = ReadTypedNumber(text);
    return n.hasDigits()
        && std::all_of(
            text.begin() + static_cast<std::ptrdiff_t>(n.end), text.end(), IsNumberBlank);
}

double Val(std::string_view text)
{
    const TypedNumber n = ReadTypedNumber(text);
    std::string digits = n.whole + n.fraction;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return n.negative ? -0.0 : 0.0;
    // The last digit stands at 10^pointAt.
    const long long pointAt = -static_cast<long long>(n.fraction.size());

    // Decimal exponent of the leading digit: tells a number too large for a
    // double from one too small, and keeps from_chars away from exponents it
    // cannot hold.
    const long long lead = pointAt + static_cast<long long>(digits.size()) - 1 + n.exponent;
    if (lead > 400)
        throw Overflow();
    if (lead < -400)
        return n.negative ? -0.0 : 0.0;

    std::string normal;
    normal.reserve(digits.size() + 24);
    if (n.negative)
        normal += '-';
    normal += digits;
    normal += 'e';
    normal += std::to_string(pointAt + n.exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (lead > 0)
            throw Overflow();
        return n.negative ? -0.0 : 0.0;
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
        while (j < text.size() && IsDigit(text[j]))
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
