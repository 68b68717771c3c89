#include "main_window/exact_values/exact_texts.h"

#include "core/working.h"
#include "main_window/exact_values/exact_parts.h"

#include <QStringList>

#include <optional>

namespace exact_texts {

namespace {

using namespace parts;

QString tooLarge()
{
    return ExactValues::tr("Too large to work with exactly");
}

bool isLine(const Line& line)
{
    return line.kind == LineKind::Line || line.kind == LineKind::Vertical;
}

QString point(const mpq_class& x, const mpq_class& y)
{
    return u'(' + fraction(x) + QStringLiteral(", ") + fraction(y) + u')';
}

QString interceptTip(const Line& line, const Intercept& at, const QString& axis)
{
    if (line.kind == LineKind::TooLarge)
        return tooLarge();
    if (!isLine(line))
        return {};
    switch (at.kind) {
    case InterceptKind::At:
        return ExactValues::tr("Exactly %1").arg(value(at.at));
    case InterceptKind::None:
        return ExactValues::tr("Exactly none: the line never meets %1").arg(axis);
    case InterceptKind::All:
        return ExactValues::tr("Exactly all: the line is %1").arg(axis);
    }
    return {};
}

QString slopeTip(const Line& line)
{
    switch (line.kind) {
    case LineKind::Line:
        return ExactValues::tr("Exactly %1").arg(value(line.slope));
    case LineKind::Vertical:
        return ExactValues::tr("Exactly no slope: the line is vertical");
    case LineKind::TooLarge:
        return tooLarge();
    case LineKind::Point:
        break;
    }
    return {};
}

// The equation, then the value of each of its numbers that is not whole.
QString equationTip(const Line& line)
{
    if (line.kind == LineKind::TooLarge)
        return tooLarge();
    const std::optional<std::string> equation = core::exact::EquationText(line);
    if (!equation)
        return {};
    std::vector<mpq_class> numbers;
    if (line.kind == LineKind::Vertical) {
        numbers.push_back(line.xIntercept.at);
    } else {
        if (line.slope != 0)
            numbers.push_back(line.slope);
        if (line.yIntercept.at != 0 || line.slope == 0)
            numbers.push_back(line.slope == 0 ? line.yIntercept.at : abs(line.yIntercept.at));
    }
    QStringList values;
    for (const mpq_class& q : numbers)
        if (!isInteger(q))
            values << value(q);
    const QString tip = ExactValues::tr("Exactly %1").arg(text(*equation));
    if (values.size() == 1)
        return tip + u'\n' + ExactValues::tr("where %1").arg(values[0]);
    if (values.size() == 2)
        return tip + u'\n' + ExactValues::tr("where %1 and %2").arg(values[0], values[1]);
    return tip;
}

QString crossingTip(const ExactLines& exact)
{
    switch (exact.crossing.kind) {
    case CrossingKind::Point:
        return ExactValues::tr("Exactly %1").arg(point(exact.crossing.x, exact.crossing.y))
            + (core::ArePerpendicular(exact.line1, exact.line2)
                    ? u'\n' + ExactValues::tr("The lines are perpendicular")
                    : QString());
    case CrossingKind::Parallel:
        return ExactValues::tr("Exactly parallel: the lines never meet");
    case CrossingKind::Same:
        return ExactValues::tr("Exactly the same line");
    case CrossingKind::None:
        break;
    }
    if (exact.line1.kind == LineKind::TooLarge || exact.line2.kind == LineKind::TooLarge)
        return tooLarge();
    return {};
}

int lineOf(ResultField field)
{
    switch (field) {
    case ResultField::Slope1:
    case ResultField::YIntercept1:
    case ResultField::Equation1:
    case ResultField::XAxis1:
    case ResultField::YAxis1:
        return 1;
    default:
        return 2;
    }
}

} // namespace

ExactLines exactLinesFor(const core::TypedFields& typed)
{
    ExactLines a;
    const auto& [x1, y1, x2, y2] = typed.line1;
    const auto& [x3, y3, x4, y4] = typed.line2;
    a.line1 = core::exact::LineThrough(x1, y1, x2, y2);
    a.line2 = core::exact::LineThrough(x3, y3, x4, y4);
    a.crossing = core::exact::CrossingOf(a.line1, a.line2);
    return a;
}

QString value(const mpq_class& q)
{
    if (isInteger(q))
        return fraction(q);
    return fraction(q) + QStringLiteral(" = ") + text(core::exact::DecimalText(q));
}

QString tooltip(core::ResultField field, const ExactLines& exact)
{
    const Line& line = lineOf(field) == 1 ? exact.line1 : exact.line2;
    switch (field) {
    case ResultField::Slope1:
    case ResultField::Slope2:
        return slopeTip(line);
    case ResultField::YIntercept1:
    case ResultField::YIntercept2:
    case ResultField::YAxis1:
    case ResultField::YAxis2:
        return interceptTip(line, line.yIntercept, ExactValues::tr("the y-axis"));
    case ResultField::XAxis1:
    case ResultField::XAxis2:
        return interceptTip(line, line.xIntercept, ExactValues::tr("the x-axis"));
    case ResultField::Equation1:
    case ResultField::Equation2:
        return equationTip(line);
    case ResultField::Answer:
        return crossingTip(exact);
    }
    return {};
}

} // namespace exact_texts
