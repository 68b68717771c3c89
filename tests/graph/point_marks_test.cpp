// Labelled points: the dot where a line ending there ends, the label beside
// it and whole inside the picture, kept in the record and taken out again;
// and the panel's wheel counted in whole notches.
#include "graph/canvas.h"
#include "graph/drawing_record.h"
#include "graph/graph_panel.h"
#include "graph/point_marks.h"
#include "graph/qb_color.h"
#include "tests/support/colour_ink.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include <limits>

namespace {

const QRgb cyan = graph::QBColor(3);
const QString label = QStringLiteral("(-6, 10)");

struct Ink {
    int left = 0, right = 0, above = 0, below = 0, total = 0;
};

// The ink of `colour` around pixel (px, py), leaving out the dot's square.
Ink inkAround(const QImage& image, int px, int py, int dot, QRgb colour)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(x - px) <= dot && std::abs(y - py) <= dot)
                continue;
            if (test_support::inkOf(image.pixel(x, y), colour) <= 0.05)
                continue;
            ++ink.total;
            ink.left += x < px;
            ink.right += x > px;
            ink.above += y < py;
            ink.below += y > py;
        }
    return ink;
}

// The device pixel a line ending at (x, y) ends in, within the picture.
QPoint endPixel(const graph::Canvas& canvas, double x, double y)
{
    const QLine at = *canvas.SegmentPixels(x, y, x, y);
    return { std::clamp(at.x1(), 0, canvas.image().width() - 1),
        std::clamp(at.y1(), 0, canvas.image().height() - 1) };
}

graph::PointMark mark(double x, double y)
{
    return { x, y, cyan, label };
}

void sendWheel(QWidget& widget, QPoint angle)
{
    // A touchpad's pixel delta comes along; the angle is what counts.
    QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(0, 7), angle, Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class PointMarksTest : public QObject {
    Q_OBJECT

private slots:
    void labelBesideTheDot_data();
    void labelBesideTheDot();
    void gridDoesNotRunThroughTheLabel();
    void outsideThePictureNothingIsMarked_data();
    void outsideThePictureNothingIsMarked();
    void recordKeepsAndErasesTheMarks();
    void marksKeepTheScaleTheyWereGivenAt();
    void wheelCountsWholeNotches_data();
    void wheelCountsWholeNotches();
    void wheelWaitsForTheDrag();
};

void PointMarksTest::labelBesideTheDot_data()
{
    QTest::addColumn<double>("dpr");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPointF>("lean");
    QTest::addColumn<int>("across"); // where the label shows: -1 left, 0 both sides, 1 right
    QTest::addColumn<int>("down"); // -1 above, 0 both, 1 below
    // The panel's world y grows downwards: y = -10 is the top edge.
    const QPointF upRight(1, -1);
    for (const double dpr : { 1.0, 2.0 }) {
        const auto row = [dpr](const char* name) -> QTestData& {
            return QTest::addRow("%s at %gx", name, dpr) << dpr;
        };
        row("middle") << 0.0 << 0.0 << upRight << 1 << -1;
        row("middle, leaning down and left") << 0.0 << 0.0 << QPointF(-3, 2) << -1 << 1;
        row("middle, leaning nearly level") << 0.0 << 0.0 << QPointF(5, 1) << 1 << 0;
        row("middle, leaning nearly upright") << 0.0 << 0.0 << QPointF(-1, -5) << 0 << -1;
        row("left edge") << -10.0 << 0.0 << upRight << 1 << -1;
        row("left edge, leaning left") << -10.0 << 0.0 << QPointF(-1, -1) << 1 << -1;
        row("right edge") << 10.0 << 0.0 << upRight << -1 << -1;
        row("near the right edge") << 9.0 << 3.0 << upRight << -1 << -1;
        row("top edge") << 0.0 << -10.0 << upRight << 1 << 1;
        row("bottom edge, leaning down") << 0.0 << 10.0 << QPointF(1, 1) << 1 << -1;
        row("top right corner") << 10.0 << -10.0 << upRight << -1 << 1;
        row("bottom left corner") << -10.0 << 10.0 << upRight << 1 << -1;
        row("bottom right corner") << 10.0 << 10.0 << upRight << -1 << -1;
    }
}

void PointMarksTest::labelBesideTheDot()
{
    QFETCH(double, dpr);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPointF, lean);
    QFETCH(int, across);
    QFETCH(int, down);
    const auto marked = [dpr](double x, double y, QPointF lean) {
        auto canvas = std::make_unique<graph::Canvas>(QSize(200, 160), dpr);
        canvas->Scale(-10, -10, 10, 10);
        graph::PointMark m = mark(x, y);
        m.leanX = lean.x();
        m.leanY = lean.y();
        canvas->Mark(m);
        return canvas;
    };
    const auto canvas = marked(x, y, lean);
    const QImage& image = canvas->image();
    const QPoint at = endPixel(*canvas, x, y);
    const int d = qRound(dpr);
    for (int dy = -d; dy <= d; ++dy)
        for (int dx = -d; dx <= d; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p))
                QCOMPARE(QColor(image.pixel(p)), QColor(cyan));
        }
    const int dot = 3 * d;
    const Ink ink = inkAround(image, at.x(), at.y(), dot, cyan);
    QVERIFY2(ink.total > 20 * d * d, qPrintable(QString::number(ink.total)));
    QCOMPARE(ink.right > 0, across >= 0);
    QCOMPARE(ink.left > 0, across <= 0);
    QCOMPARE(ink.above > 0, down <= 0);
    QCOMPARE(ink.below > 0, down >= 0);
    // The whole label shows: as much ink as in the middle of the picture.
    const auto middle = marked(0, 0, QPointF(1, -1));
    const QPoint centre = endPixel(*middle, 0, 0);
    QCOMPARE(ink.total, inkAround(middle->image(), centre.x(), centre.y(), dot, cyan).total);
}

