#include "app/answer_rows.h"

#include "app/csv_text.h"
#include "app/json_text.h"

#include <optional>

namespace answers {

namespace {

using core::exact::CrossingKind;
using core::exact::InterceptKind;
using core::exact::LineKind;

// The exact values as texts: a fraction, "none" or "all" where a line meets
// an axis nowhere or all along it, and nothing where a value does not exist.
struct ExactTexts {
    std::string_view kind;
    std::optional<std::string> slope, yIntercept, xIntercept, equation;
};

std::string_view kindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Line:
        return "line";
    case LineKind::Vertical:
        return "vertical";
    case LineKind::Point:
        return "point";
    case LineKind::TooLarge:
        return "too_large";
    }
    return {};
}

std::string_view kindName(CrossingKind kind)
{
    switch (kind) {
    case CrossingKind::Point:
        return "point";
    case CrossingKind::Parallel:
        return "parallel";
    case CrossingKind::Same:
        return "same";
    case CrossingKind::None:
        return "none";
    }
    return {};
}

std::string interceptText(const core::exact::Intercept& at)
{
    switch (at.kind) {
    case InterceptKind::At:
        return core::exact::FractionText(at.at);
    case InterceptKind::None:
        return "none";
    case InterceptKind::All:
        return "all";
    }
    return {};
}

ExactTexts exactTexts(const core::exact::Line& line)
{
    ExactTexts t { kindName(line.kind), {}, {}, {}, core::exact::EquationText(line) };
    if (line.kind == LineKind::Line)
        t.slope = core::exact::FractionText(line.slope);
    if (line.kind == LineKind::Line || line.kind == LineKind::Vertical) {
        t.yIntercept = interceptText(line.yIntercept);
        t.xIntercept = interceptText(line.xIntercept);
    }
    return t;
}

std::optional<std::string> crossingX(const core::exact::Crossing& c)
{
    if (c.kind != CrossingKind::Point)
        return std::nullopt;
    return core::exact::FractionText(c.x);
}

std::optional<std::string> crossingY(const core::exact::Crossing& c)
{
    if (c.kind != CrossingKind::Point)
        return std::nullopt;
    return core::exact::FractionText(c.y);
}

constexpr std::array<std::string_view, 8> typedColumns = { "line1_X1", "line1_Y1", "line1_X2",
    "line1_Y2", "line2_X1", "line2_Y1", "line2_X2", "line2_Y2" };
constexpr std::array<std::string_view, 5> lineColumns
    = { "kind", "slope", "y_intercept", "x_intercept", "equation" };

// A value that does not exist is an empty field without quotes; an empty
// text is a pair of quotes.
void addOptional(std::string& out, const std::optional<std::string>& text)
{
    if (text)
        appendCsvField(out, *text);
    else if (!out.empty())
        out += ',';
}

void endRecord(std::string& out)
{
    out += "\r\n";
}

// The record's place in the header, after the row number.
constexpr std::size_t csvColumns
    = 1 + typedColumns.size() + core::ResultFieldCount + 2 + 2 * lineColumns.size() + 3 + 1;

void addOptional(JsonObject& o, std::string_view key, const std::optional<std::string>& text)
{
    if (text)
        o.addString(key, *text);
    else
        o.addNull(key);
}

std::string jsonLine(const core::exact::Line& line)
{
    const ExactTexts t = exactTexts(line);
    JsonObject o;
    o.addString("kind", t.kind);
    addOptional(o, "slope", t.slope);
    addOptional(o, "y_intercept", t.yIntercept);
    addOptional(o, "x_intercept", t.xIntercept);
    addOptional(o, "equation", t.equation);
    return o.text();
}

} // namespace

