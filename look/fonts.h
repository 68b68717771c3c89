#pragma once

#include <QFont>
#include <QString>

namespace look {

// Both windows ask for their faces by their classic names ("Comic Sans MS",
// "Tahoma", "MS Sans Serif", "Arial Narrow"). Where those faces are not
// installed, each name is mapped onto a free face of the same kind that the
// setup script installs. The program calls this once at start, before any
// window is made; calling it again adds nothing.
void installFontSubstitutions();

// The face `family` at `points`, widened a little where a narrower stand-in
// replaces it, so that texts keep the widths the main window's layout was
// made for.
QFont windowFont(const QString& family, qreal points, bool bold = false);

} // namespace look
