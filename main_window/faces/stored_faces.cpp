#include "main_window/faces/stored_faces.h"

#include "look/raw_picture.h"

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

const QHash<QString, QByteArrayView>& storedFaces()
{
    // The file is embedded uncompressed, so its bytes are read where they
    // lie; the program without it (the generator itself) paints every face.
    static const QByteArray file
        = QResource(QStringLiteral(":/faces/button_faces.bin")).uncompressedData();
    static const QHash<QString, QByteArrayView> faces = indexFaces(file);
    return faces;
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

bool hasStoredFace(const QString& key)
{
    return storedFaces().contains(key);
}
