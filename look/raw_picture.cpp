#include "look/raw_picture.h"

#include <QtEndian>

namespace look {

namespace {

// Larger than any picture made at build time, small enough that a corrupt
// size cannot ask for gigabytes.
constexpr quint32 largestSide = 4096;

// The bytes a picture of `size` takes: its size, then its pixels.
qsizetype lengthOf(QSize size)
{
    return 8 + 4 * qsizetype(size.width()) * size.height();
}

} // namespace

QByteArray rawPicture(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(lengthOf(pixels.size()), Qt::Uninitialized);
    char* out = bytes.data();
    qToLittleEndian<quint32>(quint32(pixels.width()), out);
    qToLittleEndian<quint32>(quint32(pixels.height()), out + 4);
    out += 8;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x, out += 4)
            qToLittleEndian<quint32>(line[x], out);
    }
    return bytes;
}

QSize rawPictureSize(QByteArrayView bytes)
{
    if (bytes.size() < 8)
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const quint32 width = qFromLittleEndian<quint32>(data);
    const quint32 height = qFromLittleEndian<quint32>(data + 4);
    if (width == 0 || height == 0 || width > largestSide || height > largestSide)
        return {};
    const QSize size { int(width), int(height) };
    return lengthOf(size) <= bytes.size() ? size : QSize();
}

qsizetype rawPictureLength(QByteArrayView bytes)
{
    const QSize size = rawPictureSize(bytes);
    return size.isValid() ? lengthOf(size) : 0;
}

QImage readRawPicture(QByteArrayView bytes)
{
    const QSize size = rawPictureSize(bytes);
    if (!size.isValid())
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    QImage picture(size, QImage::Format_ARGB32);
    const uchar* pixel = data + 8;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, pixel += 4)
            line[x] = qFromLittleEndian<quint32>(pixel);
    }
    return picture;
}

} // namespace look
