#include "graph/graph_panel.h"

#include "core/line_commands.h"
#include "look/graph_place.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <tuple>

namespace graph {

GraphPanel::GraphPanel(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(look::graphPanelBorder);
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
    marks_.clear();
    pointMarks_.clear();
    pointMarksDrawn_ = false;
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

OutcomeDrawn GraphPanel::drawOutcome(const core::CommandResult& result, EndNumbers endNumbers)
{
    fitCanvas();
    const OutcomeDrawn outcome = graph::drawOutcome(canvas_, &record_, result, endNumbers);
    for (const core::Segment& s : result.segments)
        markEndPoints(s.line, s.points.X1, -s.points.Y1, s.points.X2, -s.points.Y2);
    setPointMarks(outcomeMarks(result));
    drawn();
    return outcome;
}

void GraphPanel::markEndPoints(int line, double x1, double y1, double x2, double y2)
{
    std::erase_if(marks_, [line](const Mark& m) { return m.line == line; });
    // Where the segment's ends were drawn, in logical pixels.
    const qreal dpr = canvas_.devicePixelRatio();
    const auto at = [&](double x, double y) {
        return QPointF(canvas_.ColumnOf(x) / dpr, canvas_.RowOf(y) / dpr);
    };
    marks_.push_back({ line, 1, at(x1, y1) });
    marks_.push_back({ line, 2, at(x2, y2) });
}

bool GraphPanel::hasEndPoints(int line) const
{
    return std::any_of(
        marks_.begin(), marks_.end(), [line](const Mark& m) { return m.line == line; });
}

const GraphPanel::Mark* GraphPanel::markNear(QPointF at) const
{
    // The nearest within reach; of equally near ones, line one's.
    const Mark* nearest = nullptr;
    double best = PickDistance * PickDistance;
    for (const Mark& m : marks_) {
        const QPointF d = m.at - at;
        const double squared = d.x() * d.x() + d.y() * d.y();
        if (squared <= best && !(nearest && squared == best)) {
            nearest = &m;
            best = squared;
        }
    }
    return nearest;
}

void GraphPanel::setPointMarks(std::vector<PointMark> marks)
{
    erasePointMarks();
    pointMarks_ = std::move(marks);
    pointMarksScale_ = canvas_.state();
    if (pointMarksShown_)
        drawPointMarks();
}

void GraphPanel::showPointMarks(bool shown)
{
    if (shown == pointMarksShown_)
        return;
    pointMarksShown_ = shown;
    if (shown)
        drawPointMarks();
    else
        erasePointMarks();
}

void GraphPanel::drawPointMarks()
{
    if (pointMarks_.empty() || pointMarksDrawn_)
        return;
    // The pointer readout may have set another scale since the marks were
    // given; they belong to the picture's scale, and the readout's comes back.
    const Canvas::State now = canvas_.state();
    const Canvas::State& given = pointMarksScale_;
    const auto corners = [](const Canvas::State& s) { return std::tie(s.x1, s.y1, s.x2, s.y2); };
    const bool moved = corners(now) != corners(given);
    if (moved)
        Scale(given.x1, given.y1, given.x2, given.y2);
    for (const PointMark& mark : pointMarks_) {
        canvas_.Mark(mark);
        record_.Mark(mark);
    }
    if (moved)
        Scale(now.x1, now.y1, now.x2, now.y2);
    pointMarksDrawn_ = true;
    drawn();
}

void GraphPanel::erasePointMarks()
{
    if (!pointMarksDrawn_)
        return;
    // The picture without them is the record without them.
    record_.eraseMarks();
    record_.replay(canvas_);
    pointMarksDrawn_ = false;
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

QPointF GraphPanel::worldAt(const QMouseEvent* event) const
{
    return canvas_.ToWorld(event->position() - QPointF(contentsRect().topLeft()));
}

void GraphPanel::showPointer(const QMouseEvent* event)
{
    Qt::CursorShape shape = Qt::CrossCursor;
    if (dragging_)
        shape = Qt::ClosedHandCursor;
    else if (markNear(event->position() - QPointF(contentsRect().topLeft())))
        shape = Qt::OpenHandCursor;
    if (cursor().shape() != shape)
        setCursor(shape);
}

void GraphPanel::mouseMoveEvent(QMouseEvent* event)
{
    // The readout goes on during a drag: it reads the scale the drag draws.
    const QPointF world = worldAt(event);
    emit MouseMove(static_cast<float>(world.x()), static_cast<float>(world.y()));
    if (dragging_)
        emit pointDragged(worldAt(event), event->modifiers().testFlag(Qt::ShiftModifier));
    showPointer(event);
    QFrame::mouseMoveEvent(event);
}

void GraphPanel::mousePressEvent(QMouseEvent* event)
{
    // A press reads the pointer as a move does, so the right button that
    // opens the menu still updates the readout.
    const QPointF world = worldAt(event);
    emit MouseMove(static_cast<float>(world.x()), static_cast<float>(world.y()));
    if (event->button() == Qt::LeftButton && !dragging_) {
        if (const Mark* m = markNear(event->position() - QPointF(contentsRect().topLeft()))) {
            dragging_ = true;
            showPointer(event);
            emit pointPicked(m->line, m->end);
            event->accept();
            return;
        }
    }
    QFrame::mousePressEvent(event);
}

void GraphPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        emit pointReleased();
        showPointer(event);
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void GraphPanel::keyPressEvent(QKeyEvent* event)
{
    if (dragging_ && event->key() == Qt::Key_Escape) {
        dragging_ = false;
        setCursor(Qt::CrossCursor);
        emit dragCancelled();
        return;
    }
    if (!dragging_ && event->matches(QKeySequence::Undo)) {
        emit undoAsked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void GraphPanel::wheelEvent(QWheelEvent* event)
{
    event->accept();
    // A zoom redraws the range a drag snaps to: not while one goes on.
    if (dragging_)
        return;
    // A notch is 120 eighths of a degree; fine wheels and touchpads send
    // parts of one, which add up until they make whole notches.
    // A turn the other way starts afresh, as scrolling does: half a notch
    // up, then a notch down, zooms out once.
    const int turn = event->angleDelta().y();
    if ((turn < 0 && wheelTurn_ > 0) || (turn > 0 && wheelTurn_ < 0))
        wheelTurn_ = 0;
    wheelTurn_ += turn;
    const qint64 notches = wheelTurn_ / 120;
    wheelTurn_ -= notches * 120;
    if (notches != 0)
        emit WheelTurned(static_cast<int>(notches));
}

void GraphPanel::fitCanvas()
{
    const QSize inner = contentsRect().size();
    const QSize old = canvas_.logicalSize();
    if (inner == old && qFuzzyCompare(devicePixelRatioF(), canvas_.devicePixelRatio()))
        return;
    canvas_.Resize(inner, devicePixelRatioF());
    // The picture is stretched to the new size, and its end points with it.
    const QSize now = canvas_.logicalSize();
    if (!old.isEmpty())
        for (Mark& m : marks_)
            m.at = QPointF(
                m.at.x() * now.width() / old.width(), m.at.y() * now.height() / old.height());
    record_.setLogicalSize(canvas_.logicalSize());
}

} // namespace graph
