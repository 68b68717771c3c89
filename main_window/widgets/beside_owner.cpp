#include "main_window/widgets/beside_owner.h"

#include <algorithm>

QPoint besideOwner(const QRect& owner, const QSize& size, const QRect& screen)
{
    int x = owner.right() + 1;
    if (x + size.width() - 1 > screen.right()) {
        x = owner.left() - size.width();
        if (x < screen.left())
            x = screen.right() + 1 - size.width();
    }
    const int y
        = std::max(screen.top(), std::min(owner.top(), screen.bottom() + 1 - size.height()));
    return { x, y };
}
