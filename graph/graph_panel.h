#pragma once

#include "graph/canvas.h"
#include "graph/drawing_record.h"
#include "graph/plot_frame.h"
#include "graph/point_marks.h"

#include <QFrame>

#include <vector>

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

    // Labelled points over the picture, such as the ends of the lines just
    // drawn. While shown they are its last layer, drawn at the scale they
    // were given at; showing or hiding them redraws at once, and a Cls
    // forgets them.
    void setPointMarks(std::vector<PointMark> marks);
    const std::vector<PointMark>& pointMarks() const { return marks_; }
    void showPointMarks(bool shown);
    bool pointMarksShown() const { return marksShown_; }

    // The kept picture, for looking at what was drawn.
    const Canvas& canvas() const { return canvas_; }

    // Everything drawn since the last Cls, to draw again onto other devices.
    const DrawingRecord& record() const { return record_; }

signals:
    // The pointer moved over the panel, at world point (X, Y).
    void MouseMove(float X, float Y);
    // The wheel turned by whole notches over the panel: positive away from
    // the user, negative towards.
    void WheelTurned(int notches);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void fitCanvas();
    void drawn();
    void drawMarks();
    void eraseMarks();

    Canvas canvas_;
    DrawingRecord record_;
    bool repaintAsked_ = false;
    std::vector<PointMark> marks_;
    Canvas::State marksScale_; // the scale the marks were given at
    bool marksShown_ = false;
    bool marksDrawn_ = false; // in the picture and the record now
    qint64 wheelTurn_ = 0; // eighths of a degree not yet a whole notch
};

} // namespace graph
