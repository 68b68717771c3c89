// The exact answers, worked out again on every keystroke: both lines and
// their crossing from the eight end-point texts, with and without writing
// every answer's texts; for ordinary input, for the widest numbers the
// limits allow, and for a megabyte pasted into a field. Registered as the
// program starts, so the benchmark's main need not name them.
#include "core/exact_line.h"
#include "core/exact_number.h"

#include <array>
#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

using Texts = std::array<std::string, 8>;

const Texts& ordinary()
{
    static const Texts texts { "-6", "0", "8", "7", "-7", "-5", "6", "8" };
    return texts;
}

// Close slopes of seventeen digits: the lines the window calls parallel.
const Texts& closeSlopes()
{
    static const Texts texts { "0", "0", "1", "0.1", "0", "1", "1", "1.1000000000000001" };
    return texts;
}

// A thousand digits on either side of the point in every field, none of them
// sharing factors on purpose.
const Texts& widest()
{
    static const Texts texts = [] {
        std::mt19937 rng(12);
        std::uniform_int_distribution<int> digit(0, 9);
        Texts t;
        for (std::string& s : t) {
            s = std::to_string(1 + digit(rng) % 9);
            for (int i = 1; i < 1999; ++i) {
                if (i == 1000)
                    s += '.';
                s += static_cast<char>('0' + digit(rng));
            }
            s += '7';
            if (digit(rng) < 5)
                s.insert(0, 1, '-');
        }
        return t;
    }();
    return texts;
}

const Texts& megabytePaste()
{
    static const Texts texts = [] {
        Texts t = ordinary();
        t[1] = std::string(1 << 20, '3');
        return t;
    }();
    return texts;
}

core::exact::Crossing recompute(const Texts& t)
{
    const auto one = core::exact::LineThrough(t[0], t[1], t[2], t[3]);
    const auto two = core::exact::LineThrough(t[4], t[5], t[6], t[7]);
    return core::exact::CrossingOf(one, two);
}

// Every answer as the window's tooltips would show it.
std::size_t recomputeWithTexts(const Texts& t)
{
    const auto one = core::exact::LineThrough(t[0], t[1], t[2], t[3]);
    const auto two = core::exact::LineThrough(t[4], t[5], t[6], t[7]);
    const auto crossing = core::exact::CrossingOf(one, two);
    std::size_t written = 0;
    const auto write = [&](const mpq_class& q) {
        written += core::exact::FractionText(q).size() + core::exact::DecimalText(q).size();
    };
    for (const auto* line : { &one, &two }) {
        written += core::exact::EquationText(*line).value_or("").size();
        if (line->kind == core::exact::LineKind::Line)
            write(line->slope);
        for (const auto* i : { &line->yIntercept, &line->xIntercept })
            if (i->kind == core::exact::InterceptKind::At)
                write(i->at);
    }
    if (crossing.kind == core::exact::CrossingKind::Point) {
        write(crossing.x);
        write(crossing.y);
    }
    return written;
}

// Each input makes two lines that cross, but for the paste, which is too
// large: a benchmark that timed the wrong path would say nothing.
template <const Texts& (*input)()> bool asIntended()
{
    const auto kind = recompute(input()).kind;
    return kind
        == (input == megabytePaste ? core::exact::CrossingKind::None
                                   : core::exact::CrossingKind::Point);
}

template <const Texts& (*input)()> void Recompute(benchmark::State& state)
{
    const Texts& t = input();
    if (!asIntended<input>())
        state.SkipWithError("the input does not make the lines it should");
    for (auto _ : state)
        benchmark::DoNotOptimize(recompute(t));
}

template <const Texts& (*input)()> void RecomputeWithTexts(benchmark::State& state)
{
    const Texts& t = input();
    if (!asIntended<input>())
        state.SkipWithError("the input does not make the lines it should");
    for (auto _ : state)
        benchmark::DoNotOptimize(recomputeWithTexts(t));
}

BENCHMARK(Recompute<ordinary>)->Name("Exact/Recompute/ordinary")->Unit(benchmark::kMicrosecond);
BENCHMARK(Recompute<closeSlopes>)
    ->Name("Exact/Recompute/close_slopes")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Recompute<widest>)->Name("Exact/Recompute/widest")->Unit(benchmark::kMicrosecond);
BENCHMARK(Recompute<megabytePaste>)
    ->Name("Exact/Recompute/megabyte_paste")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(RecomputeWithTexts<ordinary>)
    ->Name("Exact/RecomputeWithTexts/ordinary")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(RecomputeWithTexts<closeSlopes>)
    ->Name("Exact/RecomputeWithTexts/close_slopes")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(RecomputeWithTexts<widest>)
    ->Name("Exact/RecomputeWithTexts/widest")
    ->Unit(benchmark::kMicrosecond);

} // namespace
