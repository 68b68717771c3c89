#pragma once

namespace bench {

void RegisterDrawingBenchmarks();

} // namespace bench
