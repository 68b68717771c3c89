#include "about_window/app_icon.h"

#include <QDirIterator>
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
    // The pictures are made at build time and embedded under :/icons.
    QDirIterator pictures(QStringLiteral(":/icons"), { QStringLiteral("*.png") }, QDir::Files);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
    return icon;
}
