#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QStringList>

// A raised button face of the given size (in device-independent pixels) and
// face colour: a light bevel on the top and left edges, a dark one on the
// bottom and right, and the words, one entry of `lines` a line, centred in
// black heavy sans-serif letters. `letterSpacing` adds that many pixels
// between letters. The picture is drawn at `devicePixelRatio`, so it stays
// crisp on high-density screens.
QPixmap buttonPicture(const QStringList& lines, QSize size, const QColor& face,
    qreal letterSpacing = 0, qreal devicePixelRatio = 1);
