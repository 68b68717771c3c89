#include "graph/drawing_record.h"

#include "core/errors.h"
#include "words/language.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace graph {

void DrawingRecord::Cls(const Canvas& canvas)
{
    ops_.clear();
    start_ = canvas.state();
    background_ = canvas.background();
    foreground_ = canvas.foreground();
    size_ = canvas.logicalSize();
}

void DrawingRecord::Scale(double x1, double y1, double x2, double y2)
{
    // The pointer readout sets the scale on every move; a scale that nothing
    // was drawn in replaces the one before it, so the record does not grow
    // with the pointer's travel.
    if (!ops_.empty() && ops_.back().kind == Kind::Scale)
        ops_.pop_back();
    ops_.push_back({ Kind::Scale, x1, y1, x2, y2, 0, {}, {} });
}

void DrawingRecord::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    ops_.push_back({ Kind::Line, x1, y1, x2, y2, colour, {}, {} });
}

void DrawingRecord::setFont(const QFont& font)
{
    ops_.push_back({ Kind::Font, 0, 0, 0, 0, 0, font, {} });
}

void DrawingRecord::drawFrame(double L, double U)
{
    ops_.push_back({ Kind::Frame, L, U, 0, 0, 0, {}, {} });
}

void DrawingRecord::drawTickMarks(double L, double U)
{
    ops_.push_back({ Kind::TickMarks, L, U, 0, 0, 0, {}, {} });
}

void DrawingRecord::drawEndNumbers(double L, double U)
{
    ops_.push_back({ Kind::EndNumbers, L, U, 0, 0, 0, {}, {} });
}

void DrawingRecord::Mark(const PointMark& mark)
{
    ops_.push_back(
        { Kind::Mark, mark.x, mark.y, mark.leanX, mark.leanY, mark.colour, {}, mark.text });
}

void DrawingRecord::eraseMarks()
{
    std::erase_if(ops_, [](const Op& op) { return op.kind == Kind::Mark; });
}

void DrawingRecord::replay(Canvas& canvas) const
{
    canvas.restore(start_);
    canvas.Cls();
    for (const Op& op : ops_) {
        // Every operation kept was done once without failing, and does the
        // same here.
        switch (op.kind) {
        case Kind::Scale:
            canvas.Scale(op.a, op.b, op.c, op.d);
            break;
        case Kind::Line:
            canvas.Line(op.a, op.b, op.c, op.d, op.colour);
            break;
        case Kind::Font:
            canvas.setFont(op.font);
            break;
        case Kind::Frame:
            graph::drawFrame(canvas, op.a, op.b);
            break;
        case Kind::TickMarks:
            graph::drawTickMarks(canvas, op.a, op.b);
            break;
        case Kind::EndNumbers:
            graph::drawEndNumbers(canvas, op.a, op.b);
            break;
        case Kind::Mark:
            canvas.Mark({ op.a, op.b, op.colour, op.text, op.c, op.d });
            break;
        }
    }
    canvas.finish();
}

QImage DrawingRecord::image(qreal scale) const
{
    Canvas canvas(size_, scale, background_, foreground_);
    replay(canvas);
    return canvas.image();
}

void DrawingRecord::paint(QPainter& painter, qreal unitsPerPixel) const
{
    painter.save();
    {
        Canvas canvas(painter, size_, unitsPerPixel, background_, foreground_);
        replay(canvas);
    }
    painter.restore();
}

QByteArray DrawingRecord::svg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // One unit per panel pixel, at the screen's 96 units to the inch.
    generator.setResolution(96);
    generator.setSize(size_);
    generator.setViewBox(QRect(QPoint(0, 0), size_));
    generator.setTitle(words::translate("printed working", "Graph"));
    QPainter painter(&generator);
    paint(painter, 1.0);
    painter.end();
    return bytes;
}

} // namespace graph
