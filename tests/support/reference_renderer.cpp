#include "tests/support/reference_renderer.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "graph/canvas.h"
#include "graph/qb_color.h"

#include <cstdint>
#include <stdexcept>

namespace reference {

using graph::QBColor;

namespace {

// A drawing step whose failure is skipped.
template <typename Step> void skipping(Step&& step)
{
    try {
        step();
    } catch (const core::ArithmeticError&) {
    }
}

} // namespace

QString tickText(int n)
{
    const QString digits = QString::number(n < 0 ? -qint64(n) : qint64(n));
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QStringLiteral(" ");
}

void Frame(graph::Canvas& canvas, double L, double U, double maxGridLines)
{
    skipping([&] { canvas.Scale(L, L, U, U); });
    canvas.DrawWidth(1);
    const double first = core::Int(L), last = core::Int(U);
    // With a bound beyond the single range every grid line overflows and is
    // skipped, so the loops can be left out; otherwise they must be walkable.
    const bool drawable = core::FitsSingle(L) && core::FitsSingle(U);
    if (drawable && last - first + 1 > maxGridLines)
        throw std::length_error("too many grid lines for the plain loop");
    for (double i = first; drawable && i <= last; i += 1)
        skipping([&] { canvas.Line(i, L, i, U, QBColor(5)); });
    for (double j = first; drawable && j <= last; j += 1)
        skipping([&] { canvas.Line(L, j, U, j, QBColor(8)); });
    canvas.DrawWidth(2);
    skipping([&] { canvas.Line(L, 0, U, 0, QBColor(12)); });
    skipping([&] { canvas.Line(0, L, 0, U, QBColor(12)); });
    canvas.FontName(QStringLiteral("Arial Narrow"));
}

bool TickMarks(graph::Canvas& canvas, double L, double U)
{
    try {
        canvas.Scale(L, L, U, U);
        const std::int16_t first = core::ToInteger16(core::Int(L));
        const std::int16_t last = core::ToInteger16(core::Int(U));
        for (int i = first; i <= last; ++i) {
            canvas.Line(i, 0.2, i, -0.2, QBColor(12));
            canvas.Print(tickText(i));
        }
        if (last == INT16_MAX)
            return false; // the counter cannot step past it
        for (int j = first; j <= last; ++j) {
            canvas.Line(-0.2, j, 0.2, j, QBColor(12));
            canvas.Print(tickText(-j));
        }
        return true;
    } catch (const core::ArithmeticError&) {
        return false;
    }
}

bool TickMarksPaintedOver(graph::Canvas& canvas, double L, double U)
{
    struct Tick {
        double x1, y1, x2, y2;
        int number;
    };
    // Each tick's line unless the next tick on its axis has the same pixels.
    const auto axis = [&](int first, int last, auto tickOf) {
        for (int k = first; k <= last; ++k) {
            const Tick t = tickOf(k);
            bool paintedOver = false;
            if (k < last) {
                const Tick next = tickOf(k + 1);
                paintedOver = canvas.SegmentPixels(t.x1, t.y1, t.x2, t.y2)
                    == canvas.SegmentPixels(next.x1, next.y1, next.x2, next.y2);
            }
            if (paintedOver)
                canvas.SkipLine(t.x1, t.y1, t.x2, t.y2);
            else
                canvas.Line(t.x1, t.y1, t.x2, t.y2, QBColor(12));
            canvas.PrintNumber(tickText(t.number));
        }
    };
    try {
        canvas.Scale(L, L, U, U);
        const std::int16_t first = core::ToInteger16(core::Int(L));
        const std::int16_t last = core::ToInteger16(core::Int(U));
        axis(first, last, [](int i) { return Tick { double(i), 0.2, double(i), -0.2, i }; });
        if (last == INT16_MAX)
            return false;
        axis(first, last, [](int j) { return Tick { -0.2, double(j), 0.2, double(j), -j }; });
        return true;
    } catch (const core::ArithmeticError&) {
        return false;
    }
}

void Lines(graph::Canvas& canvas, const core::EndPoints& one, const core::EndPoints& two)
{
    try {
        canvas.Line(one.X1, -one.Y1, one.X2, -one.Y2, QBColor(3));
        canvas.Line(two.X1, -two.Y1, two.X2, -two.Y2, QBColor(2));
    } catch (const core::ArithmeticError&) {
    }
}

void Picture(graph::Canvas& canvas, double L, double U,
    const std::optional<std::pair<core::EndPoints, core::EndPoints>>& lines)
{
    canvas.Cls();
    Frame(canvas, L, U);
    if (TickMarks(canvas, L, U) && lines)
        Lines(canvas, lines->first, lines->second);
}

} // namespace reference
