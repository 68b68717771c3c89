#include "core/exact_line.h"

#include "core/written_number.h"

namespace core::exact {

Line LineThrough(const mpq_class& X1, const mpq_class& Y1, const mpq_class& X2, const mpq_class& Y2)
{
    Line line;
    if (X1 == X2) {
        if (Y1 == Y2) {
            line.kind = LineKind::Point;
            return line;
        }
        line.kind = LineKind::Vertical;
        line.yIntercept.kind = X1 == 0 ? InterceptKind::All : InterceptKind::None;
        line.xIntercept = { InterceptKind::At, X1 };
        return line;
    }

    line.kind = LineKind::Line;
    line.slope = (Y2 - Y1) / (X2 - X1);
    const mpq_class b = Y1 - line.slope * X1;
    line.yIntercept = { InterceptKind::At, b };
    if (line.slope != 0)
        line.xIntercept = { InterceptKind::At, -b / line.slope };
    else
        line.xIntercept.kind = b == 0 ? InterceptKind::All : InterceptKind::None;
    return line;
}

Line LineThrough(std::string_view X1, std::string_view Y1, std::string_view X2, std::string_view Y2)
{
    const auto x1 = ReadField(X1);
    const auto y1 = ReadField(Y1);
    const auto x2 = ReadField(X2);
    const auto y2 = ReadField(Y2);
    if (!x1 || !y1 || !x2 || !y2)
        return {};
    return LineThrough(*x1, *y1, *x2, *y2);
}

Crossing CrossingOf(const Line& one, const Line& two)
{
    const auto isLine
        = [](const Line& l) { return l.kind == LineKind::Line || l.kind == LineKind::Vertical; };
    if (!isLine(one) || !isLine(two))
        return {};

    Crossing c;
    if (one.kind == LineKind::Vertical && two.kind == LineKind::Vertical) {
        c.kind
            = one.xIntercept.at == two.xIntercept.at ? CrossingKind::Same : CrossingKind::Parallel;
        return c;
    }
    if (one.kind == LineKind::Vertical || two.kind == LineKind::Vertical) {
        const Line& vertical = one.kind == LineKind::Vertical ? one : two;
        const Line& other = one.kind == LineKind::Vertical ? two : one;
        c.kind = CrossingKind::Point;
        c.x = vertical.xIntercept.at;
        c.y = other.slope * c.x + other.yIntercept.at;
        return c;
    }
    if (one.slope == two.slope) {
        c.kind
            = one.yIntercept.at == two.yIntercept.at ? CrossingKind::Same : CrossingKind::Parallel;
        return c;
    }
    c.kind = CrossingKind::Point;
    c.x = (two.yIntercept.at - one.yIntercept.at) / (one.slope - two.slope);
    c.y = one.slope * c.x + one.yIntercept.at;
    return c;
}

std::optional<std::string> EquationText(const Line& line)
{
    if (line.kind == LineKind::Vertical)
        return "x = " + FractionText(line.xIntercept.at);
    if (line.kind != LineKind::Line)
        return std::nullopt;

    const mpq_class& m = line.slope;
    const mpq_class& b = line.yIntercept.at;
    std::string out = "y = ";
    if (m == 0)
        return out + FractionText(b);
    if (m == -1)
        out += '-';
    else if (m != 1)
        out += FractionText(m) + ' ';
    out += 'x';
    if (b > 0)
        out += " + " + FractionText(b);
    else if (b < 0)
        out += " - " + FractionText(-b);
    return out;
}

} // namespace core::exact
