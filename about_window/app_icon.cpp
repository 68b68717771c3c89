#include "about_window/app_icon.h"

#include <QDirIterator>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QString>
#include <QtEndian>

// Outside any namespace, as the resource's initialiser requires.
static void initIconResources()
{
    Q_INIT_RESOURCE(trellan_icons);
}

namespace {

// A picture made at build time (packaging/icon_gen): width and height as
// 32-bit little-endian numbers, then the rows, each pixel a 32-bit
// little-endian ARGB value (not premultiplied). Taken as it is, with no decoder to
// find and load: the window's icon is set before its first frame. A null
// image when the data does not hold a whole picture.
QImage rawPicture(const QByteArray& bytes)
{
    if (bytes.size() < 8)
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 width = qFromLittleEndian<quint32>(data);
    const quint32 height = qFromLittleEndian<quint32>(data + 4);
    if (width == 0 || height == 0 || width > 1024 || height > 1024
        || quint64(bytes.size()) != 8 + 4 * quint64(width) * height)
        return {};
    QImage picture(int(width), int(height), QImage::Format_ARGB32);
    const uchar* pixel = data + 8;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, pixel += 4)
            line[x] = qFromLittleEndian<quint32>(pixel);
    }
    return picture;
}

} // namespace

QIcon trellanIcon()
{
    initIconResources();
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), { QStringLiteral("*.argb") }, QDir::Files);
    while (pictures.hasNext()) {
        const QImage picture = rawPicture(QResource(pictures.next()).uncompressedData());
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}
