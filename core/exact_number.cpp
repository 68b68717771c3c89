#include "core/exact_number.h"

#include "core/number_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>

namespace core::exact {

namespace {

// A typed number as sign, significant digits and the place of the last one:
// the value is digits x 10^lastPlace.
struct Spelled {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    long long lastPlace = 0;
    bool tooLong = false; // more significant digits than the limits allow
};

// The number Val reads, as its significant digits. Its exponent is capped
// far enough out that a capped one still puts the number beyond the limits.
Spelled spell(std::string_view text)
{
    // No number within the limits has more significant digits than this.
    constexpr std::size_t mostDigits = MaxIntegerDigits + MaxFractionDigits;

    const TypedNumber n = ReadTypedNumber(text);
    Spelled s;
    s.negative = n.negative;
    const std::string all = n.whole + n.fraction;
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return s;
    const std::size_t last = all.find_last_not_of('0');
    const std::size_t significant = last - first + 1;
    if (significant > mostDigits) {
        s.tooLong = true;
        return s;
    }
    s.digits = all.substr(first, significant);
    const auto zerosAfter = static_cast<long long>(all.size() - 1 - last);
    s.lastPlace = n.exponent - static_cast<long long>(n.fraction.size()) + zerosAfter;
    return s;
}

} // namespace

Reading<mpq_class> Read(std::string_view text)
{
    const Problem tooLarge { std::string(TooLargeText), 0, CharactersBefore(text, text.size()) };
    const Spelled s = spell(text);
    if (s.tooLong)
        return tooLarge;
    if (s.digits.empty())
        return mpq_class(0);

    const long long integerDigits = static_cast<long long>(s.digits.size()) + s.lastPlace;
    if (integerDigits > MaxIntegerDigits || -s.lastPlace > MaxFractionDigits)
        return tooLarge;

    mpq_class q;
    q.get_num().set_str(s.digits, 10);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(s.lastPlace)));
    if (s.lastPlace >= 0)
        q.get_num() *= scale;
    else
        q.get_den() = scale;
    q.canonicalize();
    if (s.negative)
        q = -q;
    return q;
}

std::string FractionText(const mpq_class& q)
{
    return q.get_str(10);
}

namespace {

// How a fraction's digits after the point run: `ending` digits and then it
// stops (period 0), or `ending` digits and then a period of `period` digits
// repeated forever. Nothing when that takes more than MaxDecimalPlaces.
struct Expansion {
    long long ending = 0;
    long long period = 0;
};

std::optional<Expansion> expansionOf(const mpz_class& denominator)
{
    // For a reduced fraction the digits before the repeating ones are as
    // many as the larger power of 2 or 5 in the denominator; what remains of
    // the denominator repeats with the order of 10 modulo it.
    mpz_class rest;
    const auto twos
        = mpz_remove(rest.get_mpz_t(), denominator.get_mpz_t(), mpz_class(2).get_mpz_t());
    const auto fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t());
    const auto ending = static_cast<long long>(std::max(twos, fives));
    if (ending > MaxDecimalPlaces)
        return std::nullopt;
    if (rest == 1)
        return Expansion { ending, 0 };

    // The order is looked for only as far as the digits would be written.
    mpz_class power = 10 % rest;
    for (long long period = 1; ending + period <= MaxDecimalPlaces; ++period) {
        if (power == 1)
            return Expansion { ending, period };
        power = power * 10 % rest;
    }
    return std::nullopt;
}

} // namespace

std::string DecimalText(const mpq_class& q)
{
    std::string out;
    if (sgn(q) < 0)
        out += '-';
    const mpz_class numerator = abs(q.get_num());
    const mpz_class& denominator = q.get_den();
    mpz_class whole;
    mpz_class remainder;
    mpz_tdiv_qr(
        whole.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    out += whole.get_str(10);
    if (remainder == 0)
        return out;

    const std::optional<Expansion> e = expansionOf(denominator);
    const long long places = e ? e->ending + e->period : MaxDecimalPlaces;
    out += '.';
    mpz_class digit;
    for (long long place = 0; place < places; ++place) {
        if (e && e->period > 0 && place == e->ending)
            out += '(';
        remainder *= 10;
        mpz_tdiv_qr(digit.get_mpz_t(), remainder.get_mpz_t(), remainder.get_mpz_t(),
            denominator.get_mpz_t());
        out += static_cast<char>('0' + digit.get_ui());
    }
    if (!e)
        out += "\xE2\x80\xA6"; // "…"
    else if (e->period > 0)
        out += ')';
    return out;
}

} // namespace core::exact
