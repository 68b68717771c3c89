#pragma once

#include "words/file_written.h"

#include <QString>

#include <optional>

namespace graph {

class DrawingRecord;

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (.png, .svg or .pdf, in
// any case); nothing for any other name.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// Writes the kept picture to the file: a PNG at `scale` times the panel's
// size (at the given device pixel ratio), an SVG of the panel's size, or a
// PDF page just holding the picture. The file is replaced only when all of
// it was written; otherwise it is left as it was.
words::FileWritten writePicture(
    const DrawingRecord& record, const QString& fileName, PictureFormat format, qreal scale);

} // namespace graph
