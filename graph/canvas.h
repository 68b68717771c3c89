#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QLineF>
#include <QPointF>
#include <QRawFont>
#include <QSize>
#include <QString>
#include <QStringView>

#include <map>
#include <memory>
#include <optional>

class QPainter;

namespace graph {

class NumberPrinter;
struct PointMark;

// The drawing engine behind the graph panel: a picture in world coordinates
// that is not a widget, so tests and benchmarks can draw into it and read its
// pixels without a window.
//
// Coordinates arrive as doubles and are narrowed to singles, as drawing
// coordinates are; one beyond the single range is core::Overflow. World
// points map linearly onto the picture: the scale's first corner is the
// top-left corner of the picture, its second corner the point just beyond the
// bottom-right pixel, so the picture is W pixels wide for the scale's width
// and a line at the second corner falls outside it. All
// drawing is aliased and snapped to whole device pixels, so a segment's
// pixels depend only on the pixel it starts and ends in.
class Canvas {
public:
    // A picture of the given size in logical pixels, kept at the given device
    // pixel ratio (each logical pixel is dpr x dpr image pixels).
    explicit Canvas(QSize logicalSize = { 1, 1 }, qreal dpr = 1.0, QColor background = Qt::white,
        QColor foreground = Qt::black);
    // A canvas that draws through an open painter onto its device (an SVG, a
    // PDF page, a printer) in a box of logicalSize times unitsPerPixel device
    // units at the painter's origin. Lines are strokes and every printed text
    // is text; of numbers printed at one device point only the last is kept.
    Canvas(QPainter& painter, QSize logicalSize, qreal unitsPerPixel, QColor background = Qt::white,
        QColor foreground = Qt::black);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The picture in device pixels; everything drawn so far is in it.
    const QImage& image() const;
    QSize logicalSize() const { return logicalSize_; }
    qreal devicePixelRatio() const { return dpr_; }

    // Resizes the picture, keeping the world extent of the scale, the width
    // and the font; what was drawn is stretched to the new size.
    void Resize(QSize logicalSize, qreal dpr);

    // Erases everything drawn; scale, line width and font stay.
    void Cls();

    // Draws everything still waiting onto the device.
    void finish() { endPainting(); }

    // The settings later drawing follows, to start another canvas from.
    struct State {
        double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
        int width = 1;
        QFont font;
    };
    State state() const;
    void restore(const State& state);
    QColor background() const { return background_; }
    QColor foreground() const { return foreground_; }

    // (x1, y1) becomes the top-left corner, (x2, y2) the bottom-right. A
    // corner with the larger value first mirrors that direction. A scale of
    // zero extent in either direction is refused with core::Overflow and the
    // old scale stays.
    void Scale(double x1, double y1, double x2, double y2);

    // A solid segment in the current width; the current position becomes
    // (x2, y2).
    void Line(double x1, double y1, double x2, double y2, QRgb colour);

    // The device pixels Line would snap the segment's ends to, after cutting
    // it to what can show; nothing when none of it can. Two segments with the
    // same ends drawn in the same width cover the same pixels.
    std::optional<QLine> SegmentPixels(double x1, double y1, double x2, double y2) const;

    // Everything Line does but the drawing: for a segment that the next one
    // drawn paints over entirely.
    void SkipLine(double x1, double y1, double x2, double y2);

    // Line width in logical pixels for later segments.
    void DrawWidth(int pixels);
    int drawWidth() const { return width_; }

    // Font face for later printed text; the size stays.
    void FontName(const QString& family);
    const QFont& font() const { return font_; }
    void setFont(const QFont& font);

    // Writes text with its top-left corner at the current position, in the
    // foreground colour; only the glyphs are drawn.
    void Print(const QString& text);

    // Print's text on a box of the background, so that no line runs
    // through it.
    void PrintOnBackground(const QString& text);

    // The room Print takes for the text in the current font, in device
    // pixels: its advance and the font's line height.
    QSize TextSize(const QString& text) const;

    // The same pixels as Print, for many numbers printed over one another
    // (see NumberPrinter); other texts are handed to Print.
    void PrintNumber(QStringView text);

    // A dot and its label on a point of the picture, over everything drawn
    // (see point_marks.h).
    void Mark(const PointMark& mark);

    // The world point under a logical pixel position, in singles.
    QPointF ToWorld(QPointF logical) const;

    // Device-pixel column and row that a world x or y (narrowed to single)
    // falls in; lines whose coordinates share a column are drawn the same.
    double ColumnOf(double x) const;
    double RowOf(double y) const;

    // The smallest whole number above `from`, and not above `last`, whose
    // column (or row) differs from that of `from` and can still show: for
    // walking a grid one distinct pixel line at a time. Nothing when every
    // later line shares the column of `from` or falls outside the picture.
    std::optional<double> NextWholeInNewColumn(double from, double last) const;
    std::optional<double> NextWholeInNewRow(double from, double last) const;

private:
    struct Axis {
        double origin = 0; // world value at the picture's leading edge
        double scale = 1; // device pixels per world unit (negative when mirrored)
        double map(double v) const { return (v - origin) * scale; }
    };

    void applyScale();
    QPainter& painter() const;
    void endPainting() const;
    void drawWaitingNumbers() const;
    void forgetNumbers();
    bool printable(double x, double y, QStringView text) const;
    std::optional<QLineF> snapped(double x1, double y1, double x2, double y2) const;
    int devicePenWidth() const;
    double cellOf(const Axis& axis, double v) const;
    std::optional<double> nextWholeInNewCell(
        const Axis& axis, int cells, double from, double last) const;

    int pixelsWide() const;
    int pixelsHigh() const;
    void flushTexts() const;

    QSize logicalSize_;
    qreal dpr_ = 1.0;
    // Set when drawing onto another device through a painter of the caller.
    QPainter* device_ = nullptr;
    QSize deviceSize_;
    // Numbers waiting to be written onto such a device, by device point.
    mutable std::map<std::pair<double, double>, QString> texts_;
    QColor background_;
    QColor foreground_;
    mutable QImage image_; // glyphs waiting to be drawn belong to it already
    struct Corners {
        double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    };
    Corners corners_;
    Axis xAxis_;
    Axis yAxis_;
    int width_ = 1;
    QFont font_;
    QPointF current_; // world
    mutable std::unique_ptr<QPainter> painter_;
    mutable bool blank_ = true; // nothing drawn since made or cleared

    // PrintNumber's glyphs for the current font and resolution, made when
    // first needed; and a count of everything else drawn, which tells it
    // when the picture has changed under its glyphs.
    mutable std::unique_ptr<NumberPrinter> numbers_;
    bool numbersTried_ = false;
    static constexpr int plainNumbersFirst = 256;
    int plainNumbers_ = 0; // printed the plain way in this font and resolution
    int textAscent_ = 0, textHeight_ = 0;
    // The labels' font as laid out on the picture, made when first needed.
    std::optional<QRawFont> labelFont_;
    quint64 paintCount_ = 0;
};

} // namespace graph
