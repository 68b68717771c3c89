#pragma once

namespace bench {

void RegisterWindowBenchmarks();
// equation_bench.cpp: typing a line as its equation.
void RegisterEquationBenchmarks();

} // namespace bench