void PointMarksTest::gridDoesNotRunThroughTheLabel()
{
    graph::Canvas canvas(QSize(200, 160));
    canvas.Scale(-10, -10, 10, 10);
    const QRgb grey = graph::QBColor(8);
    for (double y = -10; y < 10; y += 0.25)
        canvas.Line(-10, y, 10, y, grey);
    canvas.Mark(mark(0, 0));
    const QImage& image = canvas.image();
    const QPoint at = endPixel(canvas, 0, 0);
    // Well inside the label, which stands up and to the right of the dot.
    int greyInside = 0, greyBeside = 0;
    for (int y = at.y() - 14; y <= at.y() - 6; ++y)
        for (int x = at.x() + 8; x <= at.x() + 35; ++x) {
            greyInside += image.pixel(x, y) == (grey | 0xff000000u);
            greyBeside += image.pixel(x - 50, y) == (grey | 0xff000000u);
        }
    QCOMPARE(greyInside, 0);
    QVERIFY(greyBeside > 50);
    QVERIFY(inkAround(image, at.x(), at.y(), 3, cyan).total > 20);
}

void PointMarksTest::outsideThePictureNothingIsMarked_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("right of it") << 10.5 << 0.0;
    QTest::newRow("above it") << 0.0 << -10.25;
    QTest::newRow("beyond the single range") << 1e300 << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0;
}

void PointMarksTest::outsideThePictureNothingIsMarked()
{
    QFETCH(double, x);
    QFETCH(double, y);
    graph::Canvas canvas(QSize(120, 100));
    canvas.Scale(-10, -10, 10, 10);
    const QImage blank = canvas.image().copy();
    canvas.Mark(mark(x, y));
    QCOMPARE(canvas.image(), blank);
}

void PointMarksTest::recordKeepsAndErasesTheMarks()
{
    const auto draw = [](graph::GraphPanel& panel) {
        panel.Cls();
        panel.drawFrame(-10, 10);
        panel.drawTickMarks(-10, 10);
        panel.Line(-6, 0, 8, -7, cyan);
    };
    graph::GraphPanel plain, marked;
    plain.resize(300, 280);
    marked.resize(300, 280);
    draw(plain);
    draw(marked);
    const QImage before = plain.canvas().image();
    marked.setPointMarks({ mark(-6, 0), mark(8, -7) });
    QCOMPARE(marked.canvas().image(), before); // hidden until shown
    marked.showPointMarks(true);
    const QImage shown = marked.canvas().image();
    QVERIFY(shown != before);
    QCOMPARE(marked.record().image(), shown);
    // Beyond the end of the line, where only the dot reaches.
    const QPoint beyond = endPixel(marked.canvas(), 8, -7) + QPoint(2, -1);
    QCOMPARE(QColor(shown.pixel(beyond)), QColor(cyan));
    QCOMPARE(QColor(before.pixel(beyond)), QColor(Qt::white));
    marked.showPointMarks(false);
    QCOMPARE(marked.canvas().image(), before);
    QCOMPARE(marked.record().image(), before);
    // A Cls forgets them: the next picture has none while they stay shown.
    marked.showPointMarks(true);
    draw(marked);
    QVERIFY(marked.pointMarks().empty());
    QCOMPARE(marked.canvas().image(), before);
}

