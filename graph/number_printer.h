#pragma once

#include "graph/glyph_ink.h"
#include "graph/glyph_table.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QStringView>

#include <memory>

class QFont;
class QImage;
class QPainter;

namespace graph {

// Prints numbers (digits, minus signs and blanks) onto a picture in exactly
// the pixels the toolkit's own text drawing gives, fast when thousands are
// printed over one another:
// - each number is set from glyphs, and distances between them, laid out
//   once for every pair of characters (GlyphTable);
// - in a black foreground, a glyph whose pixels (GlyphInk) are all black
//   already is left out: black drawn over black leaves black;
// - in a black foreground, a glyph whose ink GlyphInk knows is blended into
//   the picture at once, pixel by pixel as the toolkit blends it, as long as
//   no glyph waits before it; the toolkit's own blending of a glyph costs
//   several times as much, and the widest range blends hundreds of
//   thousands;
// - the other glyphs wait and are drawn together, in order, each blended
//   over the ones before, when the owner asks (before anything else is drawn
//   or the picture is looked at).
// The glyphs waiting are black too and can only keep black pixels black, so
// judging a glyph on the picture before they are drawn is safe.
class NumberPrinter {
public:
    // For the font on the picture's resolution. When the font does not set
    // these characters pair by pair as it sets them together, Queue refuses
    // every text.
    NumberPrinter(const QFont& font, QImage& picture);

    // Queues the glyphs of `text` with its first glyph's origin at
    // (x, baseline) on `picture`, or draws them at once (see above), into
    // the picture's pixels as they are: those its painter draws into, shared
    // or not. False, with nothing queued, when a
    // character is not in the table. `paintCount` must change whenever
    // anything but these glyphs has been drawn on the picture since the last
    // call; `black` says whether the glyphs are drawn in opaque black.
    bool Queue(QStringView text, double x, double baseline, const QImage& picture, bool black,
        quint64 paintCount);

    bool hasWaiting() const { return !waitingGlyphs_.isEmpty(); }

    // Draws the waiting glyphs in the painter's pen, in order.
    void DrawWaiting(QPainter& painter);

private:
    static bool allBlack(const QImage& picture, const QRect& pixels);
    // Draws a glyph of known ink in opaque black; true when its ink has left
    // its pixels black.
    bool blendBlack(const QImage& picture, const GlyphInk::Pixels& pixels) const;

    std::unique_ptr<GlyphTable> table_;
    std::unique_ptr<GlyphInk> ink_;
    QList<quint32> waitingGlyphs_;
    QList<QPointF> waitingPositions_;

    // The text before, as numbers printed in a row mostly repeat it: where a
    // glyph sits where it sat there, its pixels are the same, and they are
    // still all black if they were and nothing but glyphs was drawn since.
    struct Set {
        QList<quint32> glyphs;
        QList<QPointF> positions;
        QList<GlyphInk::Pixels> pixels; // in the picture
        QList<bool> allBlack;
        quint64 paintCount = 0;
    };
    Set last_, current_;
};

} // namespace graph
