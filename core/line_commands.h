#pragma once

#include "core/crossing.h"
#include "core/exact_line.h"
#include "core/line.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The line commands of the main window as a chain of steps on texts: what
// the draw-line and both-lines commands write into the result fields, in
// which order, and where and why they stop. The window shows the outcome;
// anything else that needs the window's answers without a window asks here.
namespace core {

// The texts typed into the window's input fields.
struct TypedFields {
    std::array<std::string, 4> line1; // t1..t4: X1, Y1, X2, Y2
    std::array<std::string, 4> line2; // t1_b..t4_b
    std::string lower; // txmin
    std::string upper; // txmax
};

// The fields the line commands write.
enum class ResultField {
    Slope1,
    YIntercept1,
    Equation1,
    XAxis1,
    YAxis1,
    Slope2,
    YIntercept2,
    Equation2,
    XAxis2,
    YAxis2,
    Answer, // the crossing label
};
inline constexpr int ResultFieldCount = 11;

// The window's name of a field: "txt_slope1", ..., "lblAns".
std::string_view FieldName(ResultField field);

// One write into a result field; emptying a field is a write of "".
struct FieldWrite {
    ResultField field;
    std::string text;
};

// The steps at which a command can stop, in the order they run.
enum class Step {
    Ticks, // the range is read and numbered
    Line1, // line one's end points are read and its segment drawn
    Line2,
    Slope1,
    YIntercept1,
    Slope2,
    YIntercept2,
    Crossing,
    XAxis1,
    XAxis2,
};

enum class Coordinate { X1, Y1, X2, Y2 };

// Why a command stopped.
enum class StopReason {
    LowerBoundTooLarge, // txmin holds a number beyond the double range
    UpperBoundTooLarge,
    RangeEmpty, // equal bounds
    RangeTooNarrow, // different bounds that are the same single
    RangeBeyondDrawing, // a bound beyond the single range
    RangeTooWide, // a whole number of the range beyond the 16-bit tick counters
    EndPointTooLarge, // an end point beyond the double range
    EndPointsBeyondDrawing, // an end point beyond the single range
    SinglePoint, // both end points the same: no line
    VerticalLine, // X1 = X2, where vertical lines are not answered: no slope
    SlopeTooLarge, // a slope beyond the double range
    YInterceptTooLarge,
    CrossingTooLarge, // X beyond the double range or Y beyond the single range
    XAxisCrossingTooLarge,
};

struct CommandStop {
    Step step;
    StopReason problem;
    int line = 0; // 1 or 2 for a problem of one line, else 0
    // EndPointTooLarge, EndPointsBeyondDrawing: the first such end point
    Coordinate coordinate = Coordinate::X1;
    double lower = 0, upper = 0; // the range as read, once both bounds are
};

// A segment to draw, in the user's plane (y grows up).
struct Segment {
    int line;
    EndPoints points;
};

// The range as a command read it, for the frame and the tick marks: a bound
// too large to read is nothing (the frame counts it as 0, and no tick is
// drawn).
struct ReadRange {
    std::optional<double> lower, upper;
};

struct CommandResult {
    ReadRange range; // read first, by every command
    std::vector<Segment> segments; // in drawing order, those the command reached
    std::vector<FieldWrite> writes; // in the order the steps write them
    // The fields a stopped command would still have written, in its order.
    // Run by a button or at start-up, it empties them, so that no field
    // shows an answer to earlier input; the zoom's redraw keeps them.
    std::vector<ResultField> unreached;
    std::optional<Crossing> crossing; // when the crossing step ran
    std::optional<std::string> report; // when asked for and the command completed
    std::optional<CommandStop> stop; // where and why it stopped, if it did
    // In exact arithmetic, the exact lines through the typed end points of
    // the segments reached, line one's first, so that a front showing them
    // need not work them out again; one beyond the limits is TooLarge.
    std::array<std::optional<exact::Line>, 2> exactLines;
};

// What a command does with a vertical line x = c (X1 = X2, end points that
// differ). Answered, it goes through the same steps: slope "undefined",
// y-intercept and y-axis crossing "none" ("all" when c is 0), equation
// " X = c", x-axis crossing c. It crosses a line that is not vertical at
// (c, y), y worked out on that other line; two vertical lines are the same
// line or parallel. The zoom's redraw keeps the designed failing step
// instead: the slope of a vertical line divides by zero, and the command
// stops there.
enum class Verticals { Answered, Stop };

// How the commands work out the numbers they write. Exact: from the end
// points as typed, read as exact decimals; each number is rounded once, to
// the nearest double (the crossing's Y to the nearest single), and every
// decision (a vertical line, the same line, parallel lines) is taken on
// exact values. A line with a number beyond the limits of exact work is
// worked out as designed. Designed: double operations step by step, slopes
// and intercepts read back from their 15-digit texts, round-off and all.
enum class Arithmetic { Exact, Designed };

// The number of an end-point or range field. In exact arithmetic a field
// whose whole text is a fraction, a mixed number or a fraction character is
// the number the pupil meant, to the nearest double ("1 1/2" is 1.5, not the
// 11 that the designed reading makes of it); any other text is read as
// designed, by Val.
double FieldValue(std::string_view text, Arithmetic arithmetic = Arithmetic::Exact);

// The both-lines command: frame and ticks, both segments, then slope and
// y-intercept of each line, the crossing, both equations, both y-axis and
// both x-axis crossings; the report last when `report` is set.
CommandResult BothLines(const TypedFields& typed, bool report,
    Verticals verticals = Verticals::Answered, Arithmetic arithmetic = Arithmetic::Exact);

// The draw-line command of line 1 or 2: frame and ticks, its segment, its
// slope and y-intercept, then the other line's fields and the crossing label
// emptied, then its equation, y-axis and x-axis crossings. A vertical line is
// answered.
CommandResult DrawLine(
    const TypedFields& typed, int line, Arithmetic arithmetic = Arithmetic::Exact);

} // namespace core
