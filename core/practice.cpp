#include "core/practice.h"

#include "core/blanks.h"
#include "core/equation.h"
#include "core/exact_number.h"
#include "core/written_number.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

namespace core::practice {

namespace {

// An answer is typed into a one-line field: its blanks are spaces and tabs
// (core/blanks.h's IsBlank), and a line end is something else typed.

// The words of a text in small letters, one blank between them, without a
// full stop at the end: "  The SAME\tline. " is "the same line". Only
// ASCII letters change case, so that no locale comes into it.
std::string words(std::string_view text)
{
    text = Trimmed(text);
    while (!text.empty() && (text.back() == '.' || text.back() == '!'))
        text.remove_suffix(1);
    std::string out;
    bool gap = false;
    for (const char c : Trimmed(text)) {
        if (IsBlank(c)) {
            gap = true;
            continue;
        }
        if (gap)
            out += ' ';
        gap = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

template <std::size_t N>
bool saysOneOf(const std::string& said, const std::array<std::string_view, N>& phrases)
{
    return std::find(phrases.begin(), phrases.end(), said) != phrases.end();
}

// What pupils write for a vertical line's slope, for lines that never meet,
// and so on.
constexpr std::array<std::string_view, 11> noSlope { "undefined", "not defined", "does not exist",
    "it does not exist", "none", "no slope", "no gradient", "it is undefined", "slope is undefined",
    "m is undefined", "the slope is undefined" };
constexpr std::array<std::string_view, 3> infiniteSlope { "infinite", "infinity", "\xE2\x88\x9E" };
constexpr std::array<std::string_view, 10> noIntercept { "none", "no y-intercept", "no y intercept",
    "no intercept", "does not exist", "it does not exist", "doesn't exist", "there is none",
    "undefined", "it is undefined" };
constexpr std::array<std::string_view, 6> allIntercept { "all", "every point", "all points",
    "infinitely many", "the whole line", "whole line" };
constexpr std::array<std::string_view, 16> neverMeet { "parallel", "parallel lines",
    "they are parallel", "the lines are parallel", "no intersection", "no intersection point",
    "no crossing", "no crossing point", "no point", "no common point", "none", "no solution",
    "no solutions", "they never meet", "they do not meet", "they don't meet" };
constexpr std::array<std::string_view, 18> oneLine { "same", "the same", "same line", "same lines",
    "the same line", "they are the same line", "they are the same", "infinitely many",
    "infinitely many points", "infinitely many solutions", "infinite solutions", "coincident",
    "they coincide", "identical", "they are identical", "the lines are the same", "all points",
    "every point" };

// The text after a label such as "m =" or "slope:", when it starts with
// one of the labels, in any case and with any blanks; the text itself when
// it starts with none.
template <std::size_t N>
std::string_view afterLabel(std::string_view text, const std::array<std::string_view, N>& labels)
{
    text = Trimmed(text);
    for (const std::string_view label : labels) {
        if (text.size() <= label.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < label.size() && same; ++i) {
            const char c = text[i];
            same = ((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c) == label[i];
        }
        if (!same)
            continue;
        std::string_view rest = Trimmed(text.substr(label.size()));
        if (rest.starts_with('=') || rest.starts_with(':'))
            return Trimmed(rest.substr(1));
    }
    return text;
}

constexpr std::array<std::string_view, 3> slopeLabels { "slope", "gradient", "m" };
constexpr std::array<std::string_view, 5> interceptLabels { "y-intercept", "y intercept",
    "intercept", "b", "c" };

bool isLine(const exact::Line& line)
{
    return line.kind == exact::LineKind::Line || line.kind == exact::LineKind::Vertical;
}

// The same line, compared exactly: both with slope m and intercept b, or
// both vertical at the same x.
bool sameLine(const exact::Line& one, const exact::Line& two)
{
    if (one.kind != two.kind)
        return false;
    if (one.kind == exact::LineKind::Line)
        return one.slope == two.slope && one.yIntercept.at == two.yIntercept.at;
    if (one.kind == exact::LineKind::Vertical)
        return one.xIntercept.at == two.xIntercept.at;
    return false;
}

Verdict markOf(bool right)
{
    return { right ? Mark::Right : Mark::Wrong, {} };
}

Verdict notRead(std::string advice)
{
    return { Mark::NotRead, std::move(advice) };
}

struct Point {
    mpq_class x, y;
};

// The place of the bracket that closes the one at open, if any.
std::size_t closingBracket(std::string_view text, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0)
            return i;
    }
    return std::string_view::npos;
}

// A number, or a coordinate after its name ("x = -5").
Reading<mpq_class> coordinate(std::string_view text, std::string_view name)
{
    text = Trimmed(text);
    if (text.size() > 1 && (text[0] == name[0] || text[0] == name[0] - 'a' + 'A')) {
        const std::string_view rest = Trimmed(text.substr(1));
        if (rest.starts_with('=') || rest.starts_with(':'))
            text = rest.substr(1);
    }
    return exact::ReadWrittenNumber(text);
}

constexpr std::string_view pointAdvice = "write the point as (x, y), such as (2, -1)";

enum class Brackets { Optional, Required };

// A point: "(x, y)" or "x, y", with "|" or ";" in place of the comma, or
// "x = 1, y = 2" and "x = 1 and y = 2". An opening bracket must be closed at
// the end: "(2, 4" is no point. Where a number is asked for, a point needs
// its brackets, so that "2,5" is a decimal comma, not the point (2, 5).
Reading<Point> readPoint(std::string_view text, Brackets brackets = Brackets::Optional)
{
    text = Trimmed(text);
    const bool bracketed = text.starts_with('(') && closingBracket(text, 0) == text.size() - 1;
    if (!bracketed && brackets == Brackets::Required)
        return Problem { std::string(pointAdvice) };
    if (bracketed)
        text = text.substr(1, text.size() - 2);
    // Small letters to find " and " in any case; the same places as text.
    std::string small(text);
    for (char& c : small)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    std::string_view separator = ",";
    for (const std::string_view s : { "|", ";", " and ", "&" })
        if (small.find(s) != std::string::npos) {
            separator = s;
            break;
        }
    const std::size_t at = small.find(separator);
    if (at == std::string::npos
        || small.find(separator, at + separator.size()) != std::string::npos)
        return Problem { std::string(pointAdvice) };
    std::string_view first = Trimmed(text.substr(0, at));
    std::string_view second = Trimmed(text.substr(at + separator.size()));
    // "y = -8, x = -5" names its coordinates the other way round.
    if (!first.empty() && (first[0] | 0x20) == 'y' && !second.empty() && (second[0] | 0x20) == 'x')
        std::swap(first, second);
    auto x = coordinate(first, "x");
    auto y = coordinate(second, "y");
    if (!x)
        return x.problem();
    if (!y)
        return y.problem();
    return Point { *x, *y };
}

// What follows a function's name, "f(x)", "F (x)" or "g( x )", where a
// school book writes "y"; nothing when the text starts with none.
std::optional<std::string_view> afterFunctionName(std::string_view text)
{
    const auto isName = [](char c) {
        return ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) && c != 'x' && c != 'X'
            && c != 'y' && c != 'Y';
    };
    if (text.empty() || !isName(text[0]))
        return std::nullopt;
    std::size_t at = 1;
    for (const std::string_view wanted : { "(", "x", ")" }) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        if (at == text.size() || (text[at] | 0x20) != wanted[0])
            return std::nullopt;
        ++at;
    }
    return text.substr(at);
}

// A point without the name a pupil may give it: "S(-5|-8)", "P (2, 4)" and
// "(x, y) = (2, 4)" are the point (2, 4).
std::string_view withoutPointName(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (equals != std::string_view::npos) {
        std::string name;
        for (const char c : text.substr(0, equals))
            if (!IsBlank(c))
                name += static_cast<char>(c | 0x20);
        if (name == "(x,y)" || name == "(x|y)" || name == "(x;y)")
            return Trimmed(text.substr(equals + 1));
    }
    if (text.size() > 2 && ((text[0] | 0x20) >= 'a' && (text[0] | 0x20) <= 'z')
        && (text[0] | 0x20) != 'x' && (text[0] | 0x20) != 'y') {
        const std::string_view rest = Trimmed(text.substr(1));
        if (rest.starts_with('('))
            return rest;
    }
    return text;
}

bool isEmpty(std::string_view typed)
{
    return Trimmed(typed).empty();
}

// The answer as a sentence may end: "(-5, -8)." and "-3 3/4." are the point
// and the number. A number's own point stays a number's: "5." is 5 either
// way.
std::string_view withoutFullStop(std::string_view typed)
{
    typed = Trimmed(typed);
    if (typed.size() > 1 && (typed.back() == '.' || typed.back() == '!'))
        typed.remove_suffix(1);
    return Trimmed(typed);
}

constexpr std::string_view slopeAdvice = "write the slope as a number, such as 3, -1.5 or 2/3";
constexpr std::string_view verticalSlope = "a vertical line has no slope: write \"undefined\"";
constexpr std::string_view numberSlope
    = "a slope is a number, such as 3, -1.5 or 2/3; only a vertical line's is undefined";

// The problem's advice, or the answer's own when the text is not even
// close to a number.
std::string adviceFor(const Problem& problem, std::string_view general)
{
    return problem.what.starts_with("write a number") ? std::string(general) : problem.what;
}

} // namespace

