#include "graph/canvas.h"

#include "core/checked.h"
#include "core/errors.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace graph {

namespace {

// Cuts the segment (x1, y1)-(x2, y2) to the rectangle [lo, hi] in both
// directions (Liang-Barsky). False when nothing of it lies inside.
bool clip(double& x1, double& y1, double& x2, double& y2, double loX, double hiX, double loY,
          double hiY)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!edge(-dx, x1 - loX) || !edge(dx, hiX - x1) || !edge(-dy, y1 - loY) || !edge(dy, hiY - y1))
        return false;
    const double ox = x1, oy = y1;
    if (t1 < 1.0) {
        x2 = ox + t1 * dx;
        y2 = oy + t1 * dy;
    }
    if (t0 > 0.0) {
        x1 = ox + t0 * dx;
        y1 = oy + t0 * dy;
    }
    return true;
}

} // namespace

Canvas::Canvas(QSize logicalSize, qreal dpr, QColor background, QColor foreground)
    : background_(background), foreground_(foreground),
      font_(QStringLiteral("MS Sans Serif"))
{
    font_.setPointSizeF(8.25);
    Resize(logicalSize, dpr);
}

Canvas::~Canvas() = default;

const QImage& Canvas::image() const
{
    endPainting();
    return image_;
}

void Canvas::Resize(QSize logicalSize, qreal dpr)
{
    endPainting();
    logicalSize_ = logicalSize.expandedTo({2, 2});
    dpr_ = dpr > 0 ? dpr : 1.0;
    const QImage old = image_;
    image_ = QImage((QSizeF(logicalSize_) * dpr_).toSize(), QImage::Format_RGB32);
    // Point sizes of printed text follow the device pixel ratio.
    const int dotsPerMeter = qRound(96.0 * dpr_ / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(background_);
    // What was drawn stays in view, stretched to the new size, until the
    // next drawing command draws it anew.
    if (!old.isNull()) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(image_.rect()), old);
    }
    applyScale();
}

void Canvas::Cls()
{
    endPainting();
    image_.fill(background_);
}

void Canvas::Scale(double x1, double y1, double x2, double y2)
{
    const double fx1 = core::ToSingle(x1), fy1 = core::ToSingle(y1);
    const double fx2 = core::ToSingle(x2), fy2 = core::ToSingle(y2);
    if (fx1 == fx2 || fy1 == fy2)
        throw core::Overflow(); // a scale of zero extent
    corners_ = {fx1, fy1, fx2, fy2};
    applyScale();
}

void Canvas::applyScale()
{
    // The first pixel and the last pixel of the picture hold the two corners
    // exactly, so lines at both edges show.
    const auto [x1, y1, x2, y2] = corners_;
    xAxis_ = {x1, (image_.width() - 1) / (x2 - x1)};
    yAxis_ = {y1, (image_.height() - 1) / (y2 - y1)};
}

int Canvas::devicePenWidth() const { return std::max(1, qRound(width_ * dpr_)); }

QPainter& Canvas::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void Canvas::endPainting() const { painter_.reset(); }

void Canvas::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    const double fx1 = core::ToSingle(x1), fy1 = core::ToSingle(y1);
    const double fx2 = core::ToSingle(x2), fy2 = core::ToSingle(y2);
    current_ = {fx2, fy2};

    // Device positions, snapped to whole pixels, of the part that can show.
    double dx1 = std::floor(xAxis_.map(fx1) + 0.5), dy1 = std::floor(yAxis_.map(fy1) + 0.5);
    double dx2 = std::floor(xAxis_.map(fx2) + 0.5), dy2 = std::floor(yAxis_.map(fy2) + 0.5);
    const double margin = devicePenWidth() + 2;
    if (!clip(dx1, dy1, dx2, dy2, -margin, image_.width() - 1 + margin, -margin,
              image_.height() - 1 + margin))
        return;

    QPainter& p = painter();
    p.setPen(QPen(QColor(colour), devicePenWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLine(QPointF(std::round(dx1), std::round(dy1)), QPointF(std::round(dx2), std::round(dy2)));
}

void Canvas::DrawWidth(int pixels) { width_ = std::max(1, pixels); }

void Canvas::FontName(const QString& family) { font_.setFamily(family); }

void Canvas::Print(const QString& text)
{
    const double x = std::floor(xAxis_.map(current_.x()) + 0.5);
    const double y = std::floor(yAxis_.map(current_.y()) + 0.5);
    QPainter& p = painter();
    p.setFont(font_);
    const QFontMetrics metrics = p.fontMetrics();
    // Text wholly outside the picture would draw nothing.
    if (x > image_.width() || y > image_.height() || x + metrics.horizontalAdvance(text) + 2 < 0
        || y + metrics.height() + 2 < 0)
        return;
    p.setPen(foreground_);
    p.drawText(QPointF(x, y + metrics.ascent()), text);
}

QPointF Canvas::ToWorld(QPointF logical) const
{
    const double x = xAxis_.origin + logical.x() * dpr_ / xAxis_.scale;
    const double y = yAxis_.origin + logical.y() * dpr_ / yAxis_.scale;
    return {static_cast<double>(static_cast<float>(x)), static_cast<double>(static_cast<float>(y))};
}

double Canvas::cellOf(const Axis& axis, double v) const
{
    return std::floor(axis.map(static_cast<float>(v)) + 0.5);
}

double Canvas::ColumnOf(double x) const { return cellOf(xAxis_, x); }

double Canvas::RowOf(double y) const { return cellOf(yAxis_, y); }

std::optional<double> Canvas::NextWholeInNewColumn(double from, double last) const
{
    return nextWholeInNewCell(xAxis_, image_.width(), from, last);
}

std::optional<double> Canvas::NextWholeInNewRow(double from, double last) const
{
    return nextWholeInNewCell(yAxis_, image_.height(), from, last);
}

std::optional<double> Canvas::nextWholeInNewCell(const Axis& axis, int cells, double from,
                                                 double last) const
{
    // Lines this far outside the picture draw nothing, however wide the pen.
    const double margin = devicePenWidth() + 2;
    const double lowest = -margin, highest = cells - 1 + margin;
    const bool rising = axis.scale > 0;
    const double c = cellOf(axis, from);
    if (rising ? c >= highest : c <= lowest)
        return std::nullopt;
    // The cell the next drawn line must reach: the next one, or the first
    // that can show.
    const double target = rising ? std::max(c + 1, lowest) : std::min(c - 1, highest);
    const auto reached = [&](double v) {
        const double cell = cellOf(axis, v);
        return rising ? cell >= target : cell <= target;
    };
    if (from >= last || !reached(last))
        return std::nullopt;
    // Cells never go back as whole numbers grow: search for the first one
    // that reaches the target. Above 2^53 every double is a whole number.
    double lo = from, hi = last;
    while (true) {
        const double mid = std::floor(lo / 2 + hi / 2);
        if (mid <= lo || mid >= hi)
            break;
        (reached(mid) ? hi : lo) = mid;
    }
    return hi;
}

} // namespace graph
