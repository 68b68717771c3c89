#include "main_window/bad_input.h"

#include "core/line_commands.h"
#include "core/number_text.h"

namespace bad_input {

namespace {

QString text(double x)
{
    return QString::fromStdString(core::NumberToText(x));
}

QString SinglePoint(int line)
{
    return QStringLiteral("Line %1's two end points are the same point, so they do not "
                          "define a line.")
        .arg(line);
}

QString VerticalLine(int line, double x)
{
    return QStringLiteral("Line %1 is vertical (X1 = X2 = %2): it has no slope. Its equation is "
                          "X = %2.")
        .arg(line)
        .arg(text(x));
}

QString PointsBeyondDrawing(int line)
{
    return QStringLiteral("Line %1 cannot be drawn: its end points must lie between "
                          "-3.402823E+38 and 3.402823E+38.")
        .arg(line);
}

QString RangeTooNarrow(double lower, double upper)
{
    return QStringLiteral("The range from %1 to %2 is too narrow to draw: the lowest and highest "
                          "values must differ within their first seven digits.")
        .arg(text(lower), text(upper));
}

QString ResultTooLarge(const QString& what)
{
    return QStringLiteral("%1 lies beyond the numbers Trellan can show (-1.79769313486232E+308 "
                          "to 1.79769313486232E+308; a crossing point's y from -3.402823E+38 to "
                          "3.402823E+38).")
        .arg(what);
}

} // namespace

QString Warning(const core::CommandStop& stop)
{
    using core::Problem;
    static const char* const coordinates[] = { "X1", "Y1", "X2", "Y2" };
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
        return RangeBeyondDrawing();
    case Problem::RangeTooWide:
        return RangeTooWide(stop.lower, stop.upper);
    case Problem::EndPointTooLarge:
        return FieldTooLarge(
            QStringLiteral("Line %1's %2")
                .arg(line)
                .arg(QLatin1StringView(coordinates[static_cast<int>(stop.coordinate)])));
    case Problem::EndPointsBeyondDrawing:
        return PointsBeyondDrawing(line);
    case Problem::SinglePoint:
        return SinglePoint(line);
    case Problem::VerticalLine:
        return VerticalLine(line, stop.x);
    case Problem::SlopeTooLarge:
        return ResultTooLarge(QStringLiteral("The slope of line %1").arg(line));
    case Problem::YInterceptTooLarge:
        return ResultTooLarge(QStringLiteral("The y-intercept of line %1").arg(line));
    case Problem::CrossingTooLarge:
        return ResultTooLarge(QStringLiteral("The crossing point"));
    case Problem::XAxisCrossingTooLarge:
        return ResultTooLarge(QStringLiteral("The x-axis crossing of line %1").arg(line));
    }
    return {};
}

QString FieldTooLarge(const QString& fieldDescription)
{
    return QStringLiteral("%1 holds a number too large to work with. Numbers from "
                          "-1.79769313486232E+308 to 1.79769313486232E+308 work.")
        .arg(fieldDescription);
}

QString RangeTooWide(double lower, double upper)
{
    return QStringLiteral("The range from %1 to %2 is too wide to number its axes. Ranges whose "
                          "whole numbers lie from -32768 to 32766 work.")
        .arg(text(lower), text(upper));
}

QString RangeEmpty(double bound)
{
    return QStringLiteral("The range from %1 to %1 is empty: the lowest and highest values "
                          "must differ.")
        .arg(text(bound));
}

QString RangeBeyondDrawing()
{
    return QStringLiteral("The range cannot be drawn: its values must lie between "
                          "-3.402823E+38 and 3.402823E+38.");
}

} // namespace bad_input
