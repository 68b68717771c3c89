#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The faces of the main window's picture buttons, painted at build time by
// the buttons themselves (trellan_face_gen) and embedded in the program, so
// that its first frame does not wait for them to be painted. There is a
// file for each language the window speaks; the one of the chosen language
// is read.
//
// A file holds one entry a face: its key as a 32-bit little-endian length
// and UTF-8 text, then the picture (look/raw_picture.h). A key names all a
// button paints its face from (words, size, colour, spacing, device pixel
// ratio), so a face given anything else is not found and is painted at run
// time. The letters' face is the one the program depends on (DejaVu Sans),
// the same at build time and at run time.

// One entry of the file.
QByteArray storedFaceEntry(const QString& key, const QImage& face);

// The face stored under `key`; a null image when none is.
QImage storedFace(const QString& key);

// The size of the face stored under `key`, read without its pixels; an
// invalid size when none is.
QSize storedFaceSize(const QString& key);

// The name of the file that holds the faces the window paints in
// `language` ("en", "de", ...), in the generator's folder and embedded.
QString storedFacesFile(const QString& language);
