#include "core/working_pair.h"

#include "core/exact_number.h"
#include "core/said.h"
#include "core/working_text.h"

namespace core::working_pair {

namespace {

using exact::CrossingKind;
using exact::FractionText;
using exact::LineKind;
using working_text::Divisor;
using working_text::Term;
using working_text::TimesX;
using working_text::WithDecimal;

bool isLine(const exact::Line& line)
{
    return line.kind == LineKind::Line || line.kind == LineKind::Vertical;
}

std::string notLines(const exact::Line& one)
{
    return Say(TRELLAN_WORDS("working", "line %1 is not a line, so there is nothing to cross"),
        { isLine(one) ? "2" : "1" });
}

// "(x, y)", built by appending: "(" + text trips a false -Wrestrict in GCC 12.
std::string pointText(const exact::Crossing& at)
{
    std::string out = "(";
    out += FractionText(at.x);
    out += ", ";
    out += FractionText(at.y);
    out += ')';
    return out;
}

std::string c(const exact::Line& vertical)
{
    return FractionText(vertical.xIntercept.at);
}

// Both vertical, or both with the same slope.
void sameSlope(const exact::Line& one, const exact::Line& two, WorkingStep& s)
{
    const bool same = exact::CrossingOf(one, two).kind == CrossingKind::Same;
    if (one.kind == LineKind::Vertical) {
        s.lines = { Say(TRELLAN_WORDS("working", "both lines are vertical: x = %1 and x = %2"),
            { c(one), c(two) }) };
        s.lines.push_back(same ? Say(TRELLAN_WORDS("working", "they are the same line"))
                               : Say(TRELLAN_WORDS("working", "they are parallel and never meet")));
    } else {
        const std::string b1 = FractionText(one.yIntercept.at);
        const std::string b2 = FractionText(two.yIntercept.at);
        s.lines = { "m1 = m2 = " + FractionText(one.slope) };
        s.lines.push_back(same
                ? Say(TRELLAN_WORDS("working", "b1 = b2 = %1, so they are the same line"), { b1 })
                : Say(TRELLAN_WORDS(
                          "working", "b1 = %1 but b2 = %2, so they are parallel and never meet"),
                    { b1, b2 }));
    }
    s.result = same ? "same" : "parallel";
}

void oneVertical(const exact::Line& one, const exact::Line& two, WorkingStep& s)
{
    const bool firstIsVertical = one.kind == LineKind::Vertical;
    const exact::Line& vertical = firstIsVertical ? one : two;
    const exact::Line& other = firstIsVertical ? two : one;
    const std::string k = firstIsVertical ? "1" : "2";
    const std::string n = firstIsVertical ? "2" : "1";
    const exact::Crossing at = exact::CrossingOf(one, two);
    s.lines = { Say(TRELLAN_WORDS("working", "line %1 is x = %2, so where they cross x = %2"),
                    { k, c(vertical) }),
        Say(TRELLAN_WORDS("working", "put x = %1 into line %2: y = m%2 x + b%2"),
            { c(vertical), n }),
        "y = " + Term(FractionText(other.slope)) + " * " + Term(c(vertical)) + " + "
            + Term(FractionText(other.yIntercept.at)),
        "y = " + WithDecimal(at.y) };
    s.result = pointText(at);
}

} // namespace

WorkingStep CrossingStep(const exact::Line& one, const exact::Line& two)
{
    WorkingStep s;
    s.id = "crossing";
    s.heading = Say(TRELLAN_WORDS("working", "Where the lines cross"));
    if (!isLine(one) || !isLine(two)) {
        s.lines = { notLines(one) };
        return s;
    }
    const bool v1 = one.kind == LineKind::Vertical;
    const bool v2 = two.kind == LineKind::Vertical;
    if (v1 != v2) {
        oneVertical(one, two, s);
        return s;
    }
    if (v1 || one.slope == two.slope) {
        sameSlope(one, two, s);
        return s;
    }
    const mpq_class &m1 = one.slope, &m2 = two.slope;
    const mpq_class &b1 = one.yIntercept.at, &b2 = two.yIntercept.at;
    const exact::Crossing at = exact::CrossingOf(one, two);
    s.lines = { "m1 x + b1 = m2 x + b2",
        TimesX(m1) + " + " + Term(FractionText(b1)) + " = " + TimesX(m2) + " + "
            + Term(FractionText(b2)),
        "x = (b2 - b1) / (m1 - m2)",
        "x = (" + FractionText(b2) + " - " + Term(FractionText(b1)) + ") / (" + FractionText(m1)
            + " - " + Term(FractionText(m2)) + ")",
        "x = " + FractionText(b2 - b1) + " / " + Divisor(m1 - m2), "x = " + WithDecimal(at.x),
        "y = m1 x + b1",
        "y = " + Term(FractionText(m1)) + " * " + Term(FractionText(at.x)) + " + "
            + Term(FractionText(b1)),
        "y = " + WithDecimal(at.y), Say(TRELLAN_WORDS("working", "check on line 2: y = m2 x + b2")),
        "y = " + Term(FractionText(m2)) + " * " + Term(FractionText(at.x)) + " + "
            + Term(FractionText(b2)) + " = " + FractionText(at.y) };
    s.result = pointText(at);
    return s;
}

WorkingStep RelationStep(const exact::Line& one, const exact::Line& two)
{
    WorkingStep s;
    s.id = "relation";
    s.heading = Say(TRELLAN_WORDS("working", "Parallel, perpendicular or neither"));
    if (!isLine(one) || !isLine(two)) {
        s.lines = { notLines(one) };
        return s;
    }
    const exact::Crossing at = exact::CrossingOf(one, two);
    if (at.kind == CrossingKind::Same || at.kind == CrossingKind::Parallel) {
        const bool same = at.kind == CrossingKind::Same;
        s.lines = { same ? Say(TRELLAN_WORDS("working", "the two lines are one and the same line"))
                         : Say(TRELLAN_WORDS("working",
                             "the lines go the same way and never meet: they are parallel")) };
        s.result = same ? "same" : "parallel";
        return s;
    }
    const bool v1 = one.kind == LineKind::Vertical;
    if (v1 || two.kind == LineKind::Vertical) {
        const std::string n = v1 ? "2" : "1";
        const bool flat = ArePerpendicular(one, two);
        s.lines = { Say(flat ? TRELLAN_WORDS("working",
                            "line %1 is vertical and line %2 is horizontal, so they meet "
                            "at a right angle: perpendicular")
                             : TRELLAN_WORDS("working",
                                 "line %1 is vertical and line %2 is not horizontal, so they "
                                 "cross but are not perpendicular"),
            { v1 ? "1" : "2", n }) };
        s.result = flat ? "perpendicular" : "crossing";
        return s;
    }
    const mpq_class product = one.slope * two.slope;
    const bool right = ArePerpendicular(one, two);
    s.lines = { "m1 * m2 = " + Term(FractionText(one.slope)) + " * " + Term(FractionText(two.slope))
            + " = " + FractionText(product),
        right ? Say(TRELLAN_WORDS("working", "m1 * m2 = -1, so the lines are perpendicular"))
              : Say(TRELLAN_WORDS(
                  "working", "that is not -1, so the lines cross but are not perpendicular")) };
    s.result = right ? "perpendicular" : "crossing";
    return s;
}

} // namespace core::working_pair

namespace core {

bool ArePerpendicular(const exact::Line& one, const exact::Line& two)
{
    const bool v1 = one.kind == exact::LineKind::Vertical;
    const bool v2 = two.kind == exact::LineKind::Vertical;
    const bool l1 = one.kind == exact::LineKind::Line;
    const bool l2 = two.kind == exact::LineKind::Line;
    if (v1 && l2)
        return two.slope == 0;
    if (v2 && l1)
        return one.slope == 0;
    return l1 && l2 && one.slope * two.slope == -1;
}

} // namespace core
