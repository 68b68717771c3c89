#pragma once

#include <QRgb>

namespace graph {

// The 16 fixed colours every drawing on the panel is chosen from, by index
// 0 to 15 (black, blue, green, cyan, red, magenta, olive, light grey, grey and
// their light forms up to bright white). Indices outside 0..15 are black.
QRgb QBColor(int index);

} // namespace graph
