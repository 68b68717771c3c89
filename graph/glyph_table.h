#pragma once

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <vector>

class QFont;
class QPaintDevice;

namespace graph {

// The glyphs of a few characters in one font on one device, laid out once by
// the toolkit, so that texts made of them can be set without laying each one
// out again. Each character has one glyph; the distance from one glyph to the
// next depends on the pair of characters (kerning), and on nothing else. The
// table is only built when that holds: every pair is laid out alone, and one
// long text holding every pair must come out exactly as put together from
// them.
class GlyphTable {
public:
    // Nothing when the font lays the characters out in some other way
    // (substitutions, ligatures, kerning over more than a pair, a second
    // font).
    static std::unique_ptr<GlyphTable> Build(
        const QFont& font, QPaintDevice* device, QStringView characters);

    // Appends the glyphs of `text`, the first with its origin at
    // (x, baseline). False, with nothing appended, when the text holds a
    // character outside the table.
    bool Compose(QStringView text, double x, double baseline, QList<quint32>& glyphs,
        QList<QPointF>& positions) const;

    const QRawFont& rawFont() const { return rawFont_; }

private:
    GlyphTable() = default;
    int slotOf(QChar c) const; // -1 outside the table

    QString characters_;
    std::array<qint8, 256> slotOfLatin1_ {}; // -1 outside the table
    std::vector<quint32> glyphs_; // by slot
    std::vector<double> pairAdvance_; // by first slot * size + second slot
    QRawFont rawFont_;
};

} // namespace graph
