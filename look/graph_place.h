#pragma once

#include "look/fonts.h"
#include "look/twips.h"

#include <QRect>
#include <QSize>

namespace look {

// Where the main window puts its graph panel, its sunken border included,
// and how wide that border is. The picture is what lies inside the border;
// whatever draws the graph without the window draws it at that size.
constexpr QRect graphPanelPlace = fromTwips(240, 480, 7635, 7000);
constexpr int graphPanelBorder = 2;
constexpr QSize graphPictureSize { graphPanelPlace.width() - 2 * graphPanelBorder,
    graphPanelPlace.height() - 2 * graphPanelBorder };

// The main window's face, which its graph's numbers start from too.
inline QFont mainWindowFont()
{
    return windowFont(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace look
