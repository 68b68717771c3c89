#pragma once

#include <QImage>

// Turns a hard-edged picture into a 256-colour image: index 0 is the
// transparent colour, every other entry an opaque colour of the picture.
// Pixels less than half opaque become transparent. Returns a null image when
// the picture has more colours than the palette holds.
QImage toIndexedIcon(const QImage& picture);
