#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Writes an icon file (.ico) holding the given images in order, each as a
// device-independent bitmap with its transparency mask. 256-colour
// (Format_Indexed8) images are stored at 8 bits per pixel with a 256-entry
// palette, palette entries less than half opaque counting as transparent;
// every other image is stored at 32 bits per pixel with its alpha channel.
// Images must be at most 256 pixels in each direction.
QByteArray icoFile(const QList<QImage>& images);
