#include "main_window/files/saved_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace saved_folder {

namespace {

QString key(Kind kind)
{
    return kind == Kind::Picture ? QStringLiteral("folders/picture")
                                 : QStringLiteral("folders/report");
}

} // namespace

QString last(Kind kind)
{
    return QSettings()
        .value(key(kind), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .toString();
}

QString proposedName(Kind kind)
{
    return QDir(last(kind))
        .filePath(
            kind == Kind::Picture ? QStringLiteral("lines.png") : QStringLiteral("report.txt"));
}

void remember(Kind kind, const QString& fileName)
{
    QSettings().setValue(key(kind), QFileInfo(fileName).absolutePath());
}

} // namespace saved_folder
