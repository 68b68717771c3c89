#include "graph/number_printer.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace graph {

NumberPrinter::NumberPrinter(const QFont& font, QImage& picture)
    : table_(GlyphTable::Build(font, &picture, u" -0123456789"))
{
    if (table_)
        ink_ = std::make_unique<GlyphInk>(table_->rawFont(), picture);
}

bool NumberPrinter::allBlack(const QImage& picture, const QRect& pixels)
{
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (line[x] & 0xffffff)
                return false;
    }
    return true;
}

bool NumberPrinter::Queue(QStringView text, double x, double baseline, const QImage& picture,
    bool black, quint64 paintCount)
{
    Set& set = current_;
    set.glyphs.clear();
    set.positions.clear();
    if (!table_ || !table_->Compose(text, x, baseline, set.glyphs, set.positions))
        return false;
    const qsizetype n = set.glyphs.size();
    set.pixels.resize(n);
    set.allBlack.resize(n);
    set.paintCount = paintCount;
    const qsizetype again = last_.paintCount == paintCount ? std::min(n, last_.glyphs.size()) : 0;
    const quint32* glyphs = set.glyphs.constData();
    const QPointF* positions = set.positions.constData();
    QRect* pixels = set.pixels.data();
    bool* allBlack = set.allBlack.data();
    const QRect whole = picture.rect();
    for (qsizetype k = 0; k < n; ++k) {
        // Exactly where it sat in the text before: the same pixels.
        const bool same = k < again && last_.glyphs.at(k) == glyphs[k]
            && last_.positions.at(k).x() == positions[k].x()
            && last_.positions.at(k).y() == positions[k].y();
        pixels[k] = same ? last_.pixels.at(k) : ink_->Footprint(glyphs[k], positions[k]) & whole;
        allBlack[k] = black && !pixels[k].isEmpty()
            && ((same && last_.allBlack.at(k)) || NumberPrinter::allBlack(picture, pixels[k]));
        if (pixels[k].isEmpty() || allBlack[k])
            continue; // it could change nothing
        waitingGlyphs_.append(glyphs[k]);
        waitingPositions_.append(positions[k]);
    }
    std::swap(last_, current_);
    return true;
}

void NumberPrinter::DrawWaiting(QPainter& painter)
{
    if (waitingGlyphs_.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(table_->rawFont());
    run.setGlyphIndexes(waitingGlyphs_);
    run.setPositions(waitingPositions_);
    waitingGlyphs_.resize(0); // the room stays for the next ones
    waitingPositions_.resize(0);
    painter.drawGlyphRun(QPointF(), run);
}

} // namespace graph
