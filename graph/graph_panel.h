#pragma once

#include "graph/canvas.h"
#include "graph/drawing_record.h"
#include "graph/outcome_drawing.h"
#include "graph/plot_frame.h"
#include "graph/point_marks.h"

#include <QFrame>
#include <QPointF>

#include <vector>

namespace graph {

// The graph panel p1: a bordered surface that keeps its drawing in a picture
// of its own (at the screen's device pixel ratio), shows it whenever it is
// uncovered, and reports pointer moves in world coordinates. Drawing asks for
// one repaint, however many steps a command draws.
//
// The end points of the lines a command drew can be picked up with the left
// button and dragged: the panel shows which can be picked and reports the
// drag in world coordinates; what a drag changes is the window's business.
class GraphPanel : public QFrame {
    Q_OBJECT

public:
    explicit GraphPanel(QWidget* parent = nullptr);

    // The panel operations, drawing into the kept picture.
    void Cls();
    void Scale(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, QRgb colour);

    // A line command's outcome, drawn as the graph shows it (see
    // outcome_drawing.h), over what is drawn already: its end points can be
    // picked up, and its labelled points are the picture's marks.
    OutcomeDrawn drawOutcome(
        const core::CommandResult& result, EndNumbers endNumbers = EndNumbers::Cut);

    // The plot frame and the tick marks for the range L..U (see plot_frame.h).
    void drawFrame(double L, double U);
    TickStop drawTickMarks(double L, double U);

    // Labelled points over the picture, such as the ends of the lines just
    // drawn. While shown they are its last layer, drawn at the scale they
    // were given at; showing or hiding them redraws at once, and a Cls
    // forgets them.
    void setPointMarks(std::vector<PointMark> marks);
    const std::vector<PointMark>& pointMarks() const { return pointMarks_; }
    void showPointMarks(bool shown);
    bool pointMarksShown() const { return pointMarksShown_; }

    // The kept picture, for looking at what was drawn.
    const Canvas& canvas() const { return canvas_; }

    // Everything drawn since the last Cls, to draw again onto other devices.
    const DrawingRecord& record() const { return record_; }

    // Lets the end points (x1, y1) and (x2, y2) of line `line` (1 or 2),
    // just drawn, be picked up, until the next Cls.
    void markEndPoints(int line, double x1, double y1, double x2, double y2);
    bool hasEndPoints(int line) const;

    // How near a press must come to an end point to pick it, in pixels.
    static constexpr double PickDistance = 6;

signals:
    // The pointer moved over the panel, at world point (X, Y).
    void MouseMove(float X, float Y);
    // The wheel turned by whole notches over the panel: positive away from
    // the user, negative towards.
    void WheelTurned(int notches);

    // A press picked end point `end` (1 or 2) of line `line`.
    void pointPicked(int line, int end);
    // The picked point is pulled to the world point `to`; `fine` while Shift
    // is held.
    void pointDragged(QPointF to, bool fine);
    void pointReleased();
    // Esc during a drag: the point goes back; the drag is over.
    void dragCancelled();
    // Undo (Ctrl+Z) while the panel has the focus and nothing is dragged.
    void undoAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Mark {
        int line;
        int end;
        QPointF at; // logical pixels inside the border, where it was drawn
    };

    void fitCanvas();
    void drawn();
    void drawPointMarks();
    void erasePointMarks();
    QPointF worldAt(const QMouseEvent* event) const;
    const Mark* markNear(QPointF at) const;
    void showPointer(const QMouseEvent* event);

    Canvas canvas_;
    DrawingRecord record_;
    bool repaintAsked_ = false;
    std::vector<Mark> marks_;
    bool dragging_ = false;
    std::vector<PointMark> pointMarks_;
    Canvas::State pointMarksScale_; // the scale the marks were given at
    bool pointMarksShown_ = false;
    bool pointMarksDrawn_ = false; // in the picture and the record now
    qint64 wheelTurn_ = 0; // eighths of a degree not yet a whole notch
};

} // namespace graph
