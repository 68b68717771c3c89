#include "graph/plot_frame.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "graph/canvas.h"
#include "graph/qb_color.h"
#include "graph/tick_text.h"

#include <cstdint>

namespace graph {

namespace {

bool setScale(Canvas& canvas, double L, double U)
{
    try {
        canvas.Scale(L, L, U, U);
        return true;
    } catch (const core::Overflow&) {
        return false; // zero extent, or a corner beyond the single range
    }
}

struct Stroke {
    double x1, y1, x2, y2;
};

// The ticks k = first .. last, each followed by its number. Ticks that share
// a pixel line across their axis (`nextInNewLine`: the first whole number
// past k on another one) are the same pixels: each paints over the one
// before, with only that one's number drawn in between, so of such a run only
// the last tick needs drawing. Every number is drawn, in order.
template <typename StrokeOf, typename NextInNewLine>
void drawTicks(
    Canvas& canvas, int first, int last, int sign, StrokeOf strokeOf, NextInNewLine nextInNewLine)
{
    for (int k = first; k <= last;) {
        const auto next = nextInNewLine(k, last);
        const int runEnd = next ? static_cast<int>(*next) - 1 : last;
        for (; k <= runEnd; ++k) {
            const Stroke s = strokeOf(k);
            if (k < runEnd)
                canvas.SkipLine(s.x1, s.y1, s.x2, s.y2);
            else
                canvas.Line(s.x1, s.y1, s.x2, s.y2, QBColor(12));
            canvas.PrintNumber(TickText(sign * k).view());
        }
    }
}

} // namespace

void drawFrame(Canvas& canvas, double L, double U)
{
    setScale(canvas, L, U); // a refused scale leaves the old one
    canvas.DrawWidth(1);
    // Every line of the frame has a bound among its coordinates: with one
    // beyond the single range none can be drawn.
    const bool drawable = core::FitsSingle(L) && core::FitsSingle(U);
    // A grid line at every whole number from Int(L) to Int(U). Lines that
    // fall on the same pixel column (or row) are the same pixels, so each is
    // drawn once.
    const double first = core::Int(L), last = core::Int(U);
    for (double i = first; drawable && i <= last;) {
        canvas.Line(i, L, i, U, QBColor(5));
        const auto next = canvas.NextWholeInNewColumn(i, last);
        if (!next)
            break;
        i = *next;
    }
    for (double j = first; drawable && j <= last;) {
        canvas.Line(L, j, U, j, QBColor(8));
        const auto next = canvas.NextWholeInNewRow(j, last);
        if (!next)
            break;
        j = *next;
    }
    canvas.DrawWidth(2);
    if (drawable) {
        canvas.Line(L, 0, U, 0, QBColor(12));
        canvas.Line(0, L, 0, U, QBColor(12));
    }
    canvas.FontName(QStringLiteral("Arial Narrow"));
}

TickStop drawTickMarks(Canvas& canvas, double L, double U)
{
    if (!setScale(canvas, L, U))
        return TickStop::ScaleRefused;
    std::int16_t first = 0, last = 0;
    try {
        first = core::ToInteger16(core::Int(L));
        last = core::ToInteger16(core::Int(U));
    } catch (const core::Overflow&) {
        return TickStop::CounterOverflow;
    }
    drawTicks(
        canvas, first, last, 1,
        [](int i) {
            return Stroke { double(i), 0.2, double(i), -0.2 };
        },
        [&](double i, double end) { return canvas.NextWholeInNewColumn(i, end); });
    // The 16-bit counter cannot step past its largest value.
    if (last == INT16_MAX)
        return TickStop::CounterAtLimit;
    // Panel row j is the user's y = -j.
    drawTicks(
        canvas, first, last, -1,
        [](int j) {
            return Stroke { -0.2, double(j), 0.2, double(j) };
        },
        [&](double j, double end) { return canvas.NextWholeInNewRow(j, end); });
    return TickStop::Done;
}

void drawEndNumbers(Canvas& canvas, double L, double U)
{
    if (!setScale(canvas, L, U))
        return;
    int last = 0;
    try {
        last = core::ToInteger16(core::Int(U));
    } catch (const core::Overflow&) {
        return;
    }
    // In device pixels, as the canvas places its texts; its ticks reach 0.2
    // either side of their axis.
    const qreal dpr = canvas.devicePixelRatio();
    const double right = canvas.ColumnOf(U), bottom = canvas.RowOf(U);
    const auto printAt = [&](double column, double row, const QString& text) {
        const QPointF at = canvas.ToWorld(QPointF(column, row) / dpr);
        canvas.SkipLine(at.x(), at.y(), at.x(), at.y());
        canvas.PrintOnBackground(text);
    };
    // A tick's number is its text without the blank behind.
    const QString x = tickText(last).chopped(1), y = tickText(-last).chopped(1);
    if (canvas.ColumnOf(last) + canvas.TextSize(x).width() > right) {
        const QSize size = canvas.TextSize(x.trimmed());
        printAt(right - size.width() - 1, canvas.RowOf(-0.2) - size.height(), x.trimmed());
    }
    if (canvas.RowOf(last) + canvas.TextSize(y).height() > bottom) {
        const QSize size = canvas.TextSize(y.trimmed());
        printAt(canvas.ColumnOf(-0.2) - size.width() - 1, bottom - size.height(), y.trimmed());
    }
}

} // namespace graph