std::string_view StepId(Question question)
{
    switch (question) {
    case Question::Slope1:
        return "slope1";
    case Question::Yint1:
        return "yint1";
    case Question::Equation1:
        return "equation1";
    case Question::Slope2:
        return "slope2";
    case Question::Yint2:
        return "yint2";
    case Question::Equation2:
        return "equation2";
    case Question::Crossing:
        return "crossing";
    }
    return {};
}

Verdict CheckSlope(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    const std::string_view answer = afterLabel(withoutFullStop(typed), slopeLabels);
    const std::string said = words(answer);
    if (saysOneOf(said, noSlope))
        return markOf(line.kind == exact::LineKind::Vertical);
    if (saysOneOf(said, infiniteSlope))
        return notRead(
            std::string(line.kind == exact::LineKind::Vertical ? verticalSlope : numberSlope));
    const auto m = exact::ReadWrittenNumber(answer);
    if (!m)
        return notRead(adviceFor(m.problem(), slopeAdvice));
    return markOf(line.kind == exact::LineKind::Line && *m == line.slope);
}

Verdict CheckIntercept(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    const std::string_view answer = afterLabel(withoutFullStop(typed), interceptLabels);
    const std::string said = words(answer);
    const bool vertical = line.kind == exact::LineKind::Vertical;
    const bool all = vertical && line.yIntercept.kind == exact::InterceptKind::All;
    if (saysOneOf(said, allIntercept))
        return markOf(all);
    if (saysOneOf(said, noIntercept))
        return markOf(vertical && !all);
    const bool onLine = line.kind == exact::LineKind::Line;
    if (const auto b = exact::ReadWrittenNumber(answer))
        return markOf(onLine && *b == line.yIntercept.at);
    const auto point = readPoint(answer, Brackets::Required);
    if (point)
        return markOf(onLine && point->x == 0 && point->y == line.yIntercept.at);
    // What went wrong in a point is the point's to say; else the number's.
    const Problem problem = answer.starts_with('(') && point.problem().what != pointAdvice
        ? point.problem()
        : exact::ReadWrittenNumber(answer).problem();
    return notRead(adviceFor(
        problem, "write the y-intercept as a number, such as 3, or as a point, such as (0, 3)"));
}

