#include "main_window/bad_input.h"

#include "core/number_text.h"

namespace bad_input {

namespace {

QString text(double x)
{
    return QString::fromStdString(core::NumberToText(x));
}

} // namespace

QString VerticalLine(int line, const core::EndPoints& p)
{
    if (p.Y1 == p.Y2)
        return QStringLiteral("Line %1's two end points are the same point, so they do not "
                              "define a line.")
            .arg(line);
    return QStringLiteral("Line %1 is vertical (X1 = X2 = %2): it has no slope. Its equation is "
                          "X = %2.")
        .arg(line)
        .arg(text(p.X1));
}

QString FieldTooLarge(const QString& fieldDescription)
{
    return QStringLiteral("%1 holds a number too large to work with. Numbers from "
                          "-1.79769313486232E+308 to 1.79769313486232E+308 work.")
        .arg(fieldDescription);
}

QString PointsBeyondDrawing(int line)
{
    return QStringLiteral("Line %1 cannot be drawn: its end points must lie between "
                          "-3.402823E+38 and 3.402823E+38.")
        .arg(line);
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

QString ResultTooLarge(const QString& what)
{
    return QStringLiteral("%1 lies beyond the numbers Trellan can show (-1.79769313486232E+308 "
                          "to 1.79769313486232E+308; a crossing point's y from -3.402823E+38 to "
                          "3.402823E+38).")
        .arg(what);
}

} // namespace bad_input
