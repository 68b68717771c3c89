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
    GlyphInk::Pixels* pixels = set.pixels.data();
    bool* allBlack = set.allBlack.data();
    const QRect whole = picture.rect();
    // The table gives opaque colours, as the canvas's pictures hold.
    const bool blendHere = black && picture.format() == QImage::Format_RGB32;
    for (qsizetype k = 0; k < n; ++k) {
        // Exactly where it sat in the text before: the same pixels.
        const bool same = k < again && last_.glyphs.at(k) == glyphs[k]
            && last_.positions.at(k).x() == positions[k].x()
            && last_.positions.at(k).y() == positions[k].y();
        if (same) {
            pixels[k] = last_.pixels.at(k);
        } else {
            pixels[k] = ink_->Footprint(glyphs[k], positions[k]);
            if (!pixels[k].box.intersects(whole))
                pixels[k] = {};
        }
        if (pixels[k].box.isEmpty()) {
            allBlack[k] = false;
            continue; // it could change nothing
        }
        if (black && same && last_.allBlack.at(k)) {
            allBlack[k] = true;
            continue;
        }
        // With nothing waiting to be drawn before it, a glyph whose ink is
        // known is blended here, as the toolkit would.
        if (blendHere && pixels[k].ink && waitingGlyphs_.isEmpty()) {
            allBlack[k] = blendBlack(picture, pixels[k]);
            continue;
        }
        allBlack[k] = black && NumberPrinter::allBlack(picture, pixels[k].box & whole);
        if (allBlack[k])
            continue;
        waitingGlyphs_.append(glyphs[k]);
        waitingPositions_.append(positions[k]);
    }
    std::swap(last_, current_);
    return true;
}

bool NumberPrinter::blendBlack(const QImage& picture, const GlyphInk::Pixels& pixels) const
{
    // Written where the picture's painter writes: into its pixels as they
    // are, shared or not.
    const QRect box = pixels.box & picture.rect();
    bool black = true;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(const_cast<uchar*>(picture.constScanLine(y)));
        const quint8* ink
            = pixels.ink + (y - pixels.box.top()) * GlyphInk::kInkSide - pixels.box.left();
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = line[x];
            if (!ink[x] || !(p & 0xffffff))
                continue; // black stays black
            const quint8* left = ink_->blackOver(ink[x]);
            line[x] = qRgb(left[qRed(p)], left[qGreen(p)], left[qBlue(p)]);
            black = black && (line[x] & 0xffffff) == 0;
        }
    }
    return black;
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
