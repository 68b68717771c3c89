#pragma once

namespace bench {

void RegisterWindowBenchmarks();

} // namespace bench
