// The working for one pair of lines, as the Exact values window and the
// answer key write it: all twelve steps from the eight typed texts, for the
// start-up lines, for decimals whose crossing repeats, and for a vertical
// line against a horizontal one. Registered as the program starts.
#include "core/working.h"

#include <benchmark/benchmark.h>

namespace {

using Line = std::array<std::string, 4>;

void workingFor(benchmark::State& state, const Line& one, const Line& two)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::WorkingFor(one, two));
}

void workingText(benchmark::State& state, const Line& one, const Line& two)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::WorkingText(core::WorkingFor(one, two)));
}

const bool registered = [] {
    const Line startOne { "-6", "0", "8", "7" }, startTwo { "-7", "-5", "6", "8" };
    benchmark::RegisterBenchmark("Working/one_pair/start_up", workingFor, startOne, startTwo)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Working/one_pair/decimals_repeating", workingFor,
        Line { "0.1", "2.5", "7.3", "-1.9" }, Line { "-2.5", "0.7", "3.1", "4.4" })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Working/one_pair/vertical_horizontal", workingFor,
        Line { "3", "1", "3", "5" }, Line { "1", "2", "4", "2" })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Working/one_pair/as_plain_text", workingText, startOne, startTwo)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
