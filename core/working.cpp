#include "core/working.h"

#include "core/exact_number.h"
#include "core/said.h"
#include "core/working_pair.h"
#include "core/working_text.h"
#include "core/written_number.h"

namespace core {

namespace {

using exact::FractionText;
using exact::LineKind;
using working_text::AsTyped;
using working_text::Divisor;
using working_text::Term;
using working_text::TimesX;
using working_text::WithDecimal;

// One line's end points, as typed and as read.
struct Points {
    std::array<std::string, 4> typed; // x1, y1, x2, y2, as substituted
    std::array<mpq_class, 4> value;
};

std::string noLine(const exact::Line& line, const Points& p)
{
    if (line.kind == LineKind::TooLarge)
        return Say(TRELLAN_WORDS("working", "a number is too large to work with exactly"));
    return Say(TRELLAN_WORDS("working", "both points are (%1, %2), one point: it makes no line"),
        { p.typed[0], p.typed[1] });
}

// A sentence about a vertical line, with its x in place.
std::string everyPoint(const exact::Line& line, Words words)
{
    return Say(words, { FractionText(line.xIntercept.at) });
}

WorkingStep slope(const exact::Line& line, const Points& p)
{
    WorkingStep s;
    if (line.kind == LineKind::Vertical) {
        const std::string &x1 = p.typed[0], &x2 = p.typed[2];
        if (x1 == x2)
            s.lines = { "x1 = x2 = " + x1 };
        else
            s.lines = { "x1 = " + x1, "x2 = " + x2 };
        s.lines.push_back(everyPoint(line,
            TRELLAN_WORDS("working",
                "the run x2 - x1 is 0, so the slope is undefined; every point of the line has x "
                "= %1")));
        s.result = "undefined";
        return s;
    }
    const auto& [x1, y1, x2, y2] = p.typed;
    const auto& v = p.value;
    s.lines = { "m = (y2 - y1) / (x2 - x1)",
        "m = (" + y2 + " - " + Term(y1) + ") / (" + x2 + " - " + Term(x1) + ")",
        "m = " + working_text::ShortText(v[3] - v[1]) + " / "
            + Term(working_text::ShortText(v[2] - v[0])),
        "m = " + WithDecimal(line.slope) };
    if (line.slope == 0)
        s.lines.push_back(Say(TRELLAN_WORDS(
            "working", "the rise is 0, so the line is horizontal and its slope is 0")));
    s.result = FractionText(line.slope);
    return s;
}

// The last line of a step that finds where the line meets an axis.
std::string meetsAt(Words axis, const std::string& x, const std::string& y)
{
    return Say(axis, { x, y });
}

constexpr Words meetsXAxis = TRELLAN_WORDS("working", "the line meets the x-axis at (%1, %2)");
constexpr Words meetsYAxis = TRELLAN_WORDS("working", "the line meets the y-axis at (%1, %2)");

// Where a vertical line meets the y-axis, for both y-axis steps.
WorkingStep verticalOnYAxis(const exact::Line& line)
{
    WorkingStep s;
    if (line.yIntercept.kind == exact::InterceptKind::All) {
        s.lines = { Say(TRELLAN_WORDS(
            "working", "the line is x = 0, the y-axis itself: it meets it all along")) };
        s.result = "all";
    } else {
        s.lines = { everyPoint(line,
            TRELLAN_WORDS("working",
                "every point of the line has x = %1, and the y-axis is x = 0: they never meet")) };
        s.result = "none";
    }
    return s;
}

WorkingStep yIntercept(const exact::Line& line, const Points& p)
{
    if (line.kind == LineKind::Vertical)
        return verticalOnYAxis(line);
    WorkingStep s;
    const mpq_class& b = line.yIntercept.at;
    s.lines = { "b = y1 - m * x1",
        "b = " + p.typed[1] + " - " + Term(FractionText(line.slope)) + " * " + Term(p.typed[0]),
        "b = " + p.typed[1] + " - " + Term(FractionText(line.slope * p.value[0])),
        "b = " + WithDecimal(b) };
    s.result = FractionText(b);
    return s;
}

WorkingStep equation(const exact::Line& line, const Points&)
{
    WorkingStep s;
    const std::string text = *exact::EquationText(line);
    if (line.kind == LineKind::Vertical) {
        s.lines
            = { everyPoint(line, TRELLAN_WORDS("working", "every point of the line has x = %1")),
                  text };
    } else {
        const std::string put
            = "y = " + TimesX(line.slope) + " + " + Term(FractionText(line.yIntercept.at));
        s.lines = { "y = m x + b", put };
        if (put != text)
            s.lines.push_back(text);
    }
    s.result = text;
    return s;
}

WorkingStep xAxis(const exact::Line& line, const Points&)
{
    WorkingStep s;
    if (line.kind == LineKind::Vertical) {
        s.lines = { everyPoint(line,
                        TRELLAN_WORDS("working",
                            "every point of the line has x = %1, so it meets the x-axis (y = 0) "
                            "there")),
            "x = " + FractionText(line.xIntercept.at),
            meetsAt(meetsXAxis, FractionText(line.xIntercept.at), "0") };
        s.result = FractionText(line.xIntercept.at);
        return s;
    }
    const mpq_class& m = line.slope;
    const mpq_class& b = line.yIntercept.at;
    if (line.xIntercept.kind == exact::InterceptKind::All) {
        s.lines = { Say(TRELLAN_WORDS(
            "working", "the line is y = 0, the x-axis itself: it meets it all along")) };
        s.result = "all";
        return s;
    }
    if (line.xIntercept.kind == exact::InterceptKind::None) {
        s.lines = { Say(TRELLAN_WORDS("working",
                            "0 = 0 x + %1 has no answer: the line stays at y = %2 and never "
                            "meets the x-axis"),
            { Term(FractionText(b)), FractionText(b) }) };
        s.result = "none";
        return s;
    }
    // -b with b = 0 is written 0: a pupil never writes -0.
    const std::string minusB = b == 0 ? "0" : "-" + Term(FractionText(b));
    s.lines = { "0 = m x + b", "0 = " + TimesX(m) + " + " + Term(FractionText(b)), "x = -b / m",
        "x = " + minusB + " / " + Divisor(m), "x = " + WithDecimal(line.xIntercept.at),
        meetsAt(meetsXAxis, FractionText(line.xIntercept.at), "0") };
    s.result = FractionText(line.xIntercept.at);
    return s;
}

WorkingStep yAxis(const exact::Line& line, const Points&)
{
    if (line.kind == LineKind::Vertical)
        return verticalOnYAxis(line);
    WorkingStep s;
    const mpq_class& b = line.yIntercept.at;
    s.lines = { Say(TRELLAN_WORDS("working", "the y-axis is x = 0: put x = 0 into y = m x + b")),
        "y = " + Term(FractionText(line.slope)) + " * 0 + " + Term(FractionText(b)),
        "y = " + WithDecimal(b), meetsAt(meetsYAxis, "0", FractionText(b)) };
    s.result = FractionText(b);
    return s;
}

} // namespace

LineWorking WorkingForLine(const std::array<std::string, 4>& typed, int number)
{
    const std::string n = std::to_string(number);
    Points p;
    bool read = true;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto value = exact::ReadField(typed[k]);
        read = read && value;
        p.value[k] = value ? *value : mpq_class(0);
        p.typed[k] = AsTyped(typed[k], p.value[k]);
    }
    LineWorking out;
    out.line = read ? exact::LineThrough(p.value[0], p.value[1], p.value[2], p.value[3])
                    : exact::Line {};
    const exact::Line& line = out.line;
    // Each step of a line: its id without the line's number, its heading,
    // and how it is worked out.
    struct Kind {
        const char* id;
        Words heading; // with the line's number as %1
        WorkingStep (*work)(const exact::Line&, const Points&);
    };
    static constexpr std::array<Kind, 5> kinds = { {
        { "slope", TRELLAN_WORDS("working", "Line %1: the slope m, how steep it is"), slope },
        { "yint", TRELLAN_WORDS("working", "Line %1: the y-intercept b"), yIntercept },
        { "equation", TRELLAN_WORDS("working", "Line %1: the equation"), equation },
        { "xaxis", TRELLAN_WORDS("working", "Line %1: where it meets the x-axis"), xAxis },
        { "yaxis", TRELLAN_WORDS("working", "Line %1: where it meets the y-axis"), yAxis },
    } };
    const bool isLine = line.kind == LineKind::Line || line.kind == LineKind::Vertical;
    for (const Kind& kind : kinds) {
        WorkingStep s;
        if (isLine)
            s = kind.work(line, p);
        else
            s.lines = { noLine(line, p) };
        s.id = kind.id + n;
        s.heading = Say(kind.heading, { n });
        out.steps.push_back(std::move(s));
    }
    return out;
}

