#include "words/bad_input.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/line_commands.h"
#include "core/number_text.h"

// Every message says which field it is about and what to do, in words a
// pupil uses: no names from inside the program, and limits as rounded
// numbers ("about 1.8E+308").
namespace bad_input {

namespace {

QString text(double x)
{
    return QString::fromStdString(core::NumberToText(x));
}

QString coordinate(core::Coordinate c)
{
    static const char* const names[] = { "X1", "Y1", "X2", "Y2" };
    return QLatin1StringView(names[static_cast<int>(c)]);
}

QString endPoint(int line, core::Coordinate c)
{
    return QStringLiteral("Line %1's %2").arg(line).arg(coordinate(c));
}

QString TooLargeToDraw(const QString& what)
{
    return QStringLiteral("%1 is too large to draw: use a number between about -3.4E+38 and "
                          "3.4E+38.")
        .arg(what);
}

// Names which value of the range the problem lies with.
QString RangeBeyondDrawing(double lower, double upper)
{
    if (core::FitsSingle(lower))
        return TooLargeToDraw(QStringLiteral("The highest value of the range"));
    if (core::FitsSingle(upper))
        return TooLargeToDraw(QStringLiteral("The lowest value of the range"));
    return QStringLiteral("The lowest and highest values of the range are too large to draw: use "
                          "numbers between about -3.4E+38 and 3.4E+38.");
}

QString SinglePoint(int line)
{
    return QStringLiteral("Line %1's two end points are the same point, so they do not make a "
                          "line: change X2 or Y2 so that the points differ.")
        .arg(line);
}

QString RangeTooNarrow(double lower, double upper)
{
    return QStringLiteral("The range from %1 to %2 is too narrow to draw: choose a lowest and a "
                          "highest value further apart, differing within their first seven "
                          "digits.")
        .arg(text(lower), text(upper));
}

} // namespace

QString Warning(const core::CommandStop& stop)
{
    using core::Problem;
    const int line = stop.line;
    switch (stop.problem) {
    case Problem::LowerBoundTooLarge:
        return FieldTooLarge(QStringLiteral("The lowest value of the range"));
    case Problem::UpperBoundTooLarge:
        return FieldTooLarge(QStringLiteral("The highest value of the range"));
    case Problem::RangeEmpty:
        return RangeEmpty(stop.lower);
    case Problem::RangeTooNarrow:
        return RangeTooNarrow(stop.lower, stop.upper);
    case Problem::RangeBeyondDrawing:
        return RangeBeyondDrawing(stop.lower, stop.upper);
    case Problem::RangeTooWide:
        return RangeTooWide(stop.lower, stop.upper);
    case Problem::EndPointTooLarge:
        return FieldTooLarge(endPoint(line, stop.coordinate));
    case Problem::EndPointsBeyondDrawing:
        return TooLargeToDraw(endPoint(line, stop.coordinate));
    case Problem::SinglePoint:
        return SinglePoint(line);
    case Problem::VerticalLine: // met only where it is not told
        return QStringLiteral("Line %1 is vertical, so it has no slope.").arg(line);
    case Problem::SlopeTooLarge:
        return QStringLiteral("Line %1 is too steep to work out its slope: move its X1 and X2 "
                              "further apart.")
            .arg(line);
    case Problem::YInterceptTooLarge:
        return QStringLiteral("Line %1's y-intercept is too large to work out: choose end points "
                              "nearer the y-axis, or a less steep line.")
            .arg(line);
    case Problem::CrossingTooLarge:
        return QStringLiteral("The crossing point is too far away to show: change an end point "
                              "so that the lines meet nearer the middle of the graph.");
    case Problem::XAxisCrossingTooLarge:
        return QStringLiteral("Line %1 is too flat to work out where it meets the x-axis: make "
                              "it steeper.")
            .arg(line);
    }
    return {};
}

QString FieldTooLarge(const QString& fieldDescription)
{
    return QStringLiteral("%1 is too large: use a number between about -1.8E+308 and 1.8E+308.")
        .arg(fieldDescription);
}

QString RangeTooWide(double lower, double upper)
{
    return QStringLiteral("The range from %1 to %2 is too wide to number its axes: use a lowest "
                          "and a highest value from -32768 to just under 32767.")
        .arg(text(lower), text(upper));
}

QString RangeEmpty(double bound)
{
    return QStringLiteral("The range from %1 to %1 is empty: make the lowest and highest values "
                          "differ.")
        .arg(text(bound));
}

std::optional<QString> HowRead(const QString& typed)
{
    const std::string typedText = typed.toStdString();
    if (core::ReadsInFull(typedText))
        return std::nullopt;
    double read = 0;
    try {
        read = core::Val(typedText);
    } catch (const core::ArithmeticError&) {
        return std::nullopt; // too large to read: the command's warning says so
    }
    if (!core::ReadTypedNumber(typedText).hasDigits())
        return QStringLiteral("Read as 0: there is no number here");
    return QStringLiteral("Read as %1: only the number at the start counts").arg(text(read));
}

} // namespace bad_input
