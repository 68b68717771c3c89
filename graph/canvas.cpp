#include "graph/canvas.h"

#include "core/checked.h"
#include "core/errors.h"
#include "graph/number_printer.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace graph {

namespace {

struct Box {
    double xLo, xHi, yLo, yHi;
    bool contains(double x, double y) const { return x >= xLo && x <= xHi && y >= yLo && y <= yHi; }
};

// Cuts the segment (x1, y1)-(x2, y2), given in world singles, to the box.
// False when nothing of it lies inside. The crossings with the box's edges
// come from the line's equation y * dx = x * dy + c, with c = x2 * y1 - x1 * y2
// computed from exact products of singles, so a segment whose end points lie
// astronomically far outside is still cut where it really crosses.
bool clip(double& x1, double& y1, double& x2, double& y2, const Box& box)
{
    if (box.contains(x1, y1) && box.contains(x2, y2))
        return true;
    const double dx = x2 - x1, dy = y2 - y1;
    const double c = std::fma(x2, y1, -(x1 * y2));
    struct Candidate {
        double t, x, y; // t orders points along the segment
    };
    Candidate found[6];
    int n = 0;
    const bool alongX = std::fabs(dx) >= std::fabs(dy);
    // A crossing computed for one edge may miss the box by a rounding error
    // at a corner; within a hair of the box it counts as inside.
    const double hairX = (box.xHi - box.xLo) * 1e-9, hairY = (box.yHi - box.yLo) * 1e-9;
    const auto add = [&](double x, double y) {
        if (x >= box.xLo - hairX && x <= box.xHi + hairX && y >= box.yLo - hairY
            && y <= box.yHi + hairY && n < 6) {
            x = std::clamp(x, box.xLo, box.xHi);
            y = std::clamp(y, box.yLo, box.yHi);
            found[n++] = { alongX ? (x - x1) / dx : (y - y1) / dy, x, y };
        }
    };
    const auto between
        = [](double v, double a, double b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    if (box.contains(x1, y1))
        add(x1, y1);
    if (box.contains(x2, y2))
        add(x2, y2);
    if (dx != 0)
        for (const double X : { box.xLo, box.xHi })
            if (between(X, x1, x2))
                add(X, dy == 0 ? y1 : (X * dy + c) / dx);
    if (dy != 0)
        for (const double Y : { box.yLo, box.yHi })
            if (between(Y, y1, y2))
                add(dx == 0 ? x1 : (Y * dx - c) / dy, Y);
    if (n == 0)
        return false;
    const auto [first, last] = std::minmax_element(
        found, found + n, [](const Candidate& a, const Candidate& b) { return a.t < b.t; });
    const Candidate a = *first, b = *last;
    x1 = a.x;
    y1 = a.y;
    x2 = b.x;
    y2 = b.y;
    return true;
}

} // namespace

Canvas::Canvas(QSize logicalSize, qreal dpr, QColor background, QColor foreground)
    : background_(background)
    , foreground_(foreground)
    , font_(QStringLiteral("MS Sans Serif"))
{
    font_.setPointSizeF(8.25);
    Resize(logicalSize, dpr);
}

Canvas::Canvas(
    QPainter& painter, QSize logicalSize, qreal unitsPerPixel, QColor background, QColor foreground)
    : logicalSize_(logicalSize.expandedTo({ 2, 2 }))
    , dpr_(unitsPerPixel > 0 ? unitsPerPixel : 1.0)
    , background_(background)
    , foreground_(foreground)
    , font_(QStringLiteral("MS Sans Serif"))
{
    device_ = &painter;
    font_.setPointSizeF(8.25);
    deviceSize_ = (QSizeF(logicalSize_) * dpr_).toSize();
    painter.setClipRect(QRect(QPoint(0, 0), deviceSize_));
    painter.setRenderHint(QPainter::Antialiasing, false);
    applyScale();
}

Canvas::~Canvas()
{
    endPainting();
}

int Canvas::pixelsWide() const
{
    return device_ ? deviceSize_.width() : image_.width();
}

int Canvas::pixelsHigh() const
{
    return device_ ? deviceSize_.height() : image_.height();
}

Canvas::State Canvas::state() const
{
    return { corners_.x1, corners_.y1, corners_.x2, corners_.y2, width_, font_ };
}

void Canvas::restore(const State& state)
{
    corners_ = { state.x1, state.y1, state.x2, state.y2 };
    applyScale();
    width_ = state.width;
    setFont(state.font);
}

const QImage& Canvas::image() const
{
    endPainting();
    return image_;
}

void Canvas::Resize(QSize logicalSize, qreal dpr)
{
    endPainting();
    forgetNumbers(); // their size follows the resolution
    ++paintCount_;
    logicalSize_ = logicalSize.expandedTo({ 2, 2 });
    dpr_ = dpr > 0 ? dpr : 1.0;
    const QImage old = image_;
    image_ = QImage((QSizeF(logicalSize_) * dpr_).toSize(), QImage::Format_RGB32);
    // Point sizes of printed text follow the device pixel ratio.
    const int dotsPerMeter = qRound(96.0 * dpr_ / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(background_);
    // What was drawn stays in view, stretched to the new size, until the
    // next drawing command draws it anew. A blank picture stretched is the
    // fill already there.
    if (!old.isNull() && !blank_) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(image_.rect()), old);
    }
    applyScale();
}

