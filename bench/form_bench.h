#pragma once

#include "main_window/form1.h"

#include <QString>

#include <vector>

namespace bench {

// A plotted range as typed into txmin and txmax, with the name the
// benchmarks are reported under.
struct Range {
    const char* name;
    QString lower, upper;
};

// The ranges every drawing benchmark runs on.
const std::vector<Range>& Ranges();

// More ranges for the whole command only, looking for one that costs more:
// the x-axis ticks then an overflow, half the widest, grid lines beyond the
// 16-bit counters.
const std::vector<Range>& MoreRanges();

// One loaded main window, shown on the offscreen platform, its warnings
// silenced; shared by the benchmarks of whole window commands and set to the
// range they need.
Form1& SharedForm();
void ReleaseSharedForm(); // before the application ends
void SetRange(Form1& form, const Range& range);

} // namespace bench
