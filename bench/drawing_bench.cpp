// The graph panel's drawing: the both-lines command, the plot frame and tick
// marks alone on a bare canvas, and the plain-way reference picture on the
// same ranges.
#include "bench/drawing_bench.h"

#include "bench/form_bench.h"
#include "core/number_text.h"
#include "graph/canvas.h"
#include "graph/graph_panel.h"
#include "graph/plot_frame.h"
#include "graph/point_marks.h"
#include "tests/support/reference_renderer.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace bench {

namespace {

double valOf(const QString& text)
{
    return core::Val(text.toStdString());
}

// A canvas of the panel's size, resolution and font, outside any window,
// that has drawn the range once: as on the panel of a running program, the
// numbers' glyphs are laid out and their footprints known before the timing.
std::unique_ptr<graph::Canvas> bareCanvas(const Range& range)
{
    const graph::Canvas& panel = SharedForm().p1->canvas();
    auto canvas = std::make_unique<graph::Canvas>(panel.logicalSize(), panel.devicePixelRatio());
    canvas->setFont(panel.font());
    const double L = valOf(range.lower), U = valOf(range.upper);
    graph::drawFrame(*canvas, L, U);
    graph::drawTickMarks(*canvas, L, U);
    canvas->Cls();
    return canvas;
}

void BothLines(benchmark::State& state, const Range& range)
{
    Form1& form = SharedForm();
    SetRange(form, range);
    form.p1->showPointMarks(false);
    for (auto _ : state)
        form.cmd_bothlines_Click();
}

// The same click with the end points and the crossing labelled.
void BothLinesMarked(benchmark::State& state, const Range& range)
{
    Form1& form = SharedForm();
    SetRange(form, range);
    form.p1->showPointMarks(true);
    for (auto _ : state)
        form.cmd_bothlines_Click();
    form.p1->showPointMarks(false);
}

// The labelled points alone: the both-lines command's five marks on the
// picture it drew.
void Marks(benchmark::State& state)
{
    Form1& form = SharedForm();
    SetRange(form, Ranges().front());
    form.p1->showPointMarks(false);
    form.cmd_bothlines_Click();
    const std::vector<graph::PointMark> marks = form.p1->pointMarks();
    const auto canvas = bareCanvas(Ranges().front());
    canvas->Scale(-10, -10, 10, 10);
    // The picture's painter is open, as it is after a command's lines.
    for (auto _ : state)
        for (const graph::PointMark& mark : marks)
            canvas->Mark(mark);
    canvas->finish();
}

// The plot frame alone, on a cleared picture.
void Frame(benchmark::State& state, const Range& range)
{
    const auto canvas = bareCanvas(range);
    const double L = valOf(range.lower), U = valOf(range.upper);
    for (auto _ : state) {
        state.PauseTiming();
        canvas->Cls();
        state.ResumeTiming();
        graph::drawFrame(*canvas, L, U);
    }
}

// On the frame just drawn, as the commands call it.
void TickMarks(benchmark::State& state, const Range& range)
{
    const auto canvas = bareCanvas(range);
    const double L = valOf(range.lower), U = valOf(range.upper);
    for (auto _ : state) {
        state.PauseTiming();
        canvas->Cls();
        graph::drawFrame(*canvas, L, U);
        state.ResumeTiming();
        benchmark::DoNotOptimize(graph::drawTickMarks(*canvas, L, U));
    }
}

// Cls, frame and ticks: what the reference below draws.
void FrameAndTicks(benchmark::State& state, const Range& range)
{
    const auto canvas = bareCanvas(range);
    const double L = valOf(range.lower), U = valOf(range.upper);
    for (auto _ : state) {
        canvas->Cls();
        graph::drawFrame(*canvas, L, U);
        benchmark::DoNotOptimize(graph::drawTickMarks(*canvas, L, U));
    }
}

void Reference(benchmark::State& state, const Range& range)
{
    const auto canvas = bareCanvas(range);
    const double L = valOf(range.lower), U = valOf(range.upper);
    for (auto _ : state) {
        canvas->Cls();
        reference::Frame(*canvas, L, U);
        reference::TickMarks(*canvas, L, U);
    }
}

// The plain ticks alone, over the plain frame drawn once. Plain drawing
// costs the same over what it drew before, so the picture is not cleared.
void ReferenceTicks(benchmark::State& state, const Range& range)
{
    const auto canvas = bareCanvas(range);
    const double L = valOf(range.lower), U = valOf(range.upper);
    reference::Frame(*canvas, L, U);
    for (auto _ : state)
        reference::TickMarks(*canvas, L, U);
}

// Showing the kept picture: one repaint of the panel.
void PaintPanel(benchmark::State& state)
{
    Form1& form = SharedForm();
    SetRange(form, Ranges().front());
    form.cmd_bothlines_Click();
    for (auto _ : state)
        form.p1->repaint();
}

} // namespace

void RegisterDrawingBenchmarks()
{
    using Body = void (*)(benchmark::State&, const Range&);
    const std::pair<const char*, Body> bodies[] = {
        { "BothLines", BothLines },
        { "BothLines/marked", BothLinesMarked },
        { "Frame", Frame },
        { "TickMarks", TickMarks },
        { "FrameAndTicks", FrameAndTicks },
        { "Reference/FrameAndTicks", Reference },
        { "Reference/TickMarks", ReferenceTicks },
    };
    for (const auto& [name, body] : bodies)
        for (const Range& range : Ranges())
            benchmark::RegisterBenchmark(
                (std::string(name) + '/' + range.name).c_str(), body, range)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    for (const Range& range : MoreRanges())
        benchmark::RegisterBenchmark(
            (std::string("BothLines/") + range.name).c_str(), BothLines, range)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark("Marks", Marks)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RegisterBenchmark("PaintPanel", PaintPanel)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

} // namespace bench