Answer answerRow(long long row, const TypedRow& typed, const std::string& lower,
    const std::string& upper, core::Arithmetic arithmetic)
{
    Answer a;
    a.row = row;
    a.typed = typed;
    core::CommandResult result
        = core::BothLines({ { typed[0], typed[1], typed[2], typed[3] },
                              { typed[4], typed[5], typed[6], typed[7] }, lower, upper },
            true, core::Verticals::Answered, arithmetic);
    a.window = freshWindowAnswer(result);
    // The command worked out the lines it reached in exact arithmetic.
    auto& [exact1, exact2] = result.exactLines;
    a.line1 = exact1 ? std::move(*exact1)
                     : core::exact::LineThrough(typed[0], typed[1], typed[2], typed[3]);
    a.line2 = exact2 ? std::move(*exact2)
                     : core::exact::LineThrough(typed[4], typed[5], typed[6], typed[7]);
    a.crossing = core::exact::CrossingOf(a.line1, a.line2);
    return a;
}

std::string csvHeader()
{
    std::string out;
    appendCsvField(out, "row");
    for (const std::string_view name : typedColumns)
        appendCsvField(out, name);
    for (int f = 0; f < core::ResultFieldCount; ++f)
        appendCsvField(out, core::FieldName(static_cast<core::ResultField>(f)));
    appendCsvField(out, "warning");
    appendCsvField(out, "report");
    for (const std::string_view line : { "exact_line1_", "exact_line2_" })
        for (const std::string_view name : lineColumns)
            appendCsvField(out, std::string(line) + std::string(name));
    for (const std::string_view name :
        { "exact_crossing_kind", "exact_crossing_x", "exact_crossing_y" })
        appendCsvField(out, name);
    appendCsvField(out, "error");
    endRecord(out);
    return out;
}

std::string csvAnswer(const Answer& a)
{
    std::string out;
    appendCsvField(out, std::to_string(a.row));
    for (const std::string& text : a.typed)
        appendCsvField(out, text);
    for (const std::string& text : a.window.fields)
        appendCsvField(out, text);
    addOptional(out, a.window.warning);
    appendCsvField(out, a.window.report);
    for (const core::exact::Line* line : { &a.line1, &a.line2 }) {
        const ExactTexts t = exactTexts(*line);
        appendCsvField(out, t.kind);
        addOptional(out, t.slope);
        addOptional(out, t.yIntercept);
        addOptional(out, t.xIntercept);
        addOptional(out, t.equation);
    }
    appendCsvField(out, kindName(a.crossing.kind));
    addOptional(out, crossingX(a.crossing));
    addOptional(out, crossingY(a.crossing));
    addOptional(out, std::nullopt); // no error
    endRecord(out);
    return out;
}

std::string csvError(long long row, std::string_view message)
{
    // The row number, the message in the last column, empty columns between.
    std::string out;
    appendCsvField(out, std::to_string(row));
    for (std::size_t k = 2; k < csvColumns; ++k)
        addOptional(out, std::nullopt);
    appendCsvField(out, message);
    endRecord(out);
    return out;
}

std::string jsonAnswer(const Answer& a)
{
    std::string typed = "[";
    for (const std::string& text : a.typed) {
        if (typed.size() > 1)
            typed += ',';
        appendJsonString(typed, text);
    }
    typed += ']';
    JsonObject window;
    for (int f = 0; f < core::ResultFieldCount; ++f)
        window.addString(core::FieldName(static_cast<core::ResultField>(f)),
            a.window.fields[static_cast<std::size_t>(f)]);
    addOptional(window, "warning", a.window.warning);
    window.addString("report", a.window.report);
    JsonObject crossing;
    crossing.addString("kind", kindName(a.crossing.kind));
    addOptional(crossing, "x", crossingX(a.crossing));
    addOptional(crossing, "y", crossingY(a.crossing));
    JsonObject exact;
    exact.addJson("line1", jsonLine(a.line1));
    exact.addJson("line2", jsonLine(a.line2));
    exact.addJson("crossing", crossing.text());
    JsonObject row;
    row.addInteger("row", a.row);
    row.addJson("typed", typed);
    row.addJson("window", window.text());
    row.addJson("exact", exact.text());
    return row.text() + '\n';
}

std::string jsonError(long long row, std::string_view message)
{
    JsonObject o;
    o.addInteger("row", row);
    o.addString("error", message);
    return o.text() + '\n';
}

} // namespace answers
