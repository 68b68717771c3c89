#pragma once

#include <QColor>

namespace look {

// The two colours both windows are made of. The main window is blue with a
// lilac panel on its right; the About window is lilac with a blue button.
inline const QColor windowBlue(128, 128, 255);
inline const QColor panelLilac(192, 192, 255);

} // namespace look
