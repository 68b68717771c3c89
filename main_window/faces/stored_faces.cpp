#include "main_window/faces/stored_faces.h"

#include "look/raw_picture.h"
#include "words/language.h"

#include <QHash>
#include <QResource>
#include <QtEndian>

namespace {

// Where each face's picture lies in the file, found without reading any.
QHash<QString, QByteArrayView> indexFaces(QByteArrayView bytes)
{
    QHash<QString, QByteArrayView> faces;
    while (bytes.size() >= 4) {
        const quint32 keyLength = qFromLittleEndian<quint32>(bytes.data());
        if (keyLength > quint32(bytes.size() - 4))
            break; // the rest cannot be trusted
        const QString key = QString::fromUtf8(bytes.sliced(4, keyLength));
        bytes = bytes.sliced(4 + keyLength);
        const qsizetype length = look::rawPictureLength(bytes);
        if (length == 0)
            break;
        faces.insert(key, bytes.first(length));
        bytes = bytes.sliced(length);
    }
    return faces;
}

// The faces of the chosen language, indexed on first use. The files are
// embedded uncompressed, so their bytes are read where they lie; the program
// without them (the generator itself) paints every face.
const QHash<QString, QByteArrayView>& storedFaces()
{
    struct Indexed {
        QByteArray file;
        QHash<QString, QByteArrayView> faces;
    };
    static QHash<QString, Indexed> languages; // the window's thread only
    const QString language = words::chosenLanguage();
    auto found = languages.find(language);
    if (found == languages.end()) {
        found = languages.insert(language,
            { QResource(QStringLiteral(":/faces/") + storedFacesFile(language)).uncompressedData(),
                {} });
        found->faces = indexFaces(found->file);
    }
    return found->faces;
}

} // namespace

QByteArray storedFaceEntry(const QString& key, const QImage& face)
{
    const QByteArray keyText = key.toUtf8();
    QByteArray entry(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(quint32(keyText.size()), entry.data());
    return entry + keyText + look::rawPicture(face);
}

QImage storedFace(const QString& key)
{
    return look::readRawPicture(storedFaces().value(key));
}

QSize storedFaceSize(const QString& key)
{
    return look::rawPictureSize(storedFaces().value(key));
}

QString storedFacesFile(const QString& language)
{
    return QStringLiteral("button_faces_%1.bin").arg(language);
}
