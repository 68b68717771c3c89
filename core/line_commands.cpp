#include "core/line_commands.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/exact_answers.h"
#include "core/number_text.h"
#include "core/report.h"
#include "core/written_number.h"

#include <cstdint>
#include <span>

namespace core {

namespace {

using enum ResultField;

// The fields each command writes, in its order. A command that stops has
// written a leading part of its list.
constexpr std::array<ResultField, ResultFieldCount> bothLinesOrder = { Slope1, YIntercept1, Slope2,
    YIntercept2, Answer, Equation1, Equation2, YAxis1, YAxis2, XAxis1, XAxis2 };
// The other line is no longer drawn: its results and the crossing are
// emptied once the line's own slope and y-intercept stand.
constexpr std::array<ResultField, ResultFieldCount> drawLine1Order = { Slope1, YIntercept1, Slope2,
    YIntercept2, Answer, Equation2, XAxis2, YAxis2, Equation1, YAxis1, XAxis1 };
constexpr std::array<ResultField, ResultFieldCount> drawLine2Order = { Slope2, YIntercept2, Slope1,
    YIntercept1, Answer, Equation1, XAxis1, YAxis1, Equation2, YAxis2, XAxis2 };

// Ends the chain at a failing step.
struct Stopped {
    CommandStop stop;
};

CommandStop stopAt(Step step, StopReason problem, int line = 0)
{
    CommandStop stop { step, problem };
    stop.line = line;
    return stop;
}

// Runs one computing step; an arithmetic failure stops the chain with what
// `why` gives.
template <typename Compute, typename Why> auto attempt(Compute&& compute, Why&& why)
{
    try {
        return compute();
    } catch (const ArithmeticError&) {
        throw Stopped { why() };
    }
}

Step lineStep(int line, Step one, Step two)
{
    return line == 1 ? one : two;
}

// A line's end points as drawn and, when it is worked out exactly, the
// line they make; without it the line is worked out as designed.
struct LineIn {
    EndPoints p;
    std::optional<exact::Line> exact;
};

bool singlePoint(const LineIn& l)
{
    return l.exact ? l.exact->kind == exact::LineKind::Point : l.p.X1 == l.p.X2 && l.p.Y1 == l.p.Y2;
}

// Once the slope step has let the line through, this means end points that
// differ: the line x = X1.
bool vertical(const LineIn& l)
{
    return l.exact ? l.exact->kind == exact::LineKind::Vertical : l.p.X1 == l.p.X2;
}

class Chain {
public:
    Chain(const TypedFields& typed, std::span<const ResultField> order,
        Verticals verticals = Verticals::Answered, Arithmetic arithmetic = Arithmetic::Exact)
        : typed_(typed)
        , order_(order)
        , verticals_(verticals)
        , arithmetic_(arithmetic)
    {
    }

    double fieldValue(const std::string& text) const { return FieldValue(text, arithmetic_); }

    // What DrawTickMarks meets: the range read, set as the scale and counted
    // out by 16-bit counters.
    void ticks()
    {
        // Both bounds are read, so that the frame can be drawn whichever
        // fails; the lower one is told first.
        const auto bound = [this](const std::string& text) -> std::optional<double> {
            try {
                return fieldValue(text);
            } catch (const ArithmeticError&) {
                return std::nullopt;
            }
        };
        result_.range = { bound(typed_.lower), bound(typed_.upper) };
        if (!result_.range.lower)
            throw Stopped { stopAt(Step::Ticks, StopReason::LowerBoundTooLarge) };
        if (!result_.range.upper)
            throw Stopped { stopAt(Step::Ticks, StopReason::UpperBoundTooLarge) };
        const double L = *result_.range.lower;
        const double U = *result_.range.upper;
        const auto stop = [&](StopReason problem) {
            CommandStop s = stopAt(Step::Ticks, problem);
            s.lower = L;
            s.upper = U;
            return s;
        };
        // The scale takes both bounds as singles and refuses a zero extent.
        if (L == U)
            throw Stopped { stop(StopReason::RangeEmpty) };
        if (!FitsSingle(L) || !FitsSingle(U))
            throw Stopped { stop(StopReason::RangeBeyondDrawing) };
        if (ToSingle(L) == ToSingle(U))
            throw Stopped { stop(StopReason::RangeTooNarrow) };
        // The tick counters are 16-bit: they run from Int(L) to Int(U), the
        // x-axis ticks first, and then cannot step past their largest value.
        const auto counter = [&](double bound) {
            return attempt([&] { return ToInteger16(Int(bound)); },
                [&] { return stop(StopReason::RangeTooWide); });
        };
        counter(L);
        if (counter(U) == INT16_MAX)
            throw Stopped { stop(StopReason::RangeTooWide) };
    }

