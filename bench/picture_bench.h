#pragma once

namespace bench {

// The picture leaving the window: copy, SVG, PDF page.
void RegisterPictureBenchmarks();

} // namespace bench
