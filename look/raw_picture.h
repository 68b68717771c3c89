#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace look {

// Pictures made at build time travel as raw pixels, so that the program
// shows them without looking for an image decoder: width and height as
// 32-bit little-endian numbers, then the rows top to bottom, each pixel a
// 32-bit little-endian ARGB value (not premultiplied).
QByteArray rawPicture(const QImage& picture);

// The size of the picture at the start of `bytes`, read without its pixels;
// an invalid size when they do not start with a whole picture.
QSize rawPictureSize(QByteArrayView bytes);

// The number of bytes of the picture at the start of `bytes`, read from its
// size alone; 0 when they do not start with a whole picture.
qsizetype rawPictureLength(QByteArrayView bytes);

// The picture at the start of `bytes`; a null image when they do not start
// with a whole picture.
QImage readRawPicture(QByteArrayView bytes);

} // namespace look
