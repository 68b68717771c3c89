#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>

#include <optional>

namespace look {

// Where a window whose outer size is `outer` stands centred on the whole of
// `screen` (the primary screen when none is given), even when it is larger
// than the screen: its frame's top-left corner. Nothing without a screen.
inline std::optional<QPoint> centredOnScreen(const QScreen* screen, const QSize& outer)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QRect area = screen->geometry();
    return QPoint(area.x() + (area.width() - outer.width()) / 2,
        area.y() + (area.height() - outer.height()) / 2);
}

} // namespace look
