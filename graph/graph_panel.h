#pragma once

#include "graph/canvas.h"
#include "graph/drawing_record.h"
#include "graph/plot_frame.h"

#include <QFrame>

namespace graph {

// The graph panel p1: a bordered surface that keeps its drawing in a picture
// of its own (at the screen's device pixel ratio), shows it whenever it is
// uncovered, and reports pointer moves in world coordinates. Drawing asks for
// one repaint, however many steps a command draws.
class GraphPanel : public QFrame {
    Q_OBJECT

public:
    explicit GraphPanel(QWidget* parent = nullptr);

    // The panel operations, drawing into the kept picture.
    void Cls();
    void Scale(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, QRgb colour);

    // The plot frame and the tick marks for the range L..U (see plot_frame.h).
    void drawFrame(double L, double U);
    TickStop drawTickMarks(double L, double U);

    // The kept picture, for looking at what was drawn.
    const Canvas& canvas() const { return canvas_; }

    // Everything drawn since the last Cls, to draw again onto other devices.
    const DrawingRecord& record() const { return record_; }

signals:
    // The pointer moved over the panel, at world point (X, Y).
    void MouseMove(float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitCanvas();
    void drawn();

    Canvas canvas_;
    DrawingRecord record_;
    bool repaintAsked_ = false;
};

} // namespace graph
