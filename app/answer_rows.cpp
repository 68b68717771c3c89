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

// A report's lines, each ended by `lineEnd`, whether it was CR LF, LF or CR.
std::string withLineEnds(std::string_view text, std::string_view lineEnd)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\r' || text[k] == '\n') {
            out += lineEnd;
            if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')
                ++k;
        } else {
            out += text[k];
        }
    }
    return out;
}

std::string csvRecord(const Cells& cells)
{
    std::string out;
    for (const std::optional<std::string>& cell : cells) {
        if (cell)
            appendCsvField(out, *cell);
        else if (!out.empty())
            out += ',';
    }
    out += "\r\n";
    return out;
}

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

// The working as a JSON array of its steps.
std::string jsonWorking(const std::vector<core::WorkingStep>& working)
{
    std::string steps = "[";
    for (const core::WorkingStep& step : working) {
        if (steps.size() > 1)
            steps += ',';
        std::string lines = "[";
        for (const std::string& line : step.lines) {
            if (lines.size() > 1)
                lines += ',';
            appendJsonString(lines, line);
        }
        lines += ']';
        JsonObject o;
        o.addString("id", step.id);
        o.addString("heading", step.heading);
        o.addJson("lines", lines);
        addOptional(o, "result", step.result);
        steps += o.text();
    }
    return steps + ']';
}

// A row whose cells were all plain numbers has no note.
std::optional<std::string> noteText(const std::string& note)
{
    if (note.empty())
        return std::nullopt;
    return note;
}

std::size_t columnCount(bool working)
{
    static const std::size_t count = columnNames(Headers::Fields, false).size();
    return count + (working ? 1 : 0);
}

} // namespace

Answer answerRow(long long row, const TypedRow& typed, const std::string& lower,
    const std::string& upper, core::Arithmetic arithmetic, bool working)
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
    if (working)
        a.working = core::WorkingFor(
            { typed[0], typed[1], typed[2], typed[3] }, { typed[4], typed[5], typed[6], typed[7] });
    return a;
}

Cells answerCells(const Answer& a, std::string_view lineEnd)
{
    const bool working = !a.working.empty();
    Cells cells;
    cells.reserve(columnCount(working));
    cells.emplace_back(std::to_string(a.row));
    cells.insert(cells.end(), a.typed.begin(), a.typed.end());
    cells.insert(cells.end(), a.window.fields.begin(), a.window.fields.end());
    cells.push_back(a.window.warning);
    cells.emplace_back(withLineEnds(a.window.report, lineEnd));
    for (const core::exact::Line* line : { &a.line1, &a.line2 }) {
        ExactTexts t = exactTexts(*line);
        cells.emplace_back(t.kind);
        cells.insert(cells.end(),
            { std::move(t.slope), std::move(t.yIntercept), std::move(t.xIntercept),
                std::move(t.equation) });
    }
    cells.emplace_back(kindName(a.crossing.kind));
    cells.push_back(crossingX(a.crossing));
    cells.push_back(crossingY(a.crossing));
    // The working's lines end in LF, whatever the report's do.
    if (working)
        cells.emplace_back(core::WorkingText(a.working));
    cells.emplace_back(); // no error
    cells.push_back(noteText(a.note));
    return cells;
}

Cells errorCells(long long row, std::string_view message, bool working)
{
    // The row number and the message, every other column empty.
    Cells cells(columnCount(working));
    cells.front() = std::to_string(row);
    cells[cells.size() - 2] = std::string(message);
    return cells;
}

std::string csvHeader(Headers headers, bool working)
{
    const std::vector<std::string> names = columnNames(headers, working);
    return csvRecord(Cells(names.begin(), names.end()));
}

std::string csvAnswer(const Answer& a)
{
    return csvRecord(answerCells(a, "\r\n"));
}

std::string csvError(long long row, std::string_view message, bool working)
{
    return csvRecord(errorCells(row, message, working));
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
    addOptional(row, "note", noteText(a.note));
    if (!a.working.empty())
        row.addJson("working", jsonWorking(a.working));
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