void PointMarksTest::marksKeepTheScaleTheyWereGivenAt()
{
    graph::GraphPanel early, late;
    for (graph::GraphPanel* panel : { &early, &late }) {
        panel->resize(300, 280);
        panel->Cls();
        panel->drawFrame(-10, 10);
    }
    early.showPointMarks(true);
    early.setPointMarks({ mark(2, -4) });
    late.setPointMarks({ mark(2, -4) });
    // The pointer readout sets the scale of a range typed but not drawn yet.
    late.Scale(-20, -20, 20, 20);
    late.showPointMarks(true);
    QCOMPARE(late.canvas().image(), early.canvas().image());
    QCOMPARE(late.record().image(), early.canvas().image());
    const graph::Canvas::State now = late.canvas().state();
    QCOMPARE(
        QList<double>({ now.x1, now.y1, now.x2, now.y2 }), QList<double>({ -20, -20, 20, 20 }));
}

void PointMarksTest::wheelCountsWholeNotches_data()
{
    QTest::addColumn<QList<int>>("angles");
    QTest::addColumn<QList<int>>("notches");
    QTest::newRow("one notch up") << QList<int> { 120 } << QList<int> { 1 };
    QTest::newRow("one notch down") << QList<int> { -120 } << QList<int> { -1 };
    QTest::newRow("three notches in one event") << QList<int> { 360 } << QList<int> { 3 };
    QTest::newRow("four small steps") << QList<int> { 30, 30, 30, 30 } << QList<int> { 1 };
    QTest::newRow("three small steps") << QList<int> { 30, 30, 30 } << QList<int> {};
    QTest::newRow("small turns back and forth") << QList<int> { 90, -30, 60 } << QList<int> {};
    QTest::newRow("half a notch up, then a notch down")
        << QList<int> { 60, -120 } << QList<int> { -1 };
    QTest::newRow("three quarters down, then a notch up")
        << QList<int> { -90, 120 } << QList<int> { 1 };
    QTest::newRow("a step and a half, then a half")
        << QList<int> { -180, -60 } << QList<int> { -1, -1 };
    QTest::newRow("down, then back up") << QList<int> { -60, -60, 120, 15 } << QList<int> { -1, 1 };
}

void PointMarksTest::wheelCountsWholeNotches()
{
    QFETCH(QList<int>, angles);
    QFETCH(QList<int>, notches);
    graph::GraphPanel panel;
    panel.resize(200, 200);
    QSignalSpy spy(&panel, &graph::GraphPanel::WheelTurned);
    sendWheel(panel, QPoint(240, 0)); // turned sideways: no zoom, and nothing kept
    for (const int angle : angles)
        sendWheel(panel, QPoint(0, angle));
    QList<int> got;
    for (const QList<QVariant>& signal : spy)
        got << signal.at(0).toInt();
    QCOMPARE(got, notches);
}

void PointMarksTest::wheelWaitsForTheDrag()
{
    graph::GraphPanel panel;
    panel.resize(200, 200);
    panel.Cls();
    panel.Scale(-10, -10, 10, 10);
    panel.markEndPoints(1, 0, 0, 5, 5);
    QSignalSpy picked(&panel, &graph::GraphPanel::pointPicked);
    QSignalSpy turned(&panel, &graph::GraphPanel::WheelTurned);
    const graph::Canvas& canvas = panel.canvas();
    const QPoint at = panel.contentsRect().topLeft()
        + QPoint(int(canvas.ColumnOf(0) / canvas.devicePixelRatio()),
            int(canvas.RowOf(0) / canvas.devicePixelRatio()));
    QTest::mousePress(&panel, Qt::LeftButton, {}, at);
    QCOMPARE(picked.size(), 1);
    // Turned during the drag, the wheel neither zooms nor keeps its part-notch.
    sendWheel(panel, QPoint(0, 120));
    sendWheel(panel, QPoint(0, 60));
    QCOMPARE(turned.size(), 0);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, at);
    sendWheel(panel, QPoint(0, 60));
    QCOMPARE(turned.size(), 0);
    sendWheel(panel, QPoint(0, 120));
    QCOMPARE(turned.size(), 1);
    QCOMPARE(turned.at(0).at(0).toInt(), 1);
}

QTEST_MAIN(PointMarksTest)
#include "point_marks_test.moc"
