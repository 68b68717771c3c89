#include "graph/glyph_ink.h"

#include <QGlyphRun>
#include <QPainter>

#include <cmath>
#include <memory>

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

GlyphInk::Pixels GlyphInk::Footprint(quint32 glyph, QPointF origin)
{
    const double wholeX = std::floor(origin.x()), wholeY = std::floor(origin.y());
    const Pixels& footprint = lookUp({ glyph, origin.x() - wholeX, origin.y() - wholeY });
    if (footprint.box.isEmpty())
        return {};
    return { footprint.box.translated(static_cast<int>(wholeX), static_cast<int>(wholeY)),
        footprint.ink };
}

const GlyphInk::Pixels& GlyphInk::lookUp(const Key& key)
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

GlyphInk::Pixels GlyphInk::probe(const Key& key)
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
        return { QRect(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21) };
    Pixels pixels { changed.translated(-scratchOrigin_) };
    if (changed.width() > kInkSide || changed.height() > kInkSide)
        return pixels;
    // White over black leaves the ink's share of each pixel.
    auto& ink = inks_.emplace_back();
    ink.fill(0);
    for (int y = changed.top(); y <= changed.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y));
        for (int x = changed.left(); x <= changed.right(); ++x)
            ink[(y - changed.top()) * kInkSide + x - changed.left()]
                = static_cast<quint8>(qBlue(line[x]));
    }
    if (learnBlackOver(key, changed, ink.data()))
        pixels.ink = ink.data();
    return pixels;
}

bool GlyphInk::learnBlackOver(const Key& key, const QRect& box, const quint8* ink)
{
    // The glyph drawn in black over every grey level in turn shows what each
    // share of ink leaves of each level. A share seen before must leave the
    // same as it did then, else the table does not say how this glyph
    // draws. Each colour channel is blended on its own, so grey holds for
    // every colour.
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes({ key.glyph });
    run.setPositions({ QPointF(scratchOrigin_) + QPointF(key.dx, key.dy) });
    QPainter painter(&scratch_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::black);
    // Kept aside until the whole glyph agrees; 64 KB, too much for a stack.
    const auto learnt = std::make_unique<std::array<std::array<quint8, 256>, 256>>(blackOver_);
    auto known = blackOverKnown_;
    for (int level = 0; level < 256; ++level) {
        painter.fillRect(box, QColor(level, level, level));
        painter.drawGlyphRun(QPointF(), run);
        std::array<bool, 256> seen {};
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y));
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb left = line[x];
                const quint8 share = ink[(y - box.top()) * kInkSide + x - box.left()];
                if (qRed(left) != qBlue(left) || qGreen(left) != qBlue(left))
                    return false;
                const auto value = static_cast<quint8>(qBlue(left));
                if ((known[share] || seen[share]) && (*learnt)[share][level] != value)
                    return false;
                if (share == 0 && value != level)
                    return false; // a pixel its ink misses changed
                (*learnt)[share][level] = value;
                seen[share] = true;
            }
        }
        if (level == 255)
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    known[ink[(y - box.top()) * kInkSide + x - box.left()]] = true;
    }
    blackOver_ = *learnt;
    blackOverKnown_ = known;
    return true;
}

} // namespace graph
