// A line typed as its equation: reading it, choosing its end points, and the
// whole Enter in the equation box beside the plain both-lines click it ends
// in.
#include "bench/form_bench.h"
#include "bench/window_bench.h"
#include "core/equation_points.h"
#include "main_window/equation/equation_entry.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <string>

namespace bench {

namespace {

const char* const forms[] = {
    "y = 2x + 3",
    "y + 1 = -(x + 4)/3",
    " Y = -0.666666666666667 X +  3.16666666666667",
    " Y = 1.33333333333333 X +  1.02140518265514E-14",
};

void ReadEquation(benchmark::State& state)
{
    const std::string text = forms[state.range(0)];
    for (auto _ : state) {
        auto reading = core::exact::ReadEquation(text);
        benchmark::DoNotOptimize(reading);
    }
    state.SetLabel(text);
}

void ChooseEndPoints(benchmark::State& state)
{
    const auto equation = *core::exact::ReadEquation(forms[state.range(0)]);
    const mpq_class lower = -10, upper = 10;
    for (auto _ : state) {
        auto points = core::exact::ChooseEndPoints(equation, lower, upper);
        benchmark::DoNotOptimize(points);
    }
    state.SetLabel(forms[state.range(0)]);
}

// Two lines in turn, so every step writes new end points and draws anew.
const QString equations[] = { QStringLiteral("y = 2x + 3"), QStringLiteral("2x + 3y = 6") };
const QString endPoints[2][4] = { { "-6", "-9", "3", "9" }, { "-9", "8", "9", "-4" } };

// Enter in txt_eqn1: read, choose, write the four fields, draw both lines.
void EquationEnter(benchmark::State& state)
{
    Form1& form = SharedForm();
    SetRange(form, Ranges().front());
    auto* entry = form.findChild<EquationEntry*>(QStringLiteral("equationEntry1"));
    int turn = 0;
    for (auto _ : state) {
        turn = 1 - turn;
        // Typed, as a paste types it: the box reads only what was typed.
        form.txt_eqn1->selectAll();
        form.txt_eqn1->insert(equations[turn]);
        if (!entry->enter())
            state.SkipWithError("the equation was not read");
    }
}

// The same end points typed into the four fields and the button clicked.
void EndPointsClick(benchmark::State& state)
{
    Form1& form = SharedForm();
    SetRange(form, Ranges().front());
    QLineEdit* const fields[] = { form.t1, form.t2, form.t3, form.t4 };
    int turn = 0;
    for (auto _ : state) {
        turn = 1 - turn;
        form.txt_eqn1->setText(equations[turn]);
        for (int k = 0; k < 4; ++k)
            fields[k]->setText(endPoints[turn][k]);
        form.cmd_bothlines_Click();
    }
}

} // namespace

void RegisterEquationBenchmarks()
{
    for (int k = 0; k < 4; ++k) {
        benchmark::RegisterBenchmark("Equation/Read", ReadEquation)
            ->Arg(k)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("Equation/ChooseEndPoints", ChooseEndPoints)
            ->Arg(k)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Equation/Enter", EquationEnter)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Equation/EndPointsClick", EndPointsClick)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