std::vector<WorkingStep> WorkingForPair(const exact::Line& one, const exact::Line& two)
{
    return { working_pair::CrossingStep(one, two), working_pair::RelationStep(one, two) };
}

std::vector<WorkingStep> WorkingFor(
    const std::array<std::string, 4>& line1, const std::array<std::string, 4>& line2)
{
    const LineWorking one = WorkingForLine(line1, 1);
    const LineWorking two = WorkingForLine(line2, 2);
    std::vector<WorkingStep> steps = one.steps;
    steps.insert(steps.end(), two.steps.begin(), two.steps.end());
    const std::vector<WorkingStep> pair = WorkingForPair(one.line, two.line);
    steps.insert(steps.end(), pair.begin(), pair.end());
    return steps;
}

std::string WorkingText(const std::vector<WorkingStep>& steps)
{
    std::string out;
    for (const WorkingStep& s : steps) {
        if (!out.empty())
            out += '\n';
        out += s.heading + '\n';
        for (const std::string& line : s.lines)
            out += "  " + line + '\n';
    }
    return out;
}

std::string PupilText(std::string_view plain)
{
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    std::string out;
    out.reserve(plain.size() + 16);
    for (std::size_t k = 0; k < plain.size(); ++k) {
        const char c = plain[k];
        const char before = k > 0 ? plain[k - 1] : ' ';
        const char before2 = k > 1 ? plain[k - 2] : ' ';
        if (c == '-' && !isLetter(before)) {
            out += "\u2212";
        } else if (c == '*') {
            out += "\u00b7";
        } else if (c >= '0' && c <= '9'
            && (before == 'x' || before == 'y' || before == 'm' || before == 'b')
            && !isLetter(before2)) {
            out += "\u2080";
            out.back() = static_cast<char>(out.back() + (c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace core
