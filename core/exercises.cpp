#include "core/exercises.h"

#include "core/said.h"

#include <algorithm>
#include <cstdlib>
#include <gmpxx.h>
#include <numeric>
#include <optional>
#include <random>
#include <set>

namespace core {

namespace {

constexpr int lowest = -10, highest = 10;

// Draws from the 64-bit Mersenne Twister, whose sequence the standard
// fixes; the standard's distributions are not fixed, so bounded draws are
// made here, by rejection, the same everywhere.
class Draw {
public:
    explicit Draw(std::uint64_t seed)
        : engine_(seed)
    {
    }

    // A whole number from `from` to `to`, both included.
    int between(int from, int to)
    {
        const std::uint64_t span = static_cast<std::uint64_t>(to - from) + 1;
        const std::uint64_t limit = engine_.max() - engine_.max() % span;
        std::uint64_t r = 0;
        do
            r = engine_();
        while (r >= limit);
        return from + static_cast<int>(r % span);
    }

    bool oneIn(int n) { return between(1, n) == 1; }

    template <typename T> const T& pick(const std::vector<T>& from)
    {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
    }

private:
    std::mt19937_64 engine_;
};

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

mpq_class fraction(int p, int q)
{
    mpq_class v { mpz_class(p), mpz_class(q) };
    v.canonicalize();
    return v;
}

bool inside(const mpq_class& v)
{
    return v >= lowest && v <= highest;
}

// The whole-number points inside the range on the line through (x, y) with
// slope p/q; a vertical line when q is 0.
std::vector<Point> gridPointsOn(const mpq_class& x, const mpq_class& y, int p, int q)
{
    std::vector<Point> points;
    for (int px = lowest; px <= highest; ++px) {
        if (q == 0) {
            if (px != x)
                continue;
            for (int py = lowest; py <= highest; ++py)
                points.push_back({ px, py });
            continue;
        }
        const mpq_class py = y + fraction(p, q) * (px - x);
        if (py.get_den() == 1 && inside(py))
            points.push_back({ px, static_cast<int>(py.get_num().get_si()) });
    }
    return points;
}

// Two different points of `points` for a line's end points; nothing when it
// has fewer than two. A run of one would give the rise away as the slope:
// ends further apart are preferred where the line has them.
std::optional<std::pair<Point, Point>> twoOf(Draw& draw, const std::vector<Point>& points)
{
    if (points.size() < 2)
        return std::nullopt;
    std::pair<Point, Point> ends { points[0], points[1] };
    for (int tries = 0; tries < 8; ++tries) {
        const Point a = draw.pick(points);
        Point b = a;
        while (b == a)
            b = draw.pick(points);
        ends = { a, b };
        if (std::abs(a.x - b.x) >= 2 || (a.x == b.x && std::abs(a.y - b.y) >= 2))
            break;
    }
    return ends;
}

struct Slope {
    int p, q; // p/q in lowest terms; q = 0 for a vertical line
};

Slope wholeSlope(Draw& draw)
{
    const int size = draw.between(2, 5);
    return { draw.oneIn(2) ? size : -size, 1 };
}

// Halves, thirds, quarters and fifths that are not whole numbers.
Slope fractionalSlope(Draw& draw)
{
    for (;;) {
        const int q = draw.between(2, 5);
        const int p = draw.between(-3 * q, 3 * q);
        if (p % q != 0 && std::gcd(p, q) == 1)
            return { p, q };
    }
}

// A line through (x, y), the crossing, with the slope: its end points on the
// grid, and not at the crossing, which would give the answer away; nothing
// when it has no two such points inside the range.
std::optional<std::pair<Point, Point>> lineThrough(
    Draw& draw, const mpq_class& x, const mpq_class& y, Slope s)
{
    std::vector<Point> points = gridPointsOn(x, y, s.p, s.q);
    std::erase_if(points, [&](Point p) { return p.x == x && p.y == y; });
    return twoOf(draw, points);
}

// The axes themselves are not exercises: no line lies along one.
bool isAxis(const std::pair<Point, Point>& line)
{
    const auto& [a, b] = line;
    return (a.x == 0 && b.x == 0) || (a.y == 0 && b.y == 0);
}

Exercise exerciseOf(const std::pair<Point, Point>& one, const std::pair<Point, Point>& two)
{
    return { one.first.x, one.first.y, one.second.x, one.second.y, two.first.x, two.first.y,
        two.second.x, two.second.y };
}

// A pair that crosses at (x, y) with the two slopes; nothing when either
// line has no two grid points in range or lies along an axis.
std::optional<Exercise> crossingPair(
    Draw& draw, const mpq_class& x, const mpq_class& y, Slope a, Slope b)
{
    const auto one = lineThrough(draw, x, y, a);
    const auto two = lineThrough(draw, x, y, b);
    if (!one || !two || isAxis(*one) || isAxis(*two))
        return std::nullopt;
    return exerciseOf(*one, *two);
}

mpq_class halfGridValue(Draw& draw, bool halves)
{
    return halves ? fraction(draw.between(2 * lowest, 2 * highest), 2)
                  : mpq_class(draw.between(lowest, highest));
}

std::optional<Exercise> levelOne(Draw& draw)
{
    const Slope a = wholeSlope(draw);
    Slope b = wholeSlope(draw);
    if (b.p == a.p)
        return std::nullopt;
    return crossingPair(draw, draw.between(lowest, highest), draw.between(lowest, highest), a, b);
}

std::optional<Exercise> levelTwo(Draw& draw)
{
    const Slope a = fractionalSlope(draw);
    const Slope b = fractionalSlope(draw);
    // Parallel and perpendicular pairs are the third level's.
    if (a.p * b.q == b.p * a.q || a.p * b.p == -a.q * b.q)
        return std::nullopt;
    const mpq_class x = halfGridValue(draw, true), y = halfGridValue(draw, true);
    return crossingPair(draw, x, y, a, b);
}

// One of the pairs a pupil should recognise without solving.
std::optional<Exercise> special(Draw& draw)
{
    const mpq_class x = halfGridValue(draw, true), y = halfGridValue(draw, true);
    const Slope a = fractionalSlope(draw);
    switch (draw.between(1, 5)) {
    case 1: { // parallel: the same slope through another point
        const auto one = lineThrough(draw, x, y, a);
        const auto two = lineThrough(draw, halfGridValue(draw, true), halfGridValue(draw, true), a);
        if (!one || !two || isAxis(*one) || isAxis(*two))
            return std::nullopt;
        const mpq_class d1 = mpq_class(one->first.y) * a.q - mpq_class(one->first.x) * a.p;
        const mpq_class d2 = mpq_class(two->first.y) * a.q - mpq_class(two->first.x) * a.p;
        if (d1 == d2)
            return std::nullopt;
        return exerciseOf(*one, *two);
    }
    case 2: { // the same line, through two other points of it
        const std::vector<Point> points = gridPointsOn(x, y, a.p, a.q);
        const auto one = twoOf(draw, points);
        const auto two = twoOf(draw, points);
        // Line one's points again, in either order, would give the answer
        // away: line two needs at least one point of its own.
        const auto sameEnds
            = [](const std::pair<Point, Point>& u, const std::pair<Point, Point>& v) {
                  return (u.first == v.first && u.second == v.second)
                      || (u.first == v.second && u.second == v.first);
              };
        if (!one || !two || isAxis(*one) || sameEnds(*one, *two))
            return std::nullopt;
        return exerciseOf(*one, *two);
    }
    case 3: // vertical
        return crossingPair(draw, x.get_den() == 1 ? x : x + fraction(1, 2), y, { 1, 0 }, a);
    case 4: // horizontal
        return crossingPair(draw, x, y.get_den() == 1 ? y : y + fraction(1, 2), { 0, 1 }, a);
    default: // perpendicular: slopes p/q and -q/p
        return crossingPair(draw, x, y, a, { a.p < 0 ? a.q : -a.q, a.p < 0 ? -a.p : a.p });
    }
}

} // namespace

std::vector<Exercise> MakeExercises(int count, int level, std::uint64_t seed)
{
    Draw draw(seed);
    std::vector<Exercise> sheet;
    std::set<Exercise> made;
    for (int k = 0; k < count; ++k) {
        // The kind is chosen first, so that some kinds' being harder to
        // make does not change how often each comes.
        const bool special = level >= 3 && draw.oneIn(4);
        // Every level has thousands of different exercises: a sheet is
        // filled long before the tries run out.
        for (int tries = 0; tries < 10000; ++tries) {
            const std::optional<Exercise> e = special ? core::special(draw)
                : level <= 1                          ? levelOne(draw)
                                                      : levelTwo(draw);
            if (e && made.insert(*e).second) {
                sheet.push_back(*e);
                break;
            }
        }
    }
    return sheet;
}

std::array<std::string, 8> ExerciseTexts(const Exercise& exercise)
{
    std::array<std::string, 8> texts;
    std::transform(
        exercise.begin(), exercise.end(), texts.begin(), [](int v) { return std::to_string(v); });
    return texts;
}

std::string ExerciseSentence(const Exercise& e)
{
    const auto number = [](int v) {
        // A printed minus sign, not a hyphen.
        return v < 0 ? "\u2212" + std::to_string(-v) : std::to_string(v);
    };
    const auto point = [&](int x, int y) {
        std::string text = "(";
        text += number(x);
        text += ", ";
        text += number(y);
        return text + ")";
    };
    return Say(
        TRELLAN_WORDS("exercises", "Line one passes through %1 and %2; line two through %3 and %4"),
        { point(e[0], e[1]), point(e[2], e[3]), point(e[4], e[5]), point(e[6], e[7]) });
}

} // namespace core