    // A line's end points are read and its segment drawn: each coordinate
    // is drawn as a single.
    LineIn segment(int line)
    {
        const std::array<std::string, 4>& texts = line == 1 ? typed_.line1 : typed_.line2;
        const Step step = lineStep(line, Step::Line1, Step::Line2);
        std::array<double, 4> v {};
        for (std::size_t k = 0; k < 4; ++k)
            v[k] = attempt([&] { return fieldValue(texts[k]); },
                [&] {
                    CommandStop s = stopAt(step, StopReason::EndPointTooLarge, line);
                    s.coordinate = static_cast<Coordinate>(k);
                    return s;
                });
        for (std::size_t k = 0; k < 4; ++k)
            if (!FitsSingle(v[k])) {
                CommandStop s = stopAt(step, StopReason::EndPointsBeyondDrawing, line);
                s.coordinate = static_cast<Coordinate>(k);
                throw Stopped { s };
            }
        const EndPoints p { v[0], v[1], v[2], v[3] };
        result_.segments.push_back({ line, p });
        LineIn in { p, std::nullopt };
        if (arithmetic_ == Arithmetic::Exact) {
            exact::Line l = exact::LineThrough(texts[0], texts[1], texts[2], texts[3]);
            result_.exactLines[static_cast<std::size_t>(line - 1)] = l;
            if (l.kind != exact::LineKind::TooLarge)
                in.exact = std::move(l);
        }
        return in;
    }

    // A vertical line has no slope; two end points at one place make no
    // line at all.
    std::string slope(int line, const LineIn& l)
    {
        const Step step = lineStep(line, Step::Slope1, Step::Slope2);
        if (singlePoint(l))
            throw Stopped { stopAt(step, StopReason::SinglePoint, line) };
        if (vertical(l)) {
            if (verticals_ == Verticals::Stop)
                throw Stopped { stopAt(step, StopReason::VerticalLine, line) };
            return std::string(UndefinedSlope);
        }
        return attempt([&] { return l.exact ? ExactSlopeText(*l.exact) : SlopeText(l.p); },
            [&] { return stopAt(step, StopReason::SlopeTooLarge, line); });
    }

    std::string intercept(int line, const std::string& slope, const LineIn& l)
    {
        if (vertical(l) && !l.exact)
            return VerticalInterceptText(l.p.X1);
        return attempt(
            [&] {
                return l.exact ? ExactInterceptText(*l.exact)
                               : InterceptText(slope, l.p.X2, l.p.Y2);
            },
            [&] {
                return stopAt(lineStep(line, Step::YIntercept1, Step::YIntercept2),
                    StopReason::YInterceptTooLarge, line);
            });
    }

    static std::string equation(const std::string& slope, const std::string& b, const LineIn& l)
    {
        if (!vertical(l))
            return EquationText(slope, b);
        return l.exact ? ExactVerticalEquationText(*l.exact) : VerticalEquationText(l.p.X1);
    }

    // Line one's crossing is worked out from its y-axis crossing text, line
    // two's from its slope text.
    std::string xAxis(int line, const std::string& from, const LineIn& l)
    {
        const Step step = lineStep(line, Step::XAxis1, Step::XAxis2);
        if (l.exact)
            return attempt([&] { return ExactXInterceptText(*l.exact); },
                [&] { return stopAt(step, StopReason::XAxisCrossingTooLarge, line); });
        const EndPoints& p = l.p;
        if (vertical(l))
            return NumberToText(p.X1);
        try {
            return line == 1 ? XInterceptFromIntercept(from, p) : XInterceptFromSlope(from, p);
        } catch (const ArithmeticError&) {
            // A horizontal line never meets the x-axis, unless it is the x-axis.
            if (p.Y1 == p.Y2)
                return p.Y1 == 0 ? "all" : "none";
            throw Stopped { stopAt(step, StopReason::XAxisCrossingTooLarge, line) };
        }
    }

    // A vertical line meets the other line where that line's equation,
    // read back from its slope and y-intercept texts, gives its y.
    void crossing(const LineIn& l1, const LineIn& l2, const std::string& s1, const std::string& s2,
        const std::string& b1, const std::string& b2)
    {
        result_.crossing = attempt(
            [&] {
                if (l1.exact && l2.exact)
                    return ExactCrossing(*l1.exact, *l2.exact);
                if (vertical(l1) && vertical(l2))
                    return CrossingOfVerticals(l1.p.X1, l2.p.X1);
                if (vertical(l1))
                    return CrossingWithVertical(l1.p.X1, s2, b2);
                if (vertical(l2))
                    return CrossingWithVertical(l2.p.X1, s1, b1);
                return FindCrossing(s1, s2, b1, b2);
            },
            [] { return stopAt(Step::Crossing, StopReason::CrossingTooLarge); });
        write(Answer, result_.crossing->caption);
    }