Verdict CheckEquation(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    std::string text(withoutFullStop(typed));
    if (const auto rest = afterFunctionName(text))
        text = std::string("y").append(*rest);
    if (text.find('=') == std::string::npos) {
        if (exact::ReadEquation("y = " + text))
            return notRead("write it as an equation: y = " + text);
        return notRead("write the equation as y = ...");
    }
    const Reading<exact::Equation> reading = exact::ReadEquation(text);
    if (!reading)
        return notRead(reading.problem().what);
    return markOf(isLine(line) && sameLine(exact::LineOf(*reading), line));
}

Verdict CheckCrossing(std::string_view typed, const exact::Crossing& crossing)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    const std::string_view answer = withoutFullStop(typed);
    const std::string said = words(answer);
    if (saysOneOf(said, neverMeet))
        return markOf(crossing.kind == exact::CrossingKind::Parallel);
    if (saysOneOf(said, oneLine))
        return markOf(crossing.kind == exact::CrossingKind::Same);
    const auto point = readPoint(withoutPointName(answer));
    if (!point)
        return notRead(adviceFor(point.problem(),
            "write the crossing as a point, such as (2, -1), or say \"parallel\" or \"the same "
            "line\""));
    return markOf(crossing.kind == exact::CrossingKind::Point && point->x == crossing.x
        && point->y == crossing.y);
}

Verdict Check(
    Question question, std::string_view typed, const exact::Line& one, const exact::Line& two)
{
    switch (question) {
    case Question::Slope1:
        return CheckSlope(typed, one);
    case Question::Yint1:
        return CheckIntercept(typed, one);
    case Question::Equation1:
        return CheckEquation(typed, one);
    case Question::Slope2:
        return CheckSlope(typed, two);
    case Question::Yint2:
        return CheckIntercept(typed, two);
    case Question::Equation2:
        return CheckEquation(typed, two);
    case Question::Crossing:
        return CheckCrossing(typed, exact::CrossingOf(one, two));
    }
    return markOf(false);
}

} // namespace core::practice
