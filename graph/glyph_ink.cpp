#include "graph/glyph_ink.h"

#include <QGlyphRun>
#include <QPainter>

#include <cmath>

namespace graph {

GlyphInk::GlyphInk(const QRawFont& font, const QImage& like)
    : font_(font)
{
    // Room for any glyph of the font around the origin, on every side.
    const int reach = static_cast<int>(std::ceil(font.ascent() + font.descent()
                          + font.averageCharWidth() + font.maxCharWidth()))
        + 4;
    scratch_ = QImage(4 * reach, 4 * reach, QImage::Format_RGB32);
    scratch_.setDotsPerMeterX(like.dotsPerMeterX());
    scratch_.setDotsPerMeterY(like.dotsPerMeterY());
    scratchOrigin_ = QPoint(2 * reach, 2 * reach);
}

QRect GlyphInk::Footprint(quint32 glyph, QPointF origin)
{
    const double wholeX = std::floor(origin.x()), wholeY = std::floor(origin.y());
    const QRect& footprint = lookUp({ glyph, origin.x() - wholeX, origin.y() - wholeY });
    return footprint.isEmpty()
        ? QRect()
        : footprint.translated(static_cast<int>(wholeX), static_cast<int>(wholeY));
}

const QRect& GlyphInk::lookUp(const Key& key)
{
    const double step = key.dx * kSteps;
    if (key.dy == 0 && key.glyph < kDirectGlyphs && step == std::floor(step)) {
        const std::size_t at = key.glyph * kSteps + static_cast<std::size_t>(step);
        if (direct_.size() <= at)
            direct_.resize((key.glyph + 1) * std::size_t { kSteps });
        if (!direct_[at])
            direct_[at] = probe(key);
        return *direct_[at];
    }
    auto found = others_.constFind(key);
    if (found == others_.cend())
        found = others_.insert(key, probe(key));
    return *found;
}

QRect GlyphInk::probe(const Key& key)
{
    scratch_.fill(Qt::black);
    {
        QPainter painter(&scratch_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::white);
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes({ key.glyph });
        run.setPositions({ QPointF(scratchOrigin_) + QPointF(key.dx, key.dy) });
        painter.drawGlyphRun(QPointF(), run);
    }
    QRect changed;
    for (int y = 0; y < scratch_.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y));
        for (int x = 0; x < scratch_.width(); ++x)
            if (line[x] & 0xffffff)
                changed |= QRect(x, y, 1, 1);
    }
    if (changed.isEmpty())
        return {};
    // Ink that reaches the scratch picture's edge may go further: then the
    // glyph counts as able to change any pixel at all.
    if (changed.left() == 0 || changed.top() == 0 || changed.right() == scratch_.width() - 1
        || changed.bottom() == scratch_.height() - 1)
        return QRect(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21);
    return changed.translated(-scratchOrigin_);
}

} // namespace graph
