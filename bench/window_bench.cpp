// The small, frequent things: one pointer-move report, the number texts, and
// loading the main window.
#include "bench/window_bench.h"

#include "bench/form_bench.h"
#include "core/number_text.h"
#include "graph/graph_panel.h"
#include "main_window/drag/point_drag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace bench {

namespace {

// Alternating between two points, so every report writes new texts.
void PointerMove(benchmark::State& state)
{
    Form1& form = SharedForm();
    SetRange(form, Ranges().front());
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        form.p1_MouseMove(odd ? 3.14159f : -3.14159f, odd ? -2.5f : 12.345f);
    }
}

// One step of dragging an end point at the default range: the pointer
// report, the snapping, the two field writes and the whole picture drawn
// again, alternating between two positions so every step draws.
void DragStep(benchmark::State& state)
{
    Form1& form = SharedForm();
    SetRange(form, Ranges().front());
    form.cmd_bothlines_Click();
    graph::GraphPanel* panel = form.p1;
    const auto at = [panel](double x, double y) {
        const graph::Canvas& c = panel->canvas();
        return QPointF(panel->contentsRect().topLeft()) + QPointF(c.ColumnOf(x), c.RowOf(-y));
    };
    const auto send = [panel](QEvent::Type type, QPointF p) {
        QMouseEvent event(type, p, panel->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(panel, &event);
    };
    send(QEvent::MouseButtonPress, at(8, 7));
    if (!form.pointDrag->dragging()) {
        state.SkipWithError("no end point at (8, 7)");
        return;
    }
    std::int64_t drawn = 0;
    const QMetaObject::Connection counting
        = QObject::connect(form.pointDrag, &PointDrag::stepDrawn, [&drawn] { ++drawn; });
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        send(QEvent::MouseMove, at(odd ? 3 : 4, 4));
        QCoreApplication::sendPostedEvents(form.pointDrag, QEvent::MetaCall);
    }
    QObject::disconnect(counting);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, {});
    QApplication::sendEvent(panel, &escape);
    send(QEvent::MouseButtonRelease, at(8, 7));
    if (drawn != static_cast<std::int64_t>(state.iterations()))
        state.SkipWithError("a step did not draw");
}

void NumberToTextDouble(benchmark::State& state)
{
    double x = 1.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        std::string text = core::NumberToText(x);
        benchmark::DoNotOptimize(text);
    }
}

void NumberToTextSingle(benchmark::State& state)
{
    float x = -3.14f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        std::string text = core::NumberToText(x);
        benchmark::DoNotOptimize(text);
    }
}

void Val(benchmark::State& state)
{
    std::string text = "-6.25";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(core::Val(text));
    }
}

// Start-up inside the process: the window built, laid out and drawn once.
void ConstructForm1(benchmark::State& state)
{
    for (auto _ : state) {
        Form1 form;
        benchmark::DoNotOptimize(&form);
    }
}

} // namespace

void RegisterWindowBenchmarks()
{
    benchmark::RegisterBenchmark("PointerMove", PointerMove)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DragStep", DragStep)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("NumberToText/double", NumberToTextDouble);
    benchmark::RegisterBenchmark("NumberToText/single", NumberToTextSingle);
    benchmark::RegisterBenchmark("Val", Val);
    benchmark::RegisterBenchmark("ConstructForm1", ConstructForm1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace bench
