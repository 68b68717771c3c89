// The graph side of the main window: the plot frame, the tick marks, the
// pointer readout and the two zoom commands.
#include "core/checked.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "graph/graph_panel.h"
#include "graph/qb_color.h"
#include "graph/tick_text.h"
#include "main_window/bad_input.h"
#include "main_window/command_step.h"
#include "main_window/form1.h"

#include <QCheckBox>
#include <QLineEdit>

#include <cstdint>

using graph::QBColor;

namespace {

double valOf(const QLineEdit* field)
{
    return core::Val(field->text().toStdString());
}

} // namespace

void Form1::DrawFN()
{
    double L = 0, U = 0; // a bound that cannot be read counts as 0
    core::SkipOnFailure([&] { L = valOf(txmin); });
    core::SkipOnFailure([&] { U = valOf(txmax); });
    core::SkipOnFailure([&] { p1->Scale(L, L, U, U); });
    core::SkipOnFailure([&] { p1->DrawWidth(1); });

    // A grid line at every whole number from Int(L) to Int(U). Lines that
    // fall on the same pixel column (or row) are the same pixels, so each is
    // drawn once; with a bound beyond the drawing range no grid line can be
    // drawn at all.
    const double first = core::Int(L), last = core::Int(U);
    const bool drawable = core::FitsSingle(L) && core::FitsSingle(U);
    core::SkipOnFailure([&] {
        for (double i = first; drawable && i <= last;) {
            core::SkipOnFailure([&] { p1->Line(i, L, i, U, QBColor(5)); });
            const auto next = p1->canvas().NextWholeInNewColumn(i, last);
            if (!next)
                break;
            i = *next;
        }
    });
    core::SkipOnFailure([&] {
        for (double j = first; drawable && j <= last;) {
            core::SkipOnFailure([&] { p1->Line(L, j, U, j, QBColor(8)); });
            const auto next = p1->canvas().NextWholeInNewRow(j, last);
            if (!next)
                break;
            j = *next;
        }
    });
    core::SkipOnFailure([&] {
        p1->DrawWidth(2);
        p1->Line(L, 0, U, 0, QBColor(12));
    });
    core::SkipOnFailure([&] {
        p1->DrawWidth(2);
        p1->Line(0, L, 0, U, QBColor(12));
    });
    core::SkipOnFailure([&] { p1->FontName(QStringLiteral("Arial Narrow")); });
}

void Form1::DrawTickMarks()
{
    double L = 0, U = 0;
    try {
        L = valOf(txmin);
    } catch (const core::Overflow&) {
        throw bad_input::Stop { bad_input::FieldTooLarge(
            QStringLiteral("The lowest value of the range")) };
    }
    try {
        U = valOf(txmax);
    } catch (const core::Overflow&) {
        throw bad_input::Stop { bad_input::FieldTooLarge(
            QStringLiteral("The highest value of the range")) };
    }
    try {
        p1->Scale(L, L, U, U);
    } catch (const core::ArithmeticError&) {
        if (L == U)
            throw bad_input::Stop { bad_input::RangeEmpty(L) };
        throw bad_input::Stop { bad_input::RangeBeyondDrawing() };
    }

    std::int16_t first = 0, last = 0;
    try {
        first = core::ToInteger16(core::Int(L));
        last = core::ToInteger16(core::Int(U));
    } catch (const core::Overflow&) {
        throw bad_input::Stop { bad_input::RangeTooWide(L, U) };
    }

    // Straight onto the panel's picture, shown when each axis is done.
    graph::Canvas& canvas = p1->canvas();
    struct Stroke {
        double x1, y1, x2, y2;
    };
    const auto drawTicks = [&](auto stroke, auto number) {
        // A tick on the same pixels as the next one is painted over by it,
        // with only its own number drawn in between: of such a run only the
        // last tick needs drawing. Every number is drawn, in order.
        std::optional<QLine> next;
        for (int k = first; k <= last; ++k) {
            const Stroke s = stroke(k);
            const std::optional<QLine> pixels
                = k == first ? canvas.SegmentPixels(s.x1, s.y1, s.x2, s.y2) : next;
            if (k < last) {
                const Stroke t = stroke(k + 1);
                next = canvas.SegmentPixels(t.x1, t.y1, t.x2, t.y2);
            }
            if (k < last && next == pixels)
                canvas.SkipLine(s.x1, s.y1, s.x2, s.y2);
            else
                canvas.Line(s.x1, s.y1, s.x2, s.y2, QBColor(12));
            canvas.PrintNumber(graph::TickText(number(k)));
        }
        p1->update();
    };
    drawTicks(
        [](int i) {
            return Stroke { double(i), 0.2, double(i), -0.2 };
        },
        [](int i) { return i; });
    // The 16-bit counter cannot step past its largest value.
    if (last == INT16_MAX)
        throw bad_input::Stop { bad_input::RangeTooWide(L, U) };
    drawTicks(
        [](int j) {
            return Stroke { -0.2, double(j), 0.2, double(j) };
        },
        [](int j) { return -j; }); // panel row j is the user's y = -j
}

void Form1::p1_MouseMove(float X, float Y)
{
    // The range fields are rewritten in their plain form and set the scale
    // for the moves that follow. A bound too large to read, or a range of
    // zero extent, leaves the fields and the scale as they were.
    command_step::skipOnFailure([&] {
        const double L = valOf(txmin);
        const double U = valOf(txmax);
        const QString lower = QString::fromStdString(core::NumberToText(L));
        const QString upper = QString::fromStdString(core::NumberToText(U));
        if (txmin->text() != lower)
            txmin->setText(lower);
        if (txmax->text() != upper)
            txmax->setText(upper);
        p1->Scale(L, L, U, U);
    });
    // A single rounded to hundredths stays within the single range, but a
    // readout must never end in an error whatever the pointer reports.
    const auto readout = [](QLineEdit* field, float v) {
        command_step::skipOnFailure([&] {
            field->setText(QString::fromStdString(core::NumberToText(core::Round(v, 2))).left(4));
        });
    };
    readout(tx, X);
    readout(ty, -Y);
}

void Form1::Command1_Click()
{
    zoom(1);
}

void Form1::Command2_Click()
{
    zoom(-1);
}

void Form1::zoom(double step)
{
    // Every step of a zoom is skipped when it fails.
    double lo = 0, hi = 0; // a bound that cannot be read counts as 0
    command_step::skipOnFailure([&] { lo = valOf(txmin); });
    command_step::skipOnFailure([&] { hi = valOf(txmax); });
    command_step::skipOnFailure([&] {
        lo = core::Subtract(lo, step);
        txmin->setText(QString::fromStdString(core::NumberToText(lo)));
    });
    command_step::skipOnFailure([&] {
        hi = core::Add(hi, step);
        txmax->setText(QString::fromStdString(core::NumberToText(hi)));
    });
    // The redraw adds no report, and a step that stops it ends it without a
    // word; afterwards reports are on exactly when the check box shows its
    // tick.
    PlaceResults = false;
    command_step::skipOnFailure([this] { runBothLines(RunBy::Zoom); });
    PlaceResults = Check1->checkState() != Qt::Unchecked;
}
