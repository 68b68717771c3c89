#pragma once

#include <QRgb>
#include <QString>

namespace graph {

// A labelled point of the picture: a small dot on the world point and its
// label beside it, both in the mark's colour, on the picture's background so
// that grid lines do not run through it. The label leans from the dot the way
// the mark asks (away from the lines through the point, so they do not cross
// it), and goes to the other side of the dot where it would leave the picture
// there. A point outside the scale's box is not marked.
struct PointMark {
    double x = 0, y = 0; // world, as drawn on the panel
    QRgb colour = 0;
    QString text;
    // The way the label leans from the dot, in world units: on a slant it
    // stands beside the dot and above or below it; within 22.5 degrees of
    // level or upright, level with the dot or straight above or below it.
    double leanX = 1, leanY = -1;

    bool operator==(const PointMark&) const = default;
};

} // namespace graph
