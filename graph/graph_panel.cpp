#include "graph/graph_panel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
