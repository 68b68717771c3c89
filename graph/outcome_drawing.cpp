#include "graph/outcome_drawing.h"

#include "core/line_commands.h"
#include "core/number_text.h"
#include "graph/canvas.h"
#include "graph/drawing_record.h"
#include "graph/qb_color.h"

#include <cmath>

namespace graph {

namespace {

QRgb lineColour(int line)
{
    return QBColor(line == 1 ? 3 : 2);
}

// A crossing's y is a single, written as one.
template <typename Y> QString pointLabel(double x, Y y)
{
    return QStringLiteral("(%1, %2)")
        .arg(QString::fromStdString(core::NumberToText(x)),
            QString::fromStdString(core::NumberToText(y)));
}

} // namespace

OutcomeDrawn drawOutcome(
    Canvas& canvas, DrawingRecord* record, const core::CommandResult& result, EndNumbers endNumbers)
{
    OutcomeDrawn drawn;
    const core::ReadRange& range = result.range;
    const double L = range.lower.value_or(0), U = range.upper.value_or(0);
    drawFrame(canvas, L, U);
    if (record)
        record->drawFrame(L, U);
    if (range.lower && range.upper) {
        drawn.ticks = drawTickMarks(canvas, L, U);
        if (record)
            record->drawTickMarks(L, U);
        if (endNumbers == EndNumbers::Shown && drawn.ticks == TickStop::Done) {
            drawEndNumbers(canvas, L, U);
            if (record)
                record->drawEndNumbers(L, U);
        }
    }
    // The command lets through only end points the picture can hold.
    for (const core::Segment& s : result.segments) {
        const core::EndPoints& p = s.points;
        canvas.Line(p.X1, -p.Y1, p.X2, -p.Y2, lineColour(s.line));
        if (record)
            record->Line(p.X1, -p.Y1, p.X2, -p.Y2, lineColour(s.line));
    }
    return drawn;
}

std::vector<PointMark> outcomeMarks(const core::CommandResult& result)
{
    std::vector<PointMark> marks;
    QPointF along[3]; // each line's direction on the picture, of length 1
    for (const core::Segment& s : result.segments) {
        const core::EndPoints& p = s.points;
        const QPointF d(p.X2 - p.X1, p.Y1 - p.Y2);
        const double length = std::hypot(d.x(), d.y());
        if (length > 0 && std::isfinite(length))
            along[s.line] = d / length;
        marks.push_back(
            { p.X1, -p.Y1, lineColour(s.line), pointLabel(p.X1, p.Y1), -d.x(), -d.y() });
        marks.push_back({ p.X2, -p.Y2, lineColour(s.line), pointLabel(p.X2, p.Y2), d.x(), d.y() });
    }
    if (result.crossing && result.crossing->kind == core::CrossingKind::Point) {
        const core::Crossing& c = *result.crossing;
        // Of the two bisectors, d1 + d2 halves the angle between the
        // directions, d1 - d2 its supplement: the wider one when they make
        // an acute angle.
        const QPointF d1 = along[1], d2 = along[2];
        const bool acute = QPointF::dotProduct(d1, d2) > 0;
        const QPointF lean = acute ? d1 - d2 : d1 + d2;
        marks.push_back({ c.x, -static_cast<double>(c.y), qRgb(0, 0, 0), pointLabel(c.x, c.y),
            lean.isNull() ? 1.0 : lean.x(), lean.isNull() ? -1.0 : lean.y() });
    }
    return marks;
}

} // namespace graph
