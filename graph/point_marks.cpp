// How a labelled point is drawn: Canvas::Mark (see point_marks.h), kept
// beside the mark it draws rather than among the canvas's lines and texts.
#include "graph/point_marks.h"

#include "core/checked.h"
#include "graph/canvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace graph {

void Canvas::Mark(const PointMark& mark)
{
    // Both edges of the box count as inside: the scale's second corner lies
    // one pixel beyond the picture, so a point there is marked on its last
    // pixel, where its line ends too.
    const auto within
        = [](double v, double a, double b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    if (!within(mark.x, corners_.x1, corners_.x2) || !within(mark.y, corners_.y1, corners_.y2))
        return;
    const int wide = pixelsWide(), high = pixelsHigh();
    // The pixel a segment ending at the point ends in.
    const auto pixel = [](const Axis& axis, double v, int cells) {
        return std::clamp(std::floor(axis.map(core::ToSingle(v)) + 0.5), 0.0, cells - 1.0);
    };
    const double px = pixel(xAxis_, mark.x, wide);
    const double py = pixel(yAxis_, mark.y, high);

    drawWaitingNumbers(); // the mark lies over them
    flushTexts();
    QPainter& p = painter();
    p.save();
    const QColor colour(mark.colour);
    const double radius = std::max(1, qRound(2 * dpr_));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(px - radius, py - radius, 2 * radius + 1, 2 * radius + 1));

    if (!mark.text.isEmpty()) {
        p.setFont(font_);
        const QFontMetrics metrics = p.fontMetrics();
        // On a picture the label goes down as glyphs laid out here, in half
        // the time text takes; other devices are given text, to keep as text.
        QGlyphRun run;
        double w = 0;
        if (!device_ && !labelFont_)
            labelFont_ = QRawFont::fromFont(QFont(font_, &image_));
        const bool glyphs = !device_ && labelFont_->isValid();
        if (glyphs) {
            const QList<quint32> indexes = labelFont_->glyphIndexesForString(mark.text);
            const QList<QPointF> advances = labelFont_->advancesForGlyphIndexes(indexes);
            QList<QPointF> positions;
            positions.reserve(advances.size());
            for (const QPointF& advance : advances) {
                positions.push_back({ w, 0 });
                w += advance.x();
            }
            run.setRawFont(*labelFont_);
            run.setGlyphIndexes(indexes);
            run.setPositions(positions);
        } else {
            w = metrics.horizontalAdvance(mark.text);
        }
        const double h = metrics.height();
        const double gap = radius + std::max(1, qRound(2 * dpr_));
        double left = px + 1 + gap;
        if (left + w > wide)
            left = px - gap - w;
        double top = py - gap - h;
        if (top < 0)
            top = py + 1 + gap;
        // A label larger than the room on either side keeps its start in view.
        left = std::max(0.0, std::min(left, wide - w));
        top = std::max(0.0, std::min(top, high - h));
        // Whole pixels, so a label looks the same wherever it stands.
        const QPointF baseline(std::round(left), top + metrics.ascent());
        p.setPen(colour);
        if (glyphs)
            p.drawGlyphRun(baseline, run);
        else
            p.drawText(baseline, mark.text);
    }
    p.restore();
    ++paintCount_;
}

} // namespace graph
