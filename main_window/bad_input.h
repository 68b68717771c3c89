#pragma once

#include "core/line.h"

#include <QString>

// Plain-words warnings for input a command cannot work with. `line` is 1 or 2.
namespace bad_input {

// A command that ran into one of these ends at that step; what it drew and
// wrote until then stays.
struct Stop {
    QString message;
};

QString VerticalLine(int line, const core::EndPoints& p);
QString FieldTooLarge(const QString& fieldDescription);
QString PointsBeyondDrawing(int line);
QString RangeTooWide(double lower, double upper);
QString RangeEmpty(double bound);
QString RangeBeyondDrawing();
QString ResultTooLarge(const QString& what);

} // namespace bad_input
