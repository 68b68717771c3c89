#pragma once

#include <QFont>

// The window asks for its faces by their classic names ("Comic Sans MS",
// "Tahoma", "MS Sans Serif", "Arial Narrow"). Where those faces are not
// installed, each name is mapped onto a free face of the same kind that the
// setup script installs. Safe to call more than once.
void installFontSubstitutions();

// The face `family` at `points`, widened a little where a narrower stand-in
// replaces it, so that texts keep the widths the layout was made for.
QFont windowFont(const QString& family, qreal points, bool bold = false);
