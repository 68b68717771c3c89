#include "main_window/widgets/tool_place.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A place's merits, best first when compared: showing more, then standing
// nearer the owner's top right.
using Merit = std::pair<int, int>;

Merit merit(const QRect& place, const QRect& owner)
{
    const QPoint anchor(owner.right() + 1, owner.top());
    return { place.width() * place.height(),
        -(std::abs(place.x() - anchor.x()) + std::abs(place.y() - anchor.y())) };
}

// The best place of at most `size`, and at least leastSize, on `screen`
// that covers none of `parts`. Every largest free rectangle has each side
// on the screen's edge or on the far side of a part, so those are tried.
std::optional<QRect> freePlace(
    const QRect& screen, const QRect& owner, const std::vector<QRect>& parts, QSize size)
{
    std::vector<int> lefts { screen.left() }, rights { screen.right() }, tops { screen.top() },
        bottoms { screen.bottom() };
    for (const QRect& part : parts) {
        lefts.push_back(part.right() + 1);
        rights.push_back(part.left() - 1);
        tops.push_back(part.bottom() + 1);
        bottoms.push_back(part.top() - 1);
    }
    std::optional<QRect> best;
    for (const int l : lefts)
        for (const int r : rights)
            for (const int t : tops)
                for (const int b : bottoms) {
                    const QRect free = QRect(QPoint(l, t), QPoint(r, b)) & screen;
                    if (free.width() < leastSize.width() || free.height() < leastSize.height()
                        || std::any_of(parts.begin(), parts.end(),
                            [&](const QRect& part) { return free.intersects(part); }))
                        continue;
                    const QSize fits = size.boundedTo(free.size());
                    const int x = std::clamp(
                        owner.right() + 1, free.left(), free.right() + 1 - fits.width());
                    const int y
                        = std::clamp(owner.top(), free.top(), free.bottom() + 1 - fits.height());
                    const QRect place(QPoint(x, y), fits);
                    if (!best || merit(place, owner) > merit(*best, owner))
                        best = place;
                }
    return best;
}

} // namespace

QRect outOfTheWay(const QRect& screen, const QRect& owner, const InSight& keep, QSize size)
{
    const QRect& f = keep.fields;
    const QRect& g = keep.graph;
    // Clear of the whole owner where there is room, else of its two parts.
    if (const auto clear = freePlace(screen, owner, { owner }, size))
        return *clear;
    if (const auto clear = freePlace(screen, owner, { f, g }, size))
        return *clear;

    // No room: over the graph's lower half, reaching below the owner, and
    // left of the fields.
    const int x = std::max(screen.left(), g.left());
    const int width = std::max(1, std::min({ size.width(), f.left() - x, screen.right() + 1 - x }));
    const int y = std::max(
        screen.top(), std::min(g.center().y(), screen.bottom() + 1 - leastSize.height()));
    const int height = std::max(1, std::min(size.height(), screen.bottom() + 1 - y));
    return { x, y, width, height };
}
