#pragma once

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRawFont>
#include <QRect>

#include <optional>
#include <vector>

namespace graph {

// Which pixels of a picture a glyph can change when it is drawn at a given
// position. Found once for each glyph and sub-pixel offset by drawing the
// glyph light on dark into a scratch picture of the same resolution: every
// pixel that any of its ink reaches changes there. The glyph drawn a whole
// number of pixels further along changes the same pixels moved along.
class GlyphInk {
public:
    // `like` gives the resolution (dots per metre) of the pictures drawn on.
    GlyphInk(const QRawFont& font, const QImage& like);

    // The pixels that `glyph` drawn with its origin at `origin` may change;
    // empty when it has no ink (a blank).
    QRect Footprint(quint32 glyph, QPointF origin);

private:
    struct Key {
        quint32 glyph;
        double dx, dy; // offset of the origin within its pixel
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.glyph, key.dx, key.dy);
        }
    };

    QRect probe(const Key& key);
    const QRect& lookUp(const Key& key);

    QRawFont font_;
    QImage scratch_;
    QPoint scratchOrigin_;
    // Relative to the origin's pixel. Text set on whole pixels sits at
    // 64ths of a pixel across and on the pixel down: those are kept in a
    // plain table, 64 offsets for each of the first glyphs of the font.
    static constexpr int kSteps = 64, kDirectGlyphs = 4096;
    std::vector<std::optional<QRect>> direct_;
    QHash<Key, QRect> others_;
};

} // namespace graph
