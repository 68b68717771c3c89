#include "core/crossing.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "core/said.h"

namespace core {

std::string ParallelCaptionSaid()
{
    return Say(TRELLAN_WORDS("crossing", "Parallel lines. No Intersection."));
}

std::string SameLineCaptionSaid()
{
    return Say(TRELLAN_WORDS("crossing", "Same line. Infinite solutions."));
}

Crossing CrossingPoint(double X, float Y)
{
    std::string caption = "(";
    caption += NumberToText(X);
    caption += ",  ";
    caption += NumberToText(Y);
    caption += ')';
    return { CrossingKind::Point, caption, X, Y };
}

Crossing FindCrossing(std::string_view slope1, std::string_view slope2, std::string_view yint1,
    std::string_view yint2)
{
    const double m1 = TextToNumber(slope1);
    const double m2 = TextToNumber(slope2);
    const double b1 = TextToNumber(yint1);
    const double b2 = TextToNumber(yint2);

    if (m1 == m2) {
        if (b1 == b2)
            return { CrossingKind::Same, SameLineCaptionSaid() };
        return { CrossingKind::Parallel, ParallelCaptionSaid() };
    }

    const double X = Divide(Subtract(b2, b1), Subtract(m1, m2));
    const float Y = ToSingle(Add(Multiply(m1, X), b1));
    return CrossingPoint(X, Y);
}

Crossing CrossingWithVertical(double c, std::string_view slope, std::string_view yint)
{
    const double m = TextToNumber(slope);
    const double b = TextToNumber(yint);
    return CrossingPoint(c, ToSingle(Add(Multiply(m, c), b)));
}

Crossing CrossingOfVerticals(double c1, double c2)
{
    if (c1 == c2)
        return { CrossingKind::Same, SameLineCaptionSaid() };
    return { CrossingKind::Parallel, ParallelCaptionSaid() };
}

} // namespace core
