#pragma once

#include "core/line_commands.h"

namespace core {

// The texts a freshly started window holds in its input fields: the two
// lines it draws at start-up and the range it draws them on. Whatever asks
// what a fresh window shows, or draws without a window, starts from these.
inline const TypedFields startUpTexts { { "-6", "0", "8", "7" }, { "-7", "-5", "6", "8" }, "-10",
    "10" };

} // namespace core
