#include "graph/number_printer.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>

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
    set.pixels.resize(set.glyphs.size());
    set.allBlack.resize(set.glyphs.size());
    set.paintCount = paintCount;
    const bool lastStands = last_.paintCount == paintCount;
    const QRect whole = picture.rect();
    for (qsizetype k = 0; k < set.glyphs.size(); ++k) {
        const bool again = lastStands && k < last_.glyphs.size() && last_.glyphs[k] == set.glyphs[k]
            && last_.positions[k] == set.positions[k];
        const QRect pixels
            = again ? last_.pixels[k] : ink_->Footprint(set.glyphs[k], set.positions[k]) & whole;
        const bool dark = black && !pixels.isEmpty()
            && ((again && last_.allBlack[k]) || allBlack(picture, pixels));
        set.pixels[k] = pixels;
        set.allBlack[k] = dark;
        if (pixels.isEmpty() || dark)
            continue; // it could change nothing
        waitingGlyphs_.append(set.glyphs[k]);
        waitingPositions_.append(set.positions[k]);
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
