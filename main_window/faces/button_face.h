#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QStringList>

// Paints the raised face a PictureButton shows: a picture of the given size
// (in device-independent pixels) in the face colour, with a light bevel on
// the top and left edges, a dark one on the bottom and right, and the words,
// one entry of `lines` a line, centred in black heavy sans-serif letters.
// `letterSpacing` adds that many pixels between letters. The picture is drawn
// at `devicePixelRatio`, so it stays crisp on high-density screens.
QPixmap paintButtonFace(const QStringList& lines, QSize size, const QColor& faceColour,
    qreal letterSpacing = 0, qreal devicePixelRatio = 1);

// The pixel size of the letters paintButtonFace draws `lines` in: the
// largest up to 14 at which every line fits inside the bevel, or 0 when even
// the smallest it draws (7) does not fit. With `atLeast`, sizes below it are
// not tried: 0 when none from `atLeast` up fits.
int faceLetterSize(const QStringList& lines, QSize size, qreal letterSpacing = 0, int atLeast = 0);
