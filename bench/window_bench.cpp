// The small, frequent things: one pointer-move report, the number texts, and
// loading the main window.
#include "bench/window_bench.h"

#include "bench/form_bench.h"
#include "core/number_text.h"

#include <benchmark/benchmark.h>
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
    benchmark::RegisterBenchmark("NumberToText/double", NumberToTextDouble);
    benchmark::RegisterBenchmark("NumberToText/single", NumberToTextSingle);
    benchmark::RegisterBenchmark("Val", Val);
    benchmark::RegisterBenchmark("ConstructForm1", ConstructForm1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace bench
