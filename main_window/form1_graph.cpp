// The graph side of the main window: the plot frame, the tick marks, the
// pointer readout and the two zoom commands, by button or by wheel.
#include "core/checked.h"
#include "core/line_commands.h"
#include "core/number_text.h"
#include "graph/graph_panel.h"
#include "main_window/command_step.h"
#include "main_window/form1.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

double valOf(const QLineEdit* field)
{
    return core::FieldValue(field->text().toStdString());
}

} // namespace

void Form1::DrawFN()
{
    double L = 0, U = 0; // a bound that cannot be read counts as 0
    command_step::skipOnFailure([&] { L = valOf(txmin); });
    command_step::skipOnFailure([&] { U = valOf(txmax); });
    p1->drawFrame(L, U);
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

void Form1::p1_WheelTurned(int notches)
{
    for (; notches > 0; --notches)
        Command2_Click(); // Zoom In
    for (; notches < 0; ++notches)
        Command1_Click(); // Zoom Out
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
    run(Command::BothLines, Run::Zoom);
    PlaceResults = Check1->checkState() != Qt::Unchecked;
}
