#include "graph/glyph_table.h"

#include <QFont>
#include <QGlyphRun>
#include <QTextLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <optional>

namespace graph {

namespace {

// The one glyph run the toolkit lays `text` out as; nothing when it takes
// more than one (a fallback font, say).
std::optional<QGlyphRun> layOut(const QString& text, const QFont& font, QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns();
    if (runs.size() != 1)
        return std::nullopt;
    return runs.front();
}

// Equal to the last bit: QPointF's own comparison allows for rounding.
bool samePositions(const QList<QPointF>& a, const QList<QPointF>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](QPointF p, QPointF q) { return p.x() == q.x() && p.y() == q.y(); });
}

} // namespace

std::unique_ptr<GlyphTable> GlyphTable::Build(
    const QFont& font, QPaintDevice* device, QStringView characters)
{
    auto table = std::unique_ptr<GlyphTable>(new GlyphTable);
    table->characters_ = characters.toString();
    const auto n = static_cast<std::size_t>(characters.size());
    if (n == 0 || n > 127)
        return nullptr;
    table->slotOfLatin1_.fill(-1);
    for (std::size_t k = 0; k < n; ++k) {
        if (characters[k].unicode() >= table->slotOfLatin1_.size())
            return nullptr;
        table->slotOfLatin1_[characters[k].unicode()] = static_cast<qint8>(k);
    }
    table->glyphs_.assign(n, 0);
    table->pairAdvance_.assign(n * n, 0);
    QString everyPair;
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            const QString pair = QString(characters[a]) + characters[b];
            everyPair += pair;
            const auto run = layOut(pair, font, device);
            if (!run || run->glyphIndexes().size() != 2 || run->positions()[0].x() != 0
                || run->positions()[0].y() != run->positions()[1].y())
                return nullptr;
            if (!table->rawFont_.isValid())
                table->rawFont_ = run->rawFont();
            // The first row names each character's glyph; every pair must
            // show the same ones.
            if (a == 0)
                table->glyphs_[b] = run->glyphIndexes()[1];
            if (run->rawFont() != table->rawFont_ || run->glyphIndexes()[0] != table->glyphs_[a]
                || run->glyphIndexes()[1] != table->glyphs_[b])
                return nullptr;
            table->pairAdvance_[a * n + b] = run->positions()[1].x();
        }
    }
    // Every pair once more, inside one long text: put together pair by pair
    // it must be what the toolkit makes of it.
    const auto whole = layOut(everyPair, font, device);
    QList<quint32> glyphs;
    QList<QPointF> positions;
    if (!whole || whole->rawFont() != table->rawFont_
        || !table->Compose(everyPair, 0, whole->positions().value(0).y(), glyphs, positions)
        || glyphs != whole->glyphIndexes() || !samePositions(positions, whole->positions()))
        return nullptr;
    return table;
}

int GlyphTable::slotOf(QChar c) const
{
    return c.unicode() < slotOfLatin1_.size() ? slotOfLatin1_[c.unicode()] : -1;
}

bool GlyphTable::Compose(QStringView text, double x, double baseline, QList<quint32>& glyphs,
    QList<QPointF>& positions) const
{
    const std::size_t n = glyphs_.size();
    QVarLengthArray<int, 32> order(text.size());
    for (qsizetype k = 0; k < text.size(); ++k)
        if ((order[k] = slotOf(text[k])) < 0)
            return false;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const auto slot = static_cast<std::size_t>(order[k]);
        glyphs.append(glyphs_[slot]);
        positions.append(QPointF(x, baseline));
        if (k + 1 < text.size())
            x += pairAdvance_[slot * n + static_cast<std::size_t>(order[k + 1])];
    }
    return true;
}

} // namespace graph
