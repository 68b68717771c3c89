#include "core/solution.h"

#include "core/said.h"
#include "core/start_up_texts.h"

namespace core {

namespace {

// A minus written as the minus sign, not a hyphen.
std::string printed(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += c == '-' ? std::string("\u2212") : std::string(1, c);
    return out;
}

std::string fraction(const mpq_class& q)
{
    return printed(exact::FractionText(q));
}

} // namespace

Solution SolutionOf(const Exercise& exercise)
{
    const std::array<std::string, 8> t = ExerciseTexts(exercise);
    TypedFields typed = startUpTexts; // the window's range, -10..10
    typed.line1 = { t[0], t[1], t[2], t[3] };
    typed.line2 = { t[4], t[5], t[6], t[7] };

    Solution s;
    s.one = exact::LineThrough(t[0], t[1], t[2], t[3]);
    s.two = exact::LineThrough(t[4], t[5], t[6], t[7]);
    s.crossing = exact::CrossingOf(s.one, s.two);
    int n = 1;
    for (const exact::Line* l : { &s.one, &s.two }) {
        const std::string number = std::to_string(n++);
        const std::string equation = printed(exact::EquationText(*l).value_or(""));
        if (l->kind == exact::LineKind::Vertical)
            s.answers.push_back(Say(TRELLAN_WORDS("answers", "Line %1: %2; its slope is undefined"),
                { number, equation }));
        else
            s.answers.push_back(
                Say(TRELLAN_WORDS("answers", "Line %1: %2; slope %3, y-intercept %4"),
                    { number, equation, fraction(l->slope), fraction(l->yIntercept.at) }));
    }
    switch (s.crossing.kind) {
    case exact::CrossingKind::Point:
        s.crossingPoint = std::string("(")
                              .append(fraction(s.crossing.x))
                              .append(", ")
                              .append(fraction(s.crossing.y))
                              .append(")");
        s.answers.push_back(Say(TRELLAN_WORDS("answers", "They cross at %1"), { s.crossingPoint }));
        break;
    case exact::CrossingKind::Parallel:
        s.answers.push_back(Say(TRELLAN_WORDS("answers", "Parallel: they never cross")));
        break;
    case exact::CrossingKind::Same:
        s.answers.push_back(Say(TRELLAN_WORDS("answers", "The same line: they meet everywhere")));
        break;
    case exact::CrossingKind::None:
        break;
    }
    s.working = WorkingFor(typed.line1, typed.line2);
    s.drawn = BothLines(typed, false);
    return s;
}

} // namespace core
