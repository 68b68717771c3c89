#pragma once

#include <QRect>
#include <QSize>

// What a tool window must leave in sight of its owner, the main window: the
// fields the pupil types into and reads, and the graph. In the owner's own
// coordinates when the owner passes them, on the screen when placed.
struct InSight {
    QRect fields;
    QRect graph;
};

// The frame a tool window of `size` opens in on a screen whose free area is
// `screen`, beside its owner's frame `owner`, so that it covers neither of
// `keep` (on the screen). Where the screen has room it covers none of the
// owner; else it may cover the rest of the owner, such as the report. It is
// made smaller, down to leastSize, rather than cover either part. With no
// such room it opens over the lower half of the graph and below the
// owner's bottom edge, never over the fields. It stays inside the screen.
QRect outOfTheWay(const QRect& screen, const QRect& owner, const InSight& keep, QSize size);

// The least size a tool window is made to fit out of the way.
inline constexpr QSize leastSize { 400, 300 };
