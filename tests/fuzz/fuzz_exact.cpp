// The exact reader and the fraction and decimal writers on any bytes.
// Input: a typed text, optionally followed by "|" and a second one; the
// second, when it reads as a non-zero number, divides the first, so that
// the writers see every kind of fraction, repeating ones included.
// Read never fails but for the limits; its number is the one Val rounds to
// a double, whatever the blanks; the fraction text reads back; the decimal
// text reads back, is no longer than it must be, and is cut only when the
// expansion does not fit.
#include "core/errors.h"
#include "core/exact_number.h"
#include "core/number_text.h"
#include "fuzz_check.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using core::exact::MaxDecimalPlaces;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

mpz_class tenTo(long n)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return p;
}

std::string show(const mpq_class& q)
{
    const std::string s = q.get_str();
    return s.size() > 200 ? s.substr(0, 200) + "..." : s;
}

core::Reading<mpq_class> read(std::string_view text)
{
    try {
        return core::exact::Read(text);
    } catch (const std::exception& e) {
        FUZZ_FAIL("Read raised \"%s\"", e.what());
    }
}

// Whether d is the double nearest q, halves going to the even one.
bool isNearest(const mpq_class& q, double d)
{
    const mpq_class miss = abs(q - mpq_class(d));
    for (const double neighbour : { std::nextafter(d, -HUGE_VAL), std::nextafter(d, HUGE_VAL) }) {
        if (!std::isfinite(neighbour))
            continue;
        const mpq_class other = abs(q - mpq_class(neighbour));
        if (other < miss || (other == miss && (std::bit_cast<std::uint64_t>(d) & 1) != 0))
            return false;
    }
    return true;
}

void checkRead(std::string_view text, const core::Reading<mpq_class>& q)
{
    std::string compact;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    const core::Reading<mpq_class> again = read(compact);
    FUZZ_CHECK(again.read() == q.read() && (!q || *again == *q), "blanks changed the exact value");
    if (!q)
        return;

    FUZZ_CHECK(abs(*q) < tenTo(core::exact::MaxIntegerDigits)
            && mpz_divisible_p(
                tenTo(core::exact::MaxFractionDigits).get_mpz_t(), q->get_den().get_mpz_t()),
        "%s is beyond the limits", show(*q).c_str());
    try {
        const double v = core::Val(text);
        FUZZ_CHECK(isNearest(*q, v), "read as %s, yet Val gives %.17g", show(*q).c_str(), v);
    } catch (const core::Overflow&) {
        mpz_class top, halfUlp;
        mpz_ui_pow_ui(top.get_mpz_t(), 2, 1024);
        mpz_ui_pow_ui(halfUlp.get_mpz_t(), 2, 970);
        FUZZ_CHECK(abs(*q) >= top - halfUlp, "Val overflows on %s", show(*q).c_str());
    }
}

// Whether digits ending after `ending` places, then repeating every `period`
// places (none for 0), can spell q.
bool spells(const mpq_class& q, long ending, long period)
{
    const mpz_class fits = tenTo(ending) * (period == 0 ? mpz_class(1) : tenTo(period) - 1);
    return mpz_divisible_p(fits.get_mpz_t(), q.get_den().get_mpz_t()) != 0;
}

void checkTexts(const mpq_class& q)
{
    const std::string fraction = core::exact::FractionText(q);
    mpq_class back;
    FUZZ_CHECK(back.set_str(fraction, 10) == 0 && back == q, "fraction text %s", fraction.c_str());
    back.canonicalize();
    FUZZ_CHECK(back.get_str() == fraction, "fraction text %s is not reduced", fraction.c_str());

    // [-]whole[.ending[(period)]] or [-]whole.digits…
    const std::string text = core::exact::DecimalText(q);
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    i += negative ? 1 : 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t j = from;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        return j;
    };
    std::size_t j = digitsFrom(i);
    FUZZ_CHECK(j > i && (text[i] != '0' || j == i + 1), "decimal text %s", text.c_str());
    const std::string whole = text.substr(i, j - i);
    std::string ending, period;
    bool cut = false;
    if (j < text.size()) {
        FUZZ_CHECK(text[j] == '.', "decimal text %s", text.c_str());
        i = j + 1;
        j = digitsFrom(i);
        ending = text.substr(i, j - i);
        if (j < text.size() && text[j] == '(') {
            i = j + 1;
            j = digitsFrom(i);
            period = text.substr(i, j - i);
            FUZZ_CHECK(!period.empty() && j + 1 == text.size() && text[j] == ')', "decimal text %s",
                text.c_str());
        } else if (j < text.size()) {
            cut = text.substr(j) == "\xE2\x80\xA6";
            FUZZ_CHECK(cut, "decimal text %s", text.c_str());
        }
        FUZZ_CHECK(!ending.empty() || !period.empty(), "decimal text %s", text.c_str());
    }
    FUZZ_CHECK(negative == (q < 0), "decimal text %s", text.c_str());

    const auto k = static_cast<long>(ending.size());
    const auto p = static_cast<long>(period.size());
    const mpz_class ab(whole + ending, 10);
    mpq_class value = p == 0
        ? mpq_class(ab, tenTo(k))
        : mpq_class(mpz_class(whole + ending + period, 10) - ab, tenTo(k) * (tenTo(p) - 1));
    value.canonicalize();
    const mpq_class size = abs(q);
    if (cut) {
        FUZZ_CHECK(k == MaxDecimalPlaces && value <= size
                && size < value + mpq_class(1, tenTo(MaxDecimalPlaces)),
            "%s cut from %s", text.c_str(), show(q).c_str());
        for (long shorter = 0; shorter <= MaxDecimalPlaces; ++shorter)
            FUZZ_CHECK(!spells(q, MaxDecimalPlaces - shorter, shorter),
                "%s cut, yet it fits with a period of %ld", text.c_str(), shorter);
        return;
    }
    FUZZ_CHECK(value == size, "%s reads back as %s, not %s", text.c_str(), show(value).c_str(),
        show(q).c_str());
    FUZZ_CHECK(k + p <= MaxDecimalPlaces, "%s is too long", text.c_str());
    FUZZ_CHECK(k == 0 || !spells(q, k - 1, p), "%s starts repeating late", text.c_str());
    for (long shorter = 1; shorter < p; ++shorter)
        FUZZ_CHECK(!spells(q, k, shorter), "%s repeats sooner", text.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t bar = input.find('|');
    const std::string_view first = input.substr(0, bar);
    const core::Reading<mpq_class> a = read(first);
    checkRead(first, a);
    if (!a)
        return 0;
    checkTexts(*a);
    if (bar == std::string_view::npos)
        return 0;

    const std::string_view second = input.substr(bar + 1);
    const core::Reading<mpq_class> b = read(second);
    checkRead(second, b);
    if (!b || *b == 0)
        return 0;
    checkTexts(*a / *b);
    return 0;
}
