#include "app/answer_rows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <algorithm>
#include <csv.h>
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

// libcsv writes a field with its quotes, doubling any quote inside.
void addField(std::string& out, std::string_view text)
{
    if (!out.empty())
        out += ',';
    if (text.data() == nullptr)
        text = ""; // libcsv writes nothing at all for no text
    const std::size_t at = out.size();
    const std::size_t size = csv_write(nullptr, 0, text.data(), text.size());
    out.resize(at + size);
    csv_write(out.data() + at, size, text.data(), text.size());
}

// A value that does not exist is an empty field without quotes; an empty
// text is a pair of quotes.
void addOptional(std::string& out, const std::optional<std::string>& text)
{
    if (text)
        addField(out, *text);
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

// Most texts are plain ASCII, which the JSON value takes without decoding.
QJsonValue json(std::string_view text)
{
    const auto size = static_cast<qsizetype>(text.size());
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        return QLatin1StringView(text.data(), size);
    return QString::fromUtf8(text.data(), size);
}

QJsonValue orNull(const std::optional<std::string>& text)
{
    return text ? json(*text) : QJsonValue(QJsonValue::Null);
}

QLatin1StringView key(std::string_view name)
{
    return QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

QJsonObject jsonLine(const core::exact::Line& line)
{
    const ExactTexts t = exactTexts(line);
    QJsonObject o;
    o.insert(key("kind"), json(t.kind));
    o.insert(key("slope"), orNull(t.slope));
    o.insert(key("y_intercept"), orNull(t.yIntercept));
    o.insert(key("x_intercept"), orNull(t.xIntercept));
    o.insert(key("equation"), orNull(t.equation));
    return o;
}

QJsonArray jsonWorking(const std::vector<core::WorkingStep>& working)
{
    QJsonArray steps;
    for (const core::WorkingStep& step : working) {
        QJsonArray lines;
        for (const std::string& line : step.lines)
            lines.append(json(line));
        QJsonObject o;
        o.insert(key("id"), json(step.id));
        o.insert(key("heading"), json(step.heading));
        o.insert(key("lines"), lines);
        o.insert(key("result"), orNull(step.result));
        steps.append(o);
    }
    return steps;
}

std::string jsonText(const QJsonObject& object)
{
    QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    bytes += '\n';
    return bytes.toStdString();
}

} // namespace

Answer answerRow(long long row, const TypedRow& typed, const std::string& lower,
    const std::string& upper, core::Arithmetic arithmetic, bool working)
{
    Answer a;
    a.row = row;
    a.typed = typed;
    a.window = freshWindowAnswer({ { typed[0], typed[1], typed[2], typed[3] },
                                     { typed[4], typed[5], typed[6], typed[7] }, lower, upper },
        arithmetic);
    a.line1 = core::exact::LineThrough(typed[0], typed[1], typed[2], typed[3]);
    a.line2 = core::exact::LineThrough(typed[4], typed[5], typed[6], typed[7]);
    a.crossing = core::exact::CrossingOf(a.line1, a.line2);
    if (working)
        a.working = core::WorkingFor(
            { typed[0], typed[1], typed[2], typed[3] }, { typed[4], typed[5], typed[6], typed[7] });
    return a;
}

std::string csvHeader(bool working)
{
    std::string out;
    addField(out, "row");
    for (const std::string_view name : typedColumns)
        addField(out, name);
    for (int f = 0; f < core::ResultFieldCount; ++f)
        addField(out, core::FieldName(static_cast<core::ResultField>(f)));
    addField(out, "warning");
    addField(out, "report");
    for (const std::string_view line : { "exact_line1_", "exact_line2_" })
        for (const std::string_view name : lineColumns)
            addField(out, std::string(line) + std::string(name));
    for (const std::string_view name :
        { "exact_crossing_kind", "exact_crossing_x", "exact_crossing_y" })
        addField(out, name);
    if (working)
        addField(out, "working");
    addField(out, "error");
    endRecord(out);
    return out;
}

std::string csvAnswer(const Answer& a)
{
    std::string out;
    addField(out, std::to_string(a.row));
    for (const std::string& text : a.typed)
        addField(out, text);
    for (const std::string& text : a.window.fields)
        addField(out, text);
    addOptional(out, a.window.warning);
    addField(out, a.window.report);
    for (const core::exact::Line* line : { &a.line1, &a.line2 }) {
        const ExactTexts t = exactTexts(*line);
        addField(out, t.kind);
        addOptional(out, t.slope);
        addOptional(out, t.yIntercept);
        addOptional(out, t.xIntercept);
        addOptional(out, t.equation);
    }
    addField(out, kindName(a.crossing.kind));
    addOptional(out, crossingX(a.crossing));
    addOptional(out, crossingY(a.crossing));
    if (!a.working.empty())
        addField(out, core::WorkingText(a.working));
    addOptional(out, std::nullopt); // no error
    endRecord(out);
    return out;
}

std::string csvError(long long row, std::string_view message, bool working)
{
    // The row number, the message in the last column, empty columns between.
    std::string out;
    addField(out, std::to_string(row));
    for (std::size_t k = working ? 1 : 2; k < csvColumns; ++k)
        addOptional(out, std::nullopt);
    addField(out, message);
    endRecord(out);
    return out;
}

std::string jsonAnswer(const Answer& a)
{
    QJsonArray typed;
    for (const std::string& text : a.typed)
        typed.append(json(text));
    QJsonObject window;
    for (int f = 0; f < core::ResultFieldCount; ++f)
        window.insert(key(core::FieldName(static_cast<core::ResultField>(f))),
            json(a.window.fields[static_cast<std::size_t>(f)]));
    window.insert(key("warning"), orNull(a.window.warning));
    window.insert(key("report"), json(a.window.report));
    QJsonObject crossing;
    crossing.insert(key("kind"), json(kindName(a.crossing.kind)));
    crossing.insert(key("x"), orNull(crossingX(a.crossing)));
    crossing.insert(key("y"), orNull(crossingY(a.crossing)));
    QJsonObject exact;
    exact.insert(key("line1"), jsonLine(a.line1));
    exact.insert(key("line2"), jsonLine(a.line2));
    exact.insert(key("crossing"), crossing);
    QJsonObject row;
    row.insert(key("row"), a.row);
    row.insert(key("typed"), typed);
    row.insert(key("window"), window);
    row.insert(key("exact"), exact);
    if (!a.working.empty())
        row.insert(key("working"), jsonWorking(a.working));
    return jsonText(row);
}

std::string jsonError(long long row, std::string_view message)
{
    QJsonObject o;
    o.insert(key("row"), row);
    o.insert(key("error"), json(message));
    return jsonText(o);
}

} // namespace answers
