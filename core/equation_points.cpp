#include "core/equation_points.h"

#include "core/number_text.h"
#include "core/written_number.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace core::exact {

namespace {

mpz_class tenTo(unsigned long n)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
    return p;
}

mpz_class floorOf(const mpq_class& q)
{
    mpz_class f;
    mpz_fdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return f;
}

mpz_class ceilOf(const mpq_class& q)
{
    mpz_class f;
    mpz_cdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return f;
}

// The whole numbers k from low to high.
struct Span {
    mpz_class low, high;
};

// The k of `k` for which start + step k lies in lo..hi, step not zero.
Span narrowed(
    Span k, const mpz_class& start, const mpz_class& step, const mpz_class& lo, const mpz_class& hi)
{
    mpq_class l(lo - start), h(hi - start);
    l /= step;
    h /= step;
    if (step < 0)
        std::swap(l, h);
    return { std::max(k.low, ceilOf(l)), std::min(k.high, floorOf(h)) };
}

struct Grid {
    mpz_class x1, y1, x2, y2; // in units of 10^-places
};

// The two points farthest apart with coordinates that are whole multiples of
// 10^-places, inside lo..hi (already in those units); a x + b y = c holds
// with whole a, b, c. Nothing unless there are two.
std::optional<Grid> farthestOnGrid(const mpz_class& a, const mpz_class& b, const mpz_class& c,
    const mpz_class& lo, const mpz_class& hi)
{
    mpz_class g, s, t;
    mpz_gcdext(g.get_mpz_t(), s.get_mpz_t(), t.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    if (c % g != 0)
        return std::nullopt;
    // Every solution is (x0 + (b/g) k, y0 - (a/g) k).
    const mpz_class x0 = s * (c / g);
    const mpz_class y0 = t * (c / g);
    const mpz_class dx = b / g;
    const mpz_class dy = -a / g;
    // Beyond any k that could matter: the range is bounded in both.
    const mpz_class far = abs(x0) + abs(y0) + abs(lo) + abs(hi) + 1;
    Span k { -far, far };
    for (const auto& [start, step] : { std::pair { x0, dx }, std::pair { y0, dy } }) {
        if (step != 0) {
            k = narrowed(k, start, step, lo, hi);
        } else if (start < lo || start > hi) {
            return std::nullopt;
        }
    }
    if (k.low >= k.high)
        return std::nullopt;
    Grid grid { x0 + dx * k.low, y0 + dy * k.low, x0 + dx * k.high, y0 + dy * k.high };
    // Left to right, or bottom to top, as a pupil would write them.
    if (grid.x1 > grid.x2 || (grid.x1 == grid.x2 && grid.y1 > grid.y2)) {
        swap(grid.x1, grid.x2);
        swap(grid.y1, grid.y2);
    }
    return grid;
}

// q to 15 significant digits, written as the window writes numbers.
std::string roundedText(const mpq_class& q)
{
    if (q == 0)
        return "0";
    const mpq_class size = abs(q);
    // The power of ten just at or below |q|: guessed from the digit counts
    // and set right.
    long e = static_cast<long>(mpz_sizeinbase(size.get_num_mpz_t(), 10))
        - static_cast<long>(mpz_sizeinbase(size.get_den_mpz_t(), 10));
    const auto power = [](long n) {
        return n >= 0 ? mpq_class(tenTo(static_cast<unsigned long>(n)))
                      : mpq_class(mpz_class(1), tenTo(static_cast<unsigned long>(-n)));
    };
    while (power(e) > size)
        --e;
    while (power(e + 1) <= size)
        ++e;
    const mpq_class scaled = size * power(14 - e);
    const mpz_class digits = floorOf(scaled + mpq_class(1, 2));
    std::string text = sgn(q) < 0 ? "-" : "";
    text += digits.get_str() + "E" + std::to_string(e - 14);
    return NumberToText(std::strtod(text.c_str(), nullptr));
}

} // namespace

Reading<ChosenEndPoints> ChooseEndPoints(
    const Equation& e, const mpq_class& lowerBound, const mpq_class& upperBound)
{
    const Problem misses { std::string(MissesRangeText) };
    const mpq_class lower = std::min(lowerBound, upperBound);
    const mpq_class upper = std::max(lowerBound, upperBound);

    // Where the line crosses the square, exactly.
    mpq_class x1, y1, x2, y2;
    if (e.b == 0) {
        x1 = x2 = e.c / e.a;
        y1 = lower;
        y2 = upper;
        if (x1 < lower || x1 > upper)
            return misses;
    } else {
        const auto yAt = [&](const mpq_class& x) -> mpq_class { return (e.c - e.a * x) / e.b; };
        x1 = lower;
        x2 = upper;
        if (e.a != 0) {
            const mpq_class atLower = (e.c - e.b * lower) / e.a;
            const mpq_class atUpper = (e.c - e.b * upper) / e.a;
            x1 = std::max(lower, std::min(atLower, atUpper));
            x2 = std::min(upper, std::max(atLower, atUpper));
        }
        y1 = yAt(x1);
        y2 = yAt(x2);
        if (x1 >= x2 || std::max(y1, y2) < lower || std::min(y1, y2) > upper)
            return misses;
    }

    // The equation with whole coefficients.
    mpz_class common = 1;
    for (const mpq_class* q : { &e.a, &e.b, &e.c })
        mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), q->get_den_mpz_t());
    const mpz_class a = mpz_class(e.a * common);
    const mpz_class b = mpz_class(e.b * common);
    const mpz_class c = mpz_class(e.c * common);

    for (unsigned long places = 0; places <= MaxDecimalPlaces; ++places) {
        const mpz_class unit = tenTo(places);
        const auto grid
            = farthestOnGrid(a, b, c * unit, ceilOf(lower * unit), floorOf(upper * unit));
        if (!grid)
            continue;
        const auto text = [&](const mpz_class& n) {
            mpq_class q(n, unit);
            q.canonicalize();
            return DecimalText(q);
        };
        return ChosenEndPoints { { text(grid->x1), text(grid->y1), text(grid->x2), text(grid->y2) },
            false };
    }
    return ChosenEndPoints { { roundedText(x1), roundedText(y1), roundedText(x2), roundedText(y2) },
        true };
}

Reading<ChosenEndPoints> ChooseEndPoints(
    const Equation& equation, std::string_view lower, std::string_view upper)
{
    const Reading<mpq_class> low = ReadField(lower);
    if (!low)
        return low.problem();
    const Reading<mpq_class> high = ReadField(upper);
    if (!high)
        return high.problem();
    return ChooseEndPoints(equation, *low, *high);
}

} // namespace core::exact
