// The exact engine over many random inputs, each answer checked against what
// it means: a read number is the one Val reads, rounded; the slope times the
// run is the rise; a crossing lies on both lines; the texts read back to the
// numbers they were written from.
#include "core/errors.h"
#include "core/exact_line.h"
#include "core/exact_number.h"
#include "core/number_text.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <regex>
#include <string>

namespace {

using core::exact::CrossingKind;
using core::exact::InterceptKind;
using core::exact::LineKind;
using Rng = std::mt19937_64;

int pick(Rng& rng, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

mpz_class tenTo(long n)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return p;
}

std::string digits(Rng& rng, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>('0' + pick(rng, 0, 9));
    return s;
}

// A text as a user might type or paste it: a number of any shape, blanks
// anywhere, and sometimes something after it.
std::string typedText(Rng& rng)
{
    static const char* const signs[] = { "", "", "-", "+" };
    static const char* const tails[] = { "", "", "", "abc", ".5", "E", "e+", "E-x", ",5", "\r1" };
    std::string t = signs[pick(rng, 0, 3)];
    t += digits(rng, pick(rng, 0, 3) == 0 ? 0 : pick(rng, 1, 25));
    if (pick(rng, 0, 1))
        t += '.' + digits(rng, pick(rng, 0, 25));
    if (pick(rng, 0, 1)) {
        t += pick(rng, 0, 1) ? 'E' : 'e';
        t += signs[pick(rng, 0, 3)];
        const int e = pick(rng, 0, 3) == 0 ? pick(rng, 290, 420) : pick(rng, 0, 40);
        t += std::to_string(e);
    }
    t += tails[pick(rng, 0, 9)];
    for (int blanks = pick(rng, -6, 3); blanks > 0; --blanks)
        t.insert(static_cast<std::size_t>(pick(rng, 0, static_cast<int>(t.size()))), 1,
            " \t\n"[pick(rng, 0, 2)]);
    return t;
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

TEST(ExactProperty, ReadIsTheNumberValRoundsToADouble)
{
    // Half a unit in the last place above the largest double: Val overflows
    // from here on.
    mpz_class top;
    mpz_ui_pow_ui(top.get_mpz_t(), 2, 1024);
    mpz_class halfUlp;
    mpz_ui_pow_ui(halfUlp.get_mpz_t(), 2, 970);
    const mpq_class overflowFrom(top - halfUlp);

    Rng rng(1201);
    int compared = 0, overflowed = 0;
    for (int i = 0; i < 30000; ++i) {
        const std::string text = typedText(rng);
        const auto q = core::exact::Read(text);
        ASSERT_TRUE(q) << text; // random texts stay well within the limits
        try {
            const double v = core::Val(text);
            ASSERT_TRUE(isNearest(*q, v)) << '"' << text << "\" reads as " << *q << ", Val " << v;
            ++compared;
        } catch (const core::Overflow&) {
            ASSERT_GE(abs(*q), overflowFrom) << text;
            ++overflowed;
        }
    }
    EXPECT_GT(compared, 20000);
    EXPECT_GT(overflowed, 500);
}

// A terminating decimal typed in a form of its own: digits and an exponent.
std::string typed(const mpq_class& q)
{
    long k = 0;
    while (mpz_divisible_p(tenTo(k).get_mpz_t(), q.get_den().get_mpz_t()) == 0)
        ++k;
    const mpz_class scaled = q.get_num() * (tenTo(k) / q.get_den());
    return scaled.get_str() + "E-" + std::to_string(k);
}

mpq_class randomDecimal(Rng& rng)
{
    std::string text = pick(rng, 0, 1) ? "-" : "";
    text += digits(rng, pick(rng, 1, 6)) + '.' + digits(rng, pick(rng, 0, 4));
    return *core::exact::Read(text);
}

// The reading of a decimal text that DecimalText writes:
// [-]whole[.ending[(period)]] or [-]whole.fifty digits…
struct DecimalForm {
    mpq_class value; // with the digits shown, for a cut text
    long ending = 0, period = 0;
    bool cut = false;
};

std::optional<DecimalForm> readDecimal(const std::string& text)
{
    static const std::regex form(
        R"((-?)(0|[1-9][0-9]*)(?:\.([0-9]*)(?:\(([0-9]+)\)|(\xE2\x80\xA6))?)?)");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return std::nullopt;
    DecimalForm f;
    const std::string ending = m[3], period = m[4];
    f.cut = m[5].matched;
    if (m[3].matched && ending.empty() && period.empty())
        return std::nullopt; // a point with nothing after it
    f.ending = static_cast<long>(ending.size());
    f.period = static_cast<long>(period.size());
    const mpz_class ab(m[2].str() + ending, 10);
    if (f.period == 0) {
        f.value = mpq_class(ab, tenTo(f.ending));
    } else {
        const mpz_class abc(m[2].str() + ending + period, 10);
        f.value = mpq_class(abc - ab, tenTo(f.ending) * (tenTo(f.period) - 1));
    }
    f.value.canonicalize();
    if (m[1].matched && m[1].length() > 0)
        f.value = -f.value;
    return f;
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
    static const std::regex fractionForm("-?(0|[1-9][0-9]*)(/[1-9][0-9]*)?");
    ASSERT_TRUE(std::regex_match(fraction, fractionForm)) << fraction;
    mpq_class back(fraction, 10);
    ASSERT_EQ(back, q) << fraction;
    back.canonicalize();
    ASSERT_EQ(back.get_str(), fraction) << "not reduced";

    const std::string decimal = core::exact::DecimalText(q);
    const auto form = readDecimal(decimal);
    ASSERT_TRUE(form) << decimal << " for " << q;
    ASSERT_NE(decimal, "-0");
    ASSERT_EQ(decimal[0] == '-', q < 0) << decimal;
    const long most = core::exact::MaxDecimalPlaces;
    if (form->cut) {
        ASSERT_EQ(form->ending, most) << decimal;
        const mpq_class shown = abs(form->value);
        ASSERT_TRUE(shown <= abs(q) && abs(q) < shown + mpq_class(1, tenTo(most))) << decimal;
        for (long period = 0; period <= most; ++period)
            ASSERT_FALSE(spells(q, most - period, period)) << decimal << " could be written";
        return;
    }
    ASSERT_EQ(form->value, q) << decimal;
    ASSERT_LE(form->ending + form->period, most) << decimal;
    if (form->ending > 0) {
        ASSERT_FALSE(spells(q, form->ending - 1, form->period)) << decimal << " starts late";
    }
    for (long shorter = 1; shorter < form->period; ++shorter)
        ASSERT_FALSE(spells(q, form->ending, shorter)) << decimal << " repeats sooner";
}

TEST(ExactProperty, FractionAndDecimalTextsReadBack)
{
    Rng rng(1202);
    for (int i = 0; i < 20000; ++i) {
        const mpz_class numerator(digits(rng, pick(rng, 1, 30)), 10);
        mpz_class denominator(pick(rng, 1, 1000));
        denominator *= tenTo(pick(rng, 0, 30)) / (pick(rng, 0, 1) ? 2 : 5);
        if (pick(rng, 0, 3) == 0) // a large prime-ish factor: long periods
            denominator *= mpz_class(digits(rng, pick(rng, 5, 40)) + "7", 10);
        if (denominator == 0)
            continue;
        mpq_class q(numerator, denominator);
        q.canonicalize();
        if (pick(rng, 0, 1))
            q = -q;
        checkTexts(q);
        if (HasFatalFailure())
            return;
    }
}

struct Point {
    mpq_class x, y;
};

// Whether p lies on the line through a and b (a != b).
bool onLine(const Point& p, const Point& a, const Point& b)
{
    return (p.x - a.x) * (b.y - a.y) == (p.y - a.y) * (b.x - a.x);
}

// The line an equation text names, as "is (x, y) on it".
std::optional<std::function<bool(const Point&)>> readEquation(const std::string& text)
{
    static const std::string F = "(-?[0-9]+(?:/[0-9]+)?)", U = "([0-9]+(?:/[0-9]+)?)";
    static const std::regex vertical("x = " + F), flat("y = " + F),
        sloped("y = (?:(-)|" + F + " )?x(?: ([+-]) " + U + ")?");
    std::smatch m;
    if (std::regex_match(text, m, vertical)) {
        const mpq_class c(m[1].str(), 10);
        return [c](const Point& p) { return p.x == c; };
    }
    if (std::regex_match(text, m, flat)) {
        const mpq_class b(m[1].str(), 10);
        return [b](const Point& p) { return p.y == b; };
    }
    if (!std::regex_match(text, m, sloped))
        return std::nullopt;
    const mpq_class slope = m[1].matched ? mpq_class(-1)
        : m[2].matched                   ? mpq_class(m[2].str(), 10)
                                         : 1;
    mpq_class b = m[4].matched ? mpq_class(m[4].str(), 10) : 0;
    if (m[3] == "-")
        b = -b;
    if (slope == 0 || (m[4].matched && b == 0))
        return std::nullopt; // written the long way
    return [slope, b](const Point& p) { return p.y == slope * p.x + b; };
}

void checkLine(const core::exact::Line& line, const Point& a, const Point& b)
{
    const auto equation = core::exact::EquationText(line);
    if (a.x == b.x && a.y == b.y) {
        ASSERT_EQ(line.kind, LineKind::Point);
        ASSERT_FALSE(equation);
        return;
    }
    ASSERT_TRUE(equation);
    const auto named = readEquation(*equation);
    ASSERT_TRUE(named) << *equation;
    ASSERT_TRUE((*named)(a) && (*named)(b)) << *equation;

    if (a.x == b.x) {
        ASSERT_EQ(line.kind, LineKind::Vertical);
        ASSERT_EQ(line.xIntercept.kind, InterceptKind::At);
        ASSERT_EQ(line.xIntercept.at, a.x);
        ASSERT_EQ(line.yIntercept.kind, a.x == 0 ? InterceptKind::All : InterceptKind::None);
        checkTexts(line.xIntercept.at);
        return;
    }
    ASSERT_EQ(line.kind, LineKind::Line);
    ASSERT_EQ(line.slope * (b.x - a.x), b.y - a.y);
    ASSERT_EQ(line.yIntercept.kind, InterceptKind::At);
    ASSERT_TRUE(onLine({ 0, line.yIntercept.at }, a, b));
    if (a.y != b.y) {
        ASSERT_EQ(line.xIntercept.kind, InterceptKind::At);
        ASSERT_TRUE(onLine({ line.xIntercept.at, 0 }, a, b));
        checkTexts(line.xIntercept.at);
    } else {
        ASSERT_EQ(line.xIntercept.kind, a.y == 0 ? InterceptKind::All : InterceptKind::None);
    }
    checkTexts(line.slope);
    checkTexts(line.yIntercept.at);
}

TEST(ExactProperty, LinesAndCrossingsMeanWhatTheySay)
{
    Rng rng(1203);
    int kinds[4] = {};
    for (int i = 0; i < 6000; ++i) {
        Point p[4];
        for (Point& q : p)
            q = { randomDecimal(rng), randomDecimal(rng) };
        switch (pick(rng, 0, 9)) { // line one
        case 0:
            p[1].x = p[0].x;
            break; // vertical
        case 1:
            p[1].y = p[0].y;
            break; // horizontal
        case 2:
            p[1] = p[0];
            break; // a single point
        case 3:
            p[0].x = p[1].x = 0;
            break; // the y axis
        case 4:
            p[0].y = p[1].y = 0;
            break; // the x axis
        default:
            break;
        }
        const mpq_class k = randomDecimal(rng), k2 = randomDecimal(rng);
        switch (pick(rng, 0, 7)) { // line two
        case 0: // parallel, or the same line when the shift runs along it
            p[2] = { p[0].x + p[2].x, p[0].y + p[2].y };
            p[3] = { p[1].x + p[2].x - p[0].x, p[1].y + p[2].y - p[0].y };
            break;
        case 1: // the same line through other points
            p[2] = { p[0].x + k * (p[1].x - p[0].x), p[0].y + k * (p[1].y - p[0].y) };
            p[3] = { p[0].x + k2 * (p[1].x - p[0].x), p[0].y + k2 * (p[1].y - p[0].y) };
            break;
        case 2:
            p[3].x = p[2].x;
            break; // vertical
        case 3:
            p[3].y = p[2].y;
            break; // horizontal
        case 4:
            p[2] = p[0];
            break; // through a point of line one
        default:
            break;
        }
        if (pick(rng, 0, 9) == 0)
            p[3] = p[2];

        const auto one
            = core::exact::LineThrough(typed(p[0].x), typed(p[0].y), typed(p[1].x), typed(p[1].y));
        const auto two
            = core::exact::LineThrough(typed(p[2].x), typed(p[2].y), typed(p[3].x), typed(p[3].y));
        checkLine(one, p[0], p[1]);
        checkLine(two, p[2], p[3]);
        if (HasFatalFailure())
            return;

        const auto c = core::exact::CrossingOf(one, two);
        ++kinds[static_cast<int>(c.kind)];
        if (one.kind == LineKind::Point || two.kind == LineKind::Point) {
            ASSERT_EQ(c.kind, CrossingKind::None);
            continue;
        }
        const bool sameDirection
            = (p[1].x - p[0].x) * (p[3].y - p[2].y) == (p[1].y - p[0].y) * (p[3].x - p[2].x);
        const bool twoOnOne = onLine(p[2], p[0], p[1]) && onLine(p[3], p[0], p[1]);
        switch (c.kind) {
        case CrossingKind::Point:
            ASSERT_FALSE(sameDirection);
            ASSERT_TRUE(onLine({ c.x, c.y }, p[0], p[1]));
            ASSERT_TRUE(onLine({ c.x, c.y }, p[2], p[3]));
            checkTexts(c.x);
            checkTexts(c.y);
            break;
        case CrossingKind::Parallel:
            ASSERT_TRUE(sameDirection);
            ASSERT_FALSE(onLine(p[2], p[0], p[1]));
            break;
        case CrossingKind::Same:
            ASSERT_TRUE(twoOnOne);
            break;
        case CrossingKind::None:
            FAIL() << "two lines that do not meet as lines";
        }
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(kinds[static_cast<int>(CrossingKind::Point)], 2000);
    EXPECT_GT(kinds[static_cast<int>(CrossingKind::Parallel)], 300);
    EXPECT_GT(kinds[static_cast<int>(CrossingKind::Same)], 300);
    EXPECT_GT(kinds[static_cast<int>(CrossingKind::None)], 300);
}

} // namespace
