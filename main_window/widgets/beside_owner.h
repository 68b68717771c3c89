#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a tool window of `size` opens beside the main window's frame `owner`
// on a screen whose free area is `screen`: to its right, else to its left,
// else against the screen's right edge, since the graph takes the main
// window's left; as high as the main window, inside the screen.
QPoint besideOwner(const QRect& owner, const QSize& size, const QRect& screen);
