#include "about_window/app_icon.h"

#include "look/raw_picture.h"

#include <QDirIterator>
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
    QIcon icon;
    // The pictures are made at build time as raw pixels (look/raw_picture.h):
    // no image decoder is looked for before the window's first frame.
    QDirIterator pictures(QStringLiteral(":/icons"), { QStringLiteral("*.argb") }, QDir::Files);
    while (pictures.hasNext()) {
        const QImage picture = look::readRawPicture(QResource(pictures.next()).uncompressedData());
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}
