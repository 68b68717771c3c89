#include "indexed_icon.h"

#include <QColor>
#include <QHash>
#include <QList>

QImage toIndexedIcon(const QImage& picture)
{
    constexpr int paletteSize = 256;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> palette { qRgba(0, 0, 0, 0) };
    QHash<QRgb, uchar> indexOf;

    for (int y = 0; y < argb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(source[x]) < 128) {
                target[x] = 0;
                continue;
            }
            const QRgb colour = qRgb(qRed(source[x]), qGreen(source[x]), qBlue(source[x]));
            auto found = indexOf.constFind(colour);
            if (found == indexOf.constEnd()) {
                if (palette.size() == paletteSize)
                    return {};
                found = indexOf.insert(colour, static_cast<uchar>(palette.size()));
                palette << colour;
            }
            target[x] = found.value();
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}
