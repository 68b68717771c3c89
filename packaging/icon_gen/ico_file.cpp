#include "ico_file.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>

namespace {

constexpr int infoHeaderSize = 40;
constexpr int directoryHeaderSize = 6;
constexpr int directoryEntrySize = 16;

int bitCount(const QImage& image)
{
    return image.format() == QImage::Format_Indexed8 ? 8 : 32;
}

// Bytes in one row of a bitmap: rows are padded to whole 32-bit words.
int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// The bitmap of one image: header, palette, colour rows, then mask rows,
// both bottom-up. The header's height counts both the colour and the mask.
QByteArray deviceIndependentBitmap(const QImage& image)
{
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const QImage pixels = indexed ? image : image.convertToFormat(QImage::Format_ARGB32);
    const QList<QRgb> palette = pixels.colorTable();
    const int width = pixels.width();
    const int height = pixels.height();
    const int bits = bitCount(pixels);
    const int colourStride = rowBytes(width, bits);
    const int maskStride = rowBytes(width, 1);

    auto transparent = [&](int x, int y) {
        if (indexed)
            return qAlpha(palette.value(pixels.constScanLine(y)[x])) < 128;
        return qAlpha(pixels.pixel(x, y)) == 0;
    };

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(infoHeaderSize) << qint32(width) << qint32(2 * height) << quint16(1)
        << quint16(bits) << quint32(0) << quint32((colourStride + maskStride) * height) << qint32(0)
        << qint32(0) << quint32(indexed ? 256 : 0) << quint32(0);

    if (indexed) {
        for (int i = 0; i < 256; ++i) {
            const QRgb colour = palette.value(i, qRgb(0, 0, 0));
            out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour))
                << quint8(0);
        }
    }

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (indexed) {
                row[x] = static_cast<char>(pixels.constScanLine(y)[x]);
            } else if (!transparent(x, y)) {
                const QRgb colour = pixels.pixel(x, y);
                row[4 * x] = static_cast<char>(qBlue(colour));
                row[4 * x + 1] = static_cast<char>(qGreen(colour));
                row[4 * x + 2] = static_cast<char>(qRed(colour));
                row[4 * x + 3] = static_cast<char>(qAlpha(colour));
            }
        }
        out.writeRawData(row.constData(), row.size());
    }

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (transparent(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
    return bytes;
}

} // namespace

QByteArray icoFile(const QList<QImage>& images)
{
    QList<QByteArray> bitmaps;
    for (const QImage& image : images)
        bitmaps << deviceIndependentBitmap(image);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());

    quint32 offset = directoryHeaderSize + directoryEntrySize * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        // A size of 256 is written as 0; a palette of 256 colours counts as 0.
        out << quint8(image.width() & 0xff) << quint8(image.height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(bitCount(image)) << quint32(bitmaps[i].size())
            << offset;
        offset += bitmaps[i].size();
    }
    for (const QByteArray& bitmap : bitmaps)
        out.writeRawData(bitmap.constData(), bitmap.size());
    return bytes;
}