void Canvas::Cls()
{
    endPainting();
    texts_.clear();
    if (device_) {
        device_->fillRect(QRect(QPoint(0, 0), deviceSize_), background_);
    } else {
        image_.fill(background_);
        blank_ = true;
    }
    ++paintCount_;
}

void Canvas::Scale(double x1, double y1, double x2, double y2)
{
    const double fx1 = core::ToSingle(x1), fy1 = core::ToSingle(y1);
    const double fx2 = core::ToSingle(x2), fy2 = core::ToSingle(y2);
    if (fx1 == fx2 || fy1 == fy2)
        throw core::Overflow(); // a scale of zero extent
    corners_ = { fx1, fy1, fx2, fy2 };
    applyScale();
}

void Canvas::applyScale()
{
    // The first corner lies at the picture's first pixel, the second one
    // pixel beyond its last: a line at the second corner does not show.
    const auto [x1, y1, x2, y2] = corners_;
    xAxis_ = { x1, pixelsWide() / (x2 - x1) };
    yAxis_ = { y1, pixelsHigh() / (y2 - y1) };
}

int Canvas::devicePenWidth() const
{
    return std::max(1, qRound(width_ * dpr_));
}

QPainter& Canvas::painter() const
{
    if (device_)
        return *device_;
    blank_ = false; // whoever asks for the picture's painter draws
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void Canvas::endPainting() const
{
    drawWaitingNumbers();
    flushTexts();
    painter_.reset();
}

void Canvas::flushTexts() const
{
    if (texts_.empty())
        return;
    QPainter& p = painter();
    p.setFont(font_);
    p.setPen(foreground_);
    const int ascent = p.fontMetrics().ascent();
    for (const auto& [at, text] : texts_)
        p.drawText(QPointF(at.first, at.second + ascent), text);
    texts_.clear();
}

std::optional<QLineF> Canvas::snapped(double x1, double y1, double x2, double y2) const
{
    // Only the part that can show is mapped to device pixels, snapped whole.
    const double margin = devicePenWidth() + 2;
    const auto worldEdges = [&](const Axis& axis, int cells) {
        const double a = axis.origin - margin / axis.scale;
        const double b = axis.origin + (cells - 1 + margin) / axis.scale;
        return std::pair { std::min(a, b), std::max(a, b) };
    };
    const auto [xLo, xHi] = worldEdges(xAxis_, pixelsWide());
    const auto [yLo, yHi] = worldEdges(yAxis_, pixelsHigh());
    if (!clip(x1, y1, x2, y2, { xLo, xHi, yLo, yHi }))
        return std::nullopt;
    return QLineF(std::floor(xAxis_.map(x1) + 0.5), std::floor(yAxis_.map(y1) + 0.5),
        std::floor(xAxis_.map(x2) + 0.5), std::floor(yAxis_.map(y2) + 0.5));
}

void Canvas::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    const double fx1 = core::ToSingle(x1), fy1 = core::ToSingle(y1);
    const double fx2 = core::ToSingle(x2), fy2 = core::ToSingle(y2);
    current_ = { fx2, fy2 };
    const auto pixels = snapped(fx1, fy1, fx2, fy2);
    if (!pixels)
        return;
    drawWaitingNumbers(); // they lie under the segment
    flushTexts();
    QPainter& p = painter();
    p.setPen(QPen(QColor(colour), devicePenWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    // A thin line snapped to whole pixels covers the pixel right of and below
    // its ends; a stroke centred there covers the same one.
    const qreal half = device_ && devicePenWidth() % 2 ? 0.5 : 0.0;
    p.drawLine(pixels->translated(half, half));
    ++paintCount_;
}

std::optional<QLine> Canvas::SegmentPixels(double x1, double y1, double x2, double y2) const
{
    // Snapped ends are whole numbers within a few pixels of the picture.
    const auto pixels
        = snapped(core::ToSingle(x1), core::ToSingle(y1), core::ToSingle(x2), core::ToSingle(y2));
    if (!pixels)
        return std::nullopt;
    return pixels->toLine();
}

void Canvas::SkipLine(double x1, double y1, double x2, double y2)
{
    core::ToSingle(x1);
    core::ToSingle(y1);
    current_ = { core::ToSingle(x2), core::ToSingle(y2) };
}

void Canvas::DrawWidth(int pixels)
{
    width_ = std::max(1, pixels);
}

void Canvas::FontName(const QString& family)
{
    QFont font = font_;
    font.setFamily(family);
    setFont(font);
}

void Canvas::setFont(const QFont& font)
{
    if (font == font_ && font.resolveMask() == font_.resolveMask())
        return;
    forgetNumbers(); // they were set in the old font
    font_ = font;
}

bool Canvas::printable(double x, double y, QStringView text) const
{
    QPainter& p = painter();
    p.setFont(font_);
    const QFontMetrics metrics = p.fontMetrics();
    // Text wholly outside the picture would draw nothing. A text's advance is
    // never negative, so only one that starts left of the picture can end
    // before it, and only then is it measured.
    if (x > pixelsWide() || y > pixelsHigh() || y + metrics.height() + 2 < 0)
        return false;
    return x + 2 >= 0 || x + metrics.horizontalAdvance(text.toString()) + 2 >= 0;
}

void Canvas::Print(const QString& text)
{
    const double x = std::floor(xAxis_.map(current_.x()) + 0.5);
    const double y = std::floor(yAxis_.map(current_.y()) + 0.5);
    drawWaitingNumbers(); // the text goes over them
    flushTexts();
    if (!printable(x, y, text))
        return;
    QPainter& p = painter();
    p.setPen(foreground_);
    p.drawText(QPointF(x, y + p.fontMetrics().ascent()), text);
    ++paintCount_;
}

void Canvas::PrintOnBackground(const QString& text)
{
    const double x = std::floor(xAxis_.map(current_.x()) + 0.5);
    const double y = std::floor(yAxis_.map(current_.y()) + 0.5);
    drawWaitingNumbers(); // the box goes over them
    flushTexts();
    const QSize size = TextSize(text);
    painter().fillRect(QRectF(x, y, size.width(), size.height()), background_);
    ++paintCount_;
    Print(text);
}

QSize Canvas::TextSize(const QString& text) const
{
    // Measured on the device without painting on it.
    const QFontMetrics metrics(font_, device_ ? device_->device() : &image_);
    return { metrics.horizontalAdvance(text), metrics.height() };
}

void Canvas::forgetNumbers()
{
    drawWaitingNumbers(); // in the font they were set in
    numbers_.reset();
    labelFont_.reset();
    numbersTried_ = false;
    plainNumbers_ = 0;
}

void Canvas::PrintNumber(QStringView text)
{
    if (device_) {
        // Numbers printed at one device point, as the tick marks of a wide
        // range print them, are written once: the last, which lies on top.
        if (!numbersTried_) {
            numbersTried_ = true;
            QPainter& p = painter();
            p.setFont(font_);
            textHeight_ = p.fontMetrics().height();
        }
        const double x = std::floor(xAxis_.map(current_.x()) + 0.5);
        const double y = std::floor(yAxis_.map(current_.y()) + 0.5);
        // Print's test, asking for the width only where it can matter.
        if (x > pixelsWide() || y > pixelsHigh() || y + textHeight_ + 2 < 0
            || (x + 2 < 0 && !printable(x, y, text)))
            return;
        texts_.insert_or_assign({ x, y }, text.toString());
        return;
    }
    // Setting up the glyph table costs about as much as printing a few
    // hundred numbers the plain way, so the first ones in a font are printed
    // that way: the default range's 42 tick numbers never need the table.
    if (plainNumbers_ < plainNumbersFirst) {
        ++plainNumbers_;
        Print(text.toString());
        return;
    }
    if (!numbersTried_) {
        numbersTried_ = true;
        numbers_ = std::make_unique<NumberPrinter>(font_, image_);
        QPainter& p = painter();
        p.setFont(font_);
        textAscent_ = p.fontMetrics().ascent();
        textHeight_ = p.fontMetrics().height();
    }
    const double x = std::floor(xAxis_.map(current_.x()) + 0.5);
    const double y = std::floor(yAxis_.map(current_.y()) + 0.5);
    // Print's test, asking for the width only where it can matter.
    if (x > image_.width() || y > image_.height() || y + textHeight_ + 2 < 0
        || (x + 2 < 0 && !printable(x, y, text)))
        return;
    const bool black = foreground_.rgba() == qRgb(0, 0, 0);
    if (!numbers_->Queue(text, x, y + textAscent_, image_, black, paintCount_))
        Print(text.toString());
}

void Canvas::drawWaitingNumbers() const
{
    if (!numbers_ || !numbers_->hasWaiting())
        return;
    QPainter& p = painter();
    p.setPen(foreground_);
    numbers_->DrawWaiting(p);
}

QPointF Canvas::ToWorld(QPointF logical) const
{
    // The panel's border can lie beyond the single range when the scale
    // reaches its edge: a point there reads as the nearest single.
    const auto single = [](double v) {
        constexpr double largest = std::numeric_limits<float>::max();
        return static_cast<double>(static_cast<float>(std::clamp(v, -largest, largest)));
    };
    // Counted in logical pixels, at any device pixel ratio.
    const auto [x1, y1, x2, y2] = corners_;
    return { single(x1 + logical.x() * (x2 - x1) / logicalSize_.width()),
        single(y1 + logical.y() * (y2 - y1) / logicalSize_.height()) };
}

double Canvas::cellOf(const Axis& axis, double v) const
{
    return std::floor(axis.map(static_cast<float>(v)) + 0.5);
}

double Canvas::ColumnOf(double x) const
{
    return cellOf(xAxis_, x);
}

double Canvas::RowOf(double y) const
{
    return cellOf(yAxis_, y);
}

std::optional<double> Canvas::NextWholeInNewColumn(double from, double last) const
{
    return nextWholeInNewCell(xAxis_, pixelsWide(), from, last);
}

std::optional<double> Canvas::NextWholeInNewRow(double from, double last) const
{
    return nextWholeInNewCell(yAxis_, pixelsHigh(), from, last);
}

std::optional<double> Canvas::nextWholeInNewCell(
    const Axis& axis, int cells, double from, double last) const
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
