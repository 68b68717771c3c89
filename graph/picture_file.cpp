#include "graph/picture_file.h"

#include "graph/drawing_record.h"
#include "words/language.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace graph {

namespace {

// A PDF page's resolution: fine enough that whole dots snap lines invisibly.
constexpr int pdfDotsPerInch = 1200;

bool writePdf(const DrawingRecord& record, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setResolution(pdfDotsPerInch);
    writer.setCreator(QStringLiteral("Trellan"));
    writer.setTitle(words::translate("printed working", "Graph"));
    // The page is the picture: a panel pixel is a 96th of an inch.
    const QSizeF inches = QSizeF(record.logicalSize()) / 96.0;
    writer.setPageLayout(QPageLayout(
        QPageSize(inches, QPageSize::Inch), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    record.paint(painter, pdfDotsPerInch / 96.0);
    return painter.end();
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"png")
        return PictureFormat::Png;
    if (suffix == u"svg")
        return PictureFormat::Svg;
    if (suffix == u"pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

words::FileWritten writePicture(
    const DrawingRecord& record, const QString& fileName, PictureFormat format, qreal scale)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return { file.errorString() };
    bool written = false;
    switch (format) {
    case PictureFormat::Png: {
        // Made whole in memory first: a disk that fills is then said once,
        // by the file, and not by the PNG library on standard error.
        QByteArray png;
        QBuffer buffer(&png);
        written = buffer.open(QIODevice::WriteOnly) && record.image(scale).save(&buffer, "PNG")
            && file.write(png) == png.size();
        break;
    }
    case PictureFormat::Svg: {
        const QByteArray svg = record.svg();
        written = file.write(svg) == svg.size();
        break;
    }
    case PictureFormat::Pdf:
        written = writePdf(record, file);
        break;
    }
    return words::finishWriting(file, written);
}

} // namespace graph
