#include "look/raw_picture.h"

#include <QtEndian>

namespace look {

namespace {

// Larger than any picture made at build time, small enough that a corrupt
// size cannot ask for gigabytes.
constexpr quint32 largestSide = 4096;

} // namespace

QByteArray rawPicture(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(8 + 4 * qsizetype(pixels.width()) * pixels.height(), Qt::Uninitialized);
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

qsizetype rawPictureLength(QByteArrayView bytes)
{
    if (bytes.size() < 8)
        return 0;
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const quint32 width = qFromLittleEndian<quint32>(data);
    const quint32 height = qFromLittleEndian<quint32>(data + 4);
    if (width == 0 || height == 0 || width > largestSide || height > largestSide)
        return 0;
    const qsizetype length = 8 + 4 * qsizetype(width) * qsizetype(height);
    return length <= bytes.size() ? length : 0;
}

QImage readRawPicture(QByteArrayView bytes)
{
    if (rawPictureLength(bytes) == 0)
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    QImage picture(int(qFromLittleEndian<quint32>(data)), int(qFromLittleEndian<quint32>(data + 4)),
        QImage::Format_ARGB32);
    const uchar* pixel = data + 8;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, pixel += 4)
            line[x] = qFromLittleEndian<quint32>(pixel);
    }
    return picture;
}

} // namespace look
