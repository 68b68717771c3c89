// Makes the program's icon at build time: the .ico file with its 256-colour
// and full-colour images, one PNG per full-colour size laid out as an icon
// theme (<dir>/<N>x<N>/apps/<name>.png), and the full-colour images one
// after another as raw pixels (look/raw_picture.h) in one file, for the
// program to embed.

#include "ico_file.h"
#include "icon_art.h"
#include "indexed_icon.h"
#include "look/raw_picture.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const QString& message)
{
    std::fprintf(stderr, "trellan_icon_gen: %s\n", qPrintable(message));
    std::exit(1);
}

QList<int> sizeList(const QString& text)
{
    QList<int> sizes;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int size = part.toInt(&ok);
        if (!ok || size < 1 || size > 256)
            fail(QStringLiteral("not an icon size: %1").arg(part));
        sizes << size;
    }
    return sizes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes the program's icon files."));
    parser.addHelpOption();
    const QCommandLineOption icoOption(
        QStringLiteral("ico"), QStringLiteral("The .ico file."), QStringLiteral("file"));
    const QCommandLineOption themeOption(QStringLiteral("theme-dir"),
        QStringLiteral("Where the PNG icon theme goes."), QStringLiteral("dir"));
    const QCommandLineOption nameOption(QStringLiteral("name"),
        QStringLiteral("The icon's name in the theme."), QStringLiteral("name"));
    const QCommandLineOption paletteOption(QStringLiteral("palette-sizes"),
        QStringLiteral("Sizes of the 256-colour images."), QStringLiteral("n,n,..."));
    const QCommandLineOption alphaOption(QStringLiteral("alpha-sizes"),
        QStringLiteral("Sizes of the 32-bit images."), QStringLiteral("n,n,..."));
    const QCommandLineOption rawOption(QStringLiteral("raw"),
        QStringLiteral("The 32-bit images as raw pixels, in one file."), QStringLiteral("file"));
    parser.addOptions(
        { icoOption, themeOption, nameOption, paletteOption, alphaOption, rawOption });
    parser.process(app);
    for (const auto& option : { icoOption, themeOption, nameOption, alphaOption }) {
        if (!parser.isSet(option))
            fail(QStringLiteral("--%1 is required").arg(option.names().constFirst()));
    }

    QList<QImage> images;
    for (const int size : sizeList(parser.value(paletteOption))) {
        const QImage indexed = toIndexedIcon(paintTrellanIcon(size, false));
        if (indexed.isNull())
            fail(QStringLiteral("the %1 px picture has more than 255 colours").arg(size));
        images << indexed;
    }
    QByteArray raw;
    for (const int size : sizeList(parser.value(alphaOption))) {
        const QImage picture = paintTrellanIcon(size, true);
        images << picture;
        const QString png = QStringLiteral("%1/%2x%2/apps/%3.png")
                                .arg(parser.value(themeOption))
                                .arg(size)
                                .arg(parser.value(nameOption));
        QDir().mkpath(QFileInfo(png).absolutePath());
        if (!picture.save(png, "PNG"))
            fail(QStringLiteral("cannot write %1").arg(png));
        raw += look::rawPicture(picture);
    }
    writeFile(parser.value(icoOption), icoFile(images));
    if (parser.isSet(rawOption))
        writeFile(parser.value(rawOption), raw);
    return 0;
}
