#pragma once

#include "graph/canvas.h"

#include <QFrame>

namespace graph {

// The graph panel p1: a bordered surface that keeps its drawing in a picture
// of its own (at the screen's device pixel ratio), shows it whenever it is
// uncovered, and reports pointer moves in world coordinates.
class GraphPanel : public QFrame {
    Q_OBJECT

public:
    explicit GraphPanel(QWidget* parent = nullptr);

    // The panel operations, drawing into the kept picture.
    void Cls();
    void Scale(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, QRgb colour);
    void DrawWidth(int pixels);
    void FontName(const QString& family);
    void Print(const QString& text);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

signals:
    // The pointer moved over the panel, at world point (X, Y).
    void MouseMove(float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitCanvas();

    Canvas canvas_;
};

} // namespace graph
