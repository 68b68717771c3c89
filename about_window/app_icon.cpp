#include "about_window/app_icon.h"

#include "look/raw_picture.h"

#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QString>

// Outside any namespace, as the resource's initialiser requires.
static void initIconResources()
{
    Q_INIT_RESOURCE(trellan_icons);
}

QIcon trellanIcon()
{
    initIconResources();
    // The full-colour pictures, made at build time as raw pixels one after
    // another (look/raw_picture.h) and embedded uncompressed: no image decoder
    // is looked for and nothing is unpacked before the window's first frame.
    const QByteArray file = QResource(QStringLiteral(":/icons/trellan.argb")).uncompressedData();
    QIcon icon;
    QByteArrayView rest(file);
    while (const qsizetype length = look::rawPictureLength(rest)) {
        icon.addPixmap(QPixmap::fromImage(look::readRawPicture(rest)));
        rest = rest.sliced(length);
    }
    return icon;
}
