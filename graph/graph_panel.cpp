#include "graph/graph_panel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <tuple>

namespace graph {

GraphPanel::GraphPanel(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitCanvas();
}

void GraphPanel::Cls()
{
    fitCanvas(); // a hidden panel gets no resize event: look before drawing
    marks_.clear();
    marksDrawn_ = false;
    canvas_.Cls();
    record_.Cls(canvas_);
    drawn();
}

void GraphPanel::Scale(double x1, double y1, double x2, double y2)
{
    fitCanvas();
    canvas_.Scale(x1, y1, x2, y2);
    record_.Scale(x1, y1, x2, y2);
}

void GraphPanel::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    canvas_.Line(x1, y1, x2, y2, colour);
    record_.Line(x1, y1, x2, y2, colour);
    drawn();
}

void GraphPanel::drawFrame(double L, double U)
{
    fitCanvas();
    graph::drawFrame(canvas_, L, U);
    record_.drawFrame(L, U);
    drawn();
}

TickStop GraphPanel::drawTickMarks(double L, double U)
{
    fitCanvas();
    const TickStop stop = graph::drawTickMarks(canvas_, L, U);
    record_.drawTickMarks(L, U);
    drawn();
    return stop;
}

void GraphPanel::setPointMarks(std::vector<PointMark> marks)
{
    eraseMarks();
    marks_ = std::move(marks);
    marksScale_ = canvas_.state();
    if (marksShown_)
        drawMarks();
}

void GraphPanel::showPointMarks(bool shown)
{
    if (shown == marksShown_)
        return;
    marksShown_ = shown;
    if (shown)
        drawMarks();
    else
        eraseMarks();
}

void GraphPanel::drawMarks()
{
    if (marks_.empty() || marksDrawn_)
        return;
    // The pointer readout may have set another scale since the marks were
    // given; they belong to the picture's scale, and the readout's comes back.
    const Canvas::State now = canvas_.state();
    const auto corners = [](const Canvas::State& s) { return std::tie(s.x1, s.y1, s.x2, s.y2); };
    const bool moved = corners(now) != corners(marksScale_);
    if (moved)
        Scale(marksScale_.x1, marksScale_.y1, marksScale_.x2, marksScale_.y2);
    for (const PointMark& mark : marks_) {
        canvas_.Mark(mark);
        record_.Mark(mark);
    }
    if (moved)
        Scale(now.x1, now.y1, now.x2, now.y2);
    marksDrawn_ = true;
    drawn();
}

void GraphPanel::eraseMarks()
{
    if (!marksDrawn_)
        return;
    // The picture without them is the record without them.
    record_.eraseMarks();
    record_.replay(canvas_);
    marksDrawn_ = false;
    drawn();
}

void GraphPanel::drawn()
{
    // One repaint shows everything drawn until it comes.
    if (repaintAsked_)
        return;
    repaintAsked_ = true;
    update();
}

void GraphPanel::paintEvent(QPaintEvent* event)
{
    repaintAsked_ = false;
    if (!qFuzzyCompare(devicePixelRatioF(), canvas_.devicePixelRatio()))
        fitCanvas();
    QPainter painter(this);
    const QRect inner = contentsRect();
    // Device pixel for device pixel: the picture is kept at the screen's ratio.
    painter.drawImage(QRectF(inner), canvas_.image(), QRectF(canvas_.image().rect()));
    painter.end();
    QFrame::paintEvent(event); // the border
}

void GraphPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitCanvas();
}

void GraphPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        canvas_.setFont(font());
        record_.setFont(font());
    }
}

void GraphPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF world = canvas_.ToWorld(event->position() - QPointF(contentsRect().topLeft()));
    emit MouseMove(static_cast<float>(world.x()), static_cast<float>(world.y()));
    QFrame::mouseMoveEvent(event);
}

void GraphPanel::mousePressEvent(QMouseEvent* event)
{
    // A press reads the pointer as a move does, so the right button that
    // opens the menu still updates the readout.
    const QPointF world = canvas_.ToWorld(event->position() - QPointF(contentsRect().topLeft()));
    emit MouseMove(static_cast<float>(world.x()), static_cast<float>(world.y()));
    QFrame::mousePressEvent(event);
}

void GraphPanel::wheelEvent(QWheelEvent* event)
{
    // A notch is 120 eighths of a degree; fine wheels and touchpads send
    // parts of one, which add up until they make whole notches.
    wheelTurn_ += event->angleDelta().y();
    const qint64 notches = wheelTurn_ / 120;
    wheelTurn_ -= notches * 120;
    event->accept();
    if (notches != 0)
        emit WheelTurned(static_cast<int>(notches));
}

void GraphPanel::fitCanvas()
{
    const QSize inner = contentsRect().size();
    if (inner == canvas_.logicalSize()
        && qFuzzyCompare(devicePixelRatioF(), canvas_.devicePixelRatio()))
        return;
    canvas_.Resize(inner, devicePixelRatioF());
    record_.setLogicalSize(canvas_.logicalSize());
}

} // namespace graph
