#pragma once

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRawFont>
#include <QRect>

#include <array>
#include <deque>
#include <optional>
#include <vector>

namespace graph {

// Which pixels of a picture a glyph can change when it is drawn at a given
// position, and how black ink changes them. Found once for each glyph and
// sub-pixel offset by drawing the glyph light on dark into a scratch picture
// of the same resolution: every pixel that any of its ink reaches changes
// there, by the share of the pixel its ink covers. The glyph drawn a whole
// number of pixels further along changes the same pixels moved along.
class GlyphInk {
public:
    // `like` gives the resolution (dots per metre) of the pictures drawn on.
    GlyphInk(const QRawFont& font, const QImage& like);

    static constexpr int kInkSide = 32;
    struct Pixels {
        QRect box; // the pixels it may change; empty when it has no ink (a blank)
        // Where known, the ink's share of each pixel of the box, at
        // (y - box.top()) * kInkSide + x - box.left(): 0 for none, 255 for all.
        const quint8* ink = nullptr;
    };

    // The pixels that `glyph` drawn with its origin at `origin` may change.
    Pixels Footprint(quint32 glyph, QPointF origin);

    // What black ink covering `share` of a pixel leaves of a colour channel
    // at each level, as the toolkit draws it: known for every share in the
    // ink of a footprint.
    const quint8* blackOver(quint8 share) const { return blackOver_[share].data(); }

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

    Pixels probe(const Key& key);
    const Pixels& lookUp(const Key& key);
    bool learnBlackOver(const Key& key, const QRect& box, const quint8* ink);

    QRawFont font_;
    QImage scratch_;
    QPoint scratchOrigin_;
    // Relative to the origin's pixel. Text set on whole pixels sits at
    // 64ths of a pixel across and on the pixel down: those are kept in a
    // plain table, 64 offsets for each of the first glyphs of the font.
    static constexpr int kSteps = 64, kDirectGlyphs = 4096;
    std::vector<std::optional<Pixels>> direct_;
    QHash<Key, Pixels> others_;
    std::deque<std::array<quint8, kInkSide * kInkSide>> inks_; // where Pixels point
    std::array<std::array<quint8, 256>, 256> blackOver_ {};
    std::array<bool, 256> blackOverKnown_ {};
};

} // namespace graph