    void write(ResultField field, std::string text)
    {
        result_.writes.push_back({ field, std::move(text) });
    }

    CommandResult& result() { return result_; }

    // Runs the command's steps; a stop ends them where it happens.
    template <typename Steps> CommandResult run(Steps&& steps)
    {
        try {
            steps();
        } catch (const Stopped& stopped) {
            result_.stop = stopped.stop;
        }
        for (std::size_t k = result_.writes.size(); k < order_.size(); ++k)
            result_.unreached.push_back(order_[k]);
        return std::move(result_);
    }

private:
    const TypedFields& typed_;
    std::span<const ResultField> order_;
    Verticals verticals_;
    Arithmetic arithmetic_;
    CommandResult result_;
};

} // namespace

std::string_view FieldName(ResultField field)
{
    switch (field) {
    case Slope1:
        return "txt_slope1";
    case YIntercept1:
        return "txt_yint1";
    case Equation1:
        return "txt_eqn1";
    case XAxis1:
        return "txt_l1xint";
    case YAxis1:
        return "txt_l1yint";
    case Slope2:
        return "txt_slope2";
    case YIntercept2:
        return "txt_yint2";
    case Equation2:
        return "txt_eqn2";
    case XAxis2:
        return "txt_l2xint";
    case YAxis2:
        return "txt_l2yint";
    case Answer:
        return "lblAns";
    }
    return {};
}

double FieldValue(std::string_view text, Arithmetic arithmetic)
{
    if (arithmetic == Arithmetic::Exact)
        if (const auto q = exact::WrittenFraction(text))
            return NearestDouble(*q);
    return Val(text);
}

CommandResult BothLines(
    const TypedFields& typed, bool report, Verticals verticals, Arithmetic arithmetic)
{
    Chain chain(typed, bothLinesOrder, verticals, arithmetic);
    return chain.run([&] {
        chain.ticks();
        const LineIn p1 = chain.segment(1);
        const LineIn p2 = chain.segment(2);
        const std::string s1 = chain.slope(1, p1);
        chain.write(Slope1, s1);
        const std::string b1 = chain.intercept(1, s1, p1);
        chain.write(YIntercept1, b1);
        const std::string s2 = chain.slope(2, p2);
        chain.write(Slope2, s2);
        const std::string b2 = chain.intercept(2, s2, p2);
        chain.write(YIntercept2, b2);
        chain.crossing(p1, p2, s1, s2, b1, b2);
        const std::string e1 = Chain::equation(s1, b1, p1);
        chain.write(Equation1, e1);
        const std::string e2 = Chain::equation(s2, b2, p2);
        chain.write(Equation2, e2);
        // The y-axis crossings are the y-intercepts worked out once more.
        const std::string y1 = chain.intercept(1, s1, p1);
        chain.write(YAxis1, y1);
        chain.write(YAxis2, chain.intercept(2, s2, p2));
        chain.write(XAxis1, chain.xAxis(1, y1, p1));
        chain.write(XAxis2, chain.xAxis(2, s2, p2));
        if (report) {
            const auto& [a, b, c, d] = typed.line1;
            const auto& [e, f, g, h] = typed.line2;
            chain.result().report = ResultsReport(
                { chain.result().crossing->caption, a, b, c, d, e1, e, f, g, h, e2 });
        }
    });
}

CommandResult DrawLine(const TypedFields& typed, int line, Arithmetic arithmetic)
{
    const bool first = line == 1;
    Chain chain(typed, first ? drawLine1Order : drawLine2Order, Verticals::Answered, arithmetic);
    return chain.run([&] {
        chain.ticks();
        const LineIn p = chain.segment(line);
        const std::string s = chain.slope(line, p);
        chain.write(first ? Slope1 : Slope2, s);
        const std::string b = chain.intercept(line, s, p);
        chain.write(first ? YIntercept1 : YIntercept2, b);
        for (const ResultField field : first
                ? std::array { Slope2, YIntercept2, Answer, Equation2, XAxis2, YAxis2 }
                : std::array { Slope1, YIntercept1, Answer, Equation1, XAxis1, YAxis1 })
            chain.write(field, "");
        chain.write(first ? Equation1 : Equation2, Chain::equation(s, b, p));
        const std::string y = chain.intercept(line, s, p);
        chain.write(first ? YAxis1 : YAxis2, y);
        chain.write(first ? XAxis1 : XAxis2, chain.xAxis(line, first ? y : s, p));
    });
}

} // namespace core
