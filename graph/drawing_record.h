#pragma once

#include "graph/canvas.h"
#include "graph/plot_frame.h"
#include "graph/point_marks.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QSize>

#include <vector>

class QPaintDevice;
class QPainter;

namespace graph {

// What the graph panel drew since its last Cls, kept so that the picture can
// be drawn again onto any device at any size: a PNG at any scale, an SVG, a
// PDF page or a printer. The frame and the tick marks are kept as the range
// they were drawn for and drawn again by the same code at the resolution of
// the new device, so lines and numbers that share one of its pixels are
// drawn once there too, and the picture's cost is bounded at any range.
class DrawingRecord {
public:
    // Forgets everything drawn: the picture starts again from the canvas's
    // scale, line width, font and colours as they are now.
    void Cls(const Canvas& canvas);

    void Scale(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, QRgb colour);
    void setFont(const QFont& font);
    void drawFrame(double L, double U);
    void drawTickMarks(double L, double U);
    void drawEndNumbers(double L, double U);
    void Mark(const PointMark& mark);

    // Forgets the marks, keeping everything else in its order.
    void eraseMarks();

    // The size of the panel the picture was drawn for, in logical pixels.
    QSize logicalSize() const { return size_; }
    void setLogicalSize(QSize size) { size_ = size; }

    // Draws the kept picture again onto the canvas, from its start.
    void replay(Canvas& canvas) const;

    // The picture at `scale` times the panel's size, through the same exact
    // pixel path the screen uses: at scale 1 and the screen's ratio it is the
    // screen's picture pixel for pixel.
    QImage image(qreal scale = 1.0) const;

    // The picture as vector strokes and text onto a painter that is already
    // open on its device, in a box of the panel's size times `unitsPerPixel`
    // device units with its top-left corner at the painter's origin.
    void paint(QPainter& painter, qreal unitsPerPixel) const;

    // The picture as an SVG document, one SVG unit per panel pixel.
    QByteArray svg() const;

private:
    enum class Kind { Scale, Line, Font, Frame, TickMarks, EndNumbers, Mark };
    struct Op {
        Kind kind;
        double a = 0, b = 0, c = 0, d = 0;
        QRgb colour = 0;
        QFont font;
        QString text;
    };

    Canvas::State start_;
    QColor background_ = Qt::white, foreground_ = Qt::black;
    QSize size_ { 1, 1 };
    std::vector<Op> ops_;
};

} // namespace graph
