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

namespace {

// Which way a label goes from its dot: -1, 0 or 1 across (left to right) and
// down (up to down).
struct Lean {
    int across = 1, down = -1;
};

Lean leanOf(double x, double y)
{
    const double length = std::hypot(x, y);
    if (!(length > 0) || !std::isfinite(length))
        return {}; // up and to the right
    // Within 22.5 degrees of level the label stands level with the dot;
    // within 22.5 degrees of upright, straight above or below it.
    constexpr double slant = 0.38; // about the sine of 22.5 degrees
    const auto part = [&](double v) {
        return v > slant * length ? 1 : v < -slant * length ? -1 : 0;
    };
    return { part(x), part(y) };
}

} // namespace

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
        const double rightOf = px + 1 + gap, leftOf = px - gap - w;
        const double below = py + 1 + gap, above = py - gap - h;
        // The lean on the picture, by eighths of a turn: beside, above or
        // below the dot; or on a slant, beside it and above or below.
        const Lean lean = leanOf(mark.leanX * xAxis_.scale, mark.leanY * yAxis_.scale);
        double left = px + 0.5 - w / 2;
        if (lean.across != 0) {
            const bool right = lean.across > 0;
            left = right ? rightOf : leftOf;
            if (right ? left + w > wide : left < 0)
                left = right ? leftOf : rightOf;
        }
        double top = py + 0.5 - h / 2;
        if (lean.down != 0) {
            const bool up = lean.down < 0;
            top = up ? above : below;
            if (up ? top < 0 : top + h > high)
                top = up ? below : above;
        }
        // A label larger than the room on either side keeps its start in
        // view; on whole pixels, it looks the same wherever it stands.
        left = std::round(std::max(0.0, std::min(left, wide - w)));
        top = std::round(std::max(0.0, std::min(top, high - h)));
        const double pad = std::max(1, qRound(dpr_));
        p.fillRect(QRectF(left - pad, top, w + 2 * pad, h), background_);
        const QPointF baseline(left, top + metrics.ascent());
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
