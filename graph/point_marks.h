#pragma once

#include <QRgb>
#include <QString>

namespace graph {

// A labelled point of the picture: a small dot on the world point and its
// label beside it, both in the mark's colour. The label sits above and to the
// right of the dot, and goes to the other side of it where it would leave the
// picture there. A point outside the scale's box is not marked.
struct PointMark {
    double x = 0, y = 0; // world, as drawn on the panel
    QRgb colour = 0;
    QString text;

    bool operator==(const PointMark&) const = default;
};

} // namespace graph
