#include "core/errors.h"
#include "graph/canvas.h"
#include "graph/qb_color.h"

#include <QtTest>

#include <cmath>

using graph::Canvas;
using graph::QBColor;

class CanvasTest : public QObject {
    Q_OBJECT

private slots:
    void palette_data();
    void palette();
    void cornersMapToTheEdgePixels_data();
    void cornersMapToTheEdgePixels();
    void zeroExtentIsRefusedAndTheOldScaleStays();
    void coordinatesBeyondTheSingleRangeOverflow();
    void clippedLineOffTheOriginCrossesTheEdgesWhereItShould_data();
    void clippedLineOffTheOriginCrossesTheEdgesWhereItShould();
    void mirroredScaleFlipsTheDrawing();
    void widthTwoCoversTwoPixels();
    void clsKeepsScaleAndWidth();
    void resizeStretchesWhatWasDrawn();
    void toWorldInvertsTheScale_data();
    void toWorldInvertsTheScale();
    void printDrawsOnlyGlyphs();
    void deviceRatioTwoDrawsAtFullResolution();
    void walkVisitsEachDistinctColumnOnce_data();
    void walkVisitsEachDistinctColumnOnce();
};

void CanvasTest::palette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    const int rgb[16][3] = { { 0, 0, 0 }, { 0, 0, 128 }, { 0, 128, 0 }, { 0, 128, 128 },
        { 128, 0, 0 }, { 128, 0, 128 }, { 128, 128, 0 }, { 192, 192, 192 }, { 128, 128, 128 },
        { 0, 0, 255 }, { 0, 255, 0 }, { 0, 255, 255 }, { 255, 0, 0 }, { 255, 0, 255 },
        { 255, 255, 0 }, { 255, 255, 255 } };
    for (int i = 0; i < 16; ++i)
        QTest::addRow("index %d", i) << i << QColor(rgb[i][0], rgb[i][1], rgb[i][2]);
}

void CanvasTest::palette()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);
    QCOMPARE(QColor(QBColor(index)), colour);
}

void CanvasTest::cornersMapToTheEdgePixels_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPoint>("pixel");
    // Scale (-10, -10)-(10, 10) on a 100 x 50 picture: 5 pixels a unit
    // across, 2.5 down. The second corner falls at (100, 50), one pixel
    // beyond the last, and does not show.
    QTest::newRow("top-left corner") << -10.0 << -10.0 << QPoint(0, 0);
    QTest::newRow("bottom-right corner, outside") << 10.0 << 10.0 << QPoint(-1, -1);
    QTest::newRow("last pixel: 19.8 * 5 = 99, 19.6 * 2.5 = 49") << 9.8 << 9.6 << QPoint(99, 49);
    QTest::newRow("centre") << 0.0 << 0.0 << QPoint(50, 25);
    QTest::newRow("quarter across") << -5.0 << 0.0 << QPoint(25, 25);
}

void CanvasTest::cornersMapToTheEdgePixels()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPoint, pixel);
    Canvas canvas({ 100, 50 });
    canvas.Scale(-10, -10, 10, 10);
    canvas.Line(x, y, x, y, qRgb(255, 0, 0));
    const QImage& image = canvas.image();
    const bool shows = pixel != QPoint(-1, -1);
    if (shows)
        QCOMPARE(QColor(image.pixel(pixel)), QColor(255, 0, 0));
    int red = 0;
    for (int r = 0; r < image.height(); ++r)
        for (int c = 0; c < image.width(); ++c)
            red += image.pixel(c, r) == qRgb(255, 0, 0);
    QCOMPARE(red, shows ? 1 : 0);
}

void CanvasTest::zeroExtentIsRefusedAndTheOldScaleStays()
{
    Canvas canvas({ 101, 101 });
    canvas.Scale(0, 0, 100, 100);
    QVERIFY_THROWS_EXCEPTION(core::Overflow, canvas.Scale(5, 5, 5, 5));
    QVERIFY_THROWS_EXCEPTION(core::Overflow, canvas.Scale(0, 5, 10, 5));
    canvas.Line(30, 0, 30, 100, qRgb(0, 0, 255));
    QCOMPARE(QColor(canvas.image().pixel(30, 40)), QColor(0, 0, 255));
}

void CanvasTest::coordinatesBeyondTheSingleRangeOverflow()
{
    Canvas canvas({ 50, 50 });
    QVERIFY_THROWS_EXCEPTION(core::Overflow, canvas.Line(0, 0, 1e39, 0, qRgb(0, 0, 0)));
    QVERIFY_THROWS_EXCEPTION(core::Overflow, canvas.Scale(-1e300, -1e300, 1e300, 1e300));
    // Within the single range, however far outside the picture: drawn, clipped.
    canvas.Scale(-10, -10, 10, 10);
    canvas.Line(-3e38, 0, 3e38, 0, qRgb(0, 128, 0));
    QCOMPARE(QColor(canvas.image().pixel(0, 25)), QColor(0, 128, 0));
    QCOMPARE(QColor(canvas.image().pixel(49, 25)), QColor(0, 128, 0));
    // A diagonal through the centre whose ends lie astronomically far out.
    canvas.Cls();
    canvas.Line(-3e38, -3e38, 3e38, 3e38, qRgb(0, 0, 255));
    for (const QPoint p : { QPoint(0, 0), QPoint(25, 25), QPoint(49, 49) })
        QCOMPARE(QColor(canvas.image().pixel(p)), QColor(0, 0, 255));
}

void CanvasTest::clippedLineOffTheOriginCrossesTheEdgesWhereItShould_data()
{
    QTest::addColumn<QLineF>("segment"); // world
    QTest::addColumn<QPoint>("enters"); // pixels the line passes through, worked out by hand
    QTest::addColumn<QPoint>("leaves");
    // Scale (-10, -10)-(10, 10) on 201 x 201 pixels: pixel = 10 * (world + 10).
    // y = 5 + x / 20 meets x = -10 at y = 4.5 and x = 10 at y = 5.5.
    QTest::newRow("both ends beyond the left and right edges")
        << QLineF(-20, 4, 20, 6) << QPoint(0, 145) << QPoint(200, 155);
    // x = 5 + y / 20 meets y = -10 at x = 4.5 and y = 10 at x = 5.5.
    QTest::newRow("both ends beyond the top and bottom edges")
        << QLineF(4, -20, 6, 20) << QPoint(145, 0) << QPoint(155, 200);
    // From (0, 5) inside; meets x = 10 at y = 5.5.
    QTest::newRow("one end inside") << QLineF(0, 5, 40, 7) << QPoint(100, 150) << QPoint(200, 155);
    // y = -5 - x / 20 meets x = -10 at y = -4.5 and x = 10 at y = -5.5.
    QTest::newRow("falling, both ends outside")
        << QLineF(-20, -4, 20, -6) << QPoint(0, 55) << QPoint(200, 45);
}

// The lines through the origin hide a wrong constant term in the clip; these
// do not pass through it.
void CanvasTest::clippedLineOffTheOriginCrossesTheEdgesWhereItShould()
{
    QFETCH(QLineF, segment);
    QFETCH(QPoint, enters);
    QFETCH(QPoint, leaves);
    Canvas canvas({ 201, 201 });
    canvas.Scale(-10, -10, 10, 10);
    canvas.Line(segment.x1(), segment.y1(), segment.x2(), segment.y2(), qRgb(0, 0, 255));
    const QImage& image = canvas.image();
    // The line passes through these pixels, give or take the rounding of a
    // drawn line to whole pixels.
    const auto reaches = [&](QPoint p) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(p + QPoint(dx, dy))
                    && image.pixel(p + QPoint(dx, dy)) == qRgb(0, 0, 255))
                    return true;
        return false;
    };
    QVERIFY(reaches(enters));
    QVERIFY(reaches(leaves));
    // Every pixel drawn lies on the line, to within the rounding of its ends
    // and of the pixels between.
    const QLineF pixels((segment.x1() + 10) * 10, (segment.y1() + 10) * 10,
        (segment.x2() + 10) * 10, (segment.y2() + 10) * 10);
    const QPointF d = pixels.p2() - pixels.p1();
    for (int r = 0; r < image.height(); ++r)
        for (int c = 0; c < image.width(); ++c)
            if (image.pixel(c, r) == qRgb(0, 0, 255)) {
                const QPointF v = QPointF(c, r) - pixels.p1();
                const double off = std::abs(v.x() * d.y() - v.y() * d.x()) / pixels.length();
                QVERIFY2(off <= 1.5, qPrintable(QStringLiteral("(%1, %2)").arg(c).arg(r)));
            }
}

void CanvasTest::mirroredScaleFlipsTheDrawing()
{
    Canvas canvas({ 101, 101 });
    canvas.Scale(10, 10, -10, -10);
    canvas.Line(8, -10, 8, 10, qRgb(128, 0, 128)); // x = 8 lies near the left edge
    QCOMPARE(QColor(canvas.image().pixel(10, 50)), QColor(128, 0, 128));
    QCOMPARE(QColor(canvas.image().pixel(90, 50)), QColor(Qt::white));
}

void CanvasTest::widthTwoCoversTwoPixels()
{
    Canvas canvas({ 41, 41 });
    canvas.Scale(0, 0, 40, 40);
    canvas.DrawWidth(2);
    canvas.Line(20, 5, 20, 35, qRgb(255, 0, 0));
    int columns = 0;
    for (int c = 0; c < 41; ++c)
        columns += canvas.image().pixel(c, 20) == qRgb(255, 0, 0);
    QCOMPARE(columns, 2);
}

void CanvasTest::clsKeepsScaleAndWidth()
{
    Canvas canvas({ 41, 41 });
    canvas.Scale(0, 0, 40, 40);
    canvas.DrawWidth(2);
    canvas.Line(0, 10, 40, 10, qRgb(0, 0, 0));
    canvas.Cls();
    QCOMPARE(QColor(canvas.image().pixel(20, 10)), QColor(Qt::white));
    QCOMPARE(canvas.drawWidth(), 2);
    canvas.Line(10, 0, 10, 40, qRgb(0, 0, 0));
    QCOMPARE(QColor(canvas.image().pixel(10, 20)), QColor(Qt::black));
}

void CanvasTest::resizeStretchesWhatWasDrawn()
{
    Canvas canvas({ 41, 41 });
    canvas.Scale(0, 0, 40, 40);
    canvas.DrawWidth(4);
    canvas.Line(20, 0, 20, 40, qRgb(0, 0, 255)); // columns 19 to 22
    canvas.Resize({ 82, 82 }, 1);
    // The stripe, twice as wide, still in the middle until drawn anew.
    QCOMPARE(QColor(canvas.image().pixel(41, 40)), QColor(0, 0, 255));
    QCOMPARE(QColor(canvas.image().pixel(10, 40)), QColor(Qt::white));
    // Cleared, nothing is stretched back.
    canvas.Cls();
    canvas.Resize({ 41, 41 }, 1);
    QCOMPARE(QColor(canvas.image().pixel(20, 20)), QColor(Qt::white));
}

void CanvasTest::toWorldInvertsTheScale_data()
{
    QTest::addColumn<QPointF>("logical");
    QTest::addColumn<QPointF>("world");
    // X = L + c * (U - L) / W on a 100 x 50 picture of (-10, -10)-(10, 10).
    QTest::newRow("first pixel") << QPointF(0, 0) << QPointF(-10, -10);
    QTest::newRow("last pixel, narrowed to single") << QPointF(99, 49) << QPointF(9.8f, 9.6f);
    QTest::newRow("beyond the last pixel") << QPointF(100, 50) << QPointF(10, 10);
    QTest::newRow("middle") << QPointF(50, 25) << QPointF(0, 0);
}

void CanvasTest::toWorldInvertsTheScale()
{
    QFETCH(QPointF, logical);
    QFETCH(QPointF, world);
    Canvas canvas({ 100, 50 });
    canvas.Scale(-10, -10, 10, 10);
    QCOMPARE(canvas.ToWorld(logical), world);
}

void CanvasTest::printDrawsOnlyGlyphs()
{
    Canvas canvas({ 60, 30 });
    canvas.Scale(0, 0, 59, 29);
    canvas.Line(0, 0, 59, 29, qRgb(0, 255, 0));
    canvas.Line(0, 0, 0, 0, qRgb(0, 255, 0)); // current position (0, 0)
    canvas.Print(QStringLiteral(" 88 "));
    const QImage& image = canvas.image();
    int dark = 0, green = 0;
    for (int r = 0; r < image.height(); ++r)
        for (int c = 0; c < image.width(); ++c) {
            dark += qGray(image.pixel(c, r)) < 100;
            green += image.pixel(c, r) == qRgb(0, 255, 0);
        }
    QVERIFY(dark > 5); // glyphs were drawn
    QVERIFY(green > 20); // and the line beneath still shows between them
}

void CanvasTest::deviceRatioTwoDrawsAtFullResolution()
{
    Canvas canvas({ 50, 40 }, 2.0);
    QCOMPARE(canvas.image().size(), QSize(100, 80));
    canvas.Scale(0, 0, 10, 10);
    canvas.Line(5, 0, 5, 10, qRgb(255, 0, 0)); // width 1 logical = 2 device pixels
    int columns = 0;
    for (int c = 0; c < 100; ++c)
        columns += canvas.image().pixel(c, 40) == qRgb(255, 0, 0);
    QCOMPARE(columns, 2);
}

void CanvasTest::walkVisitsEachDistinctColumnOnce_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::newRow("default") << -10.0 << 10.0;
    QTest::newRow("fractional bounds") << -2.5 << 3.5;
    QTest::newRow("-1000..1000") << -1000.0 << 1000.0;
    QTest::newRow("-32768..32766") << -32768.0 << 32766.0;
    QTest::newRow("offset far right") << 1e6 << 1e6 + 3000;
}

void CanvasTest::walkVisitsEachDistinctColumnOnce()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    Canvas canvas({ 509, 467 });
    canvas.Scale(lower, lower, upper, upper);
    const double first = std::floor(lower), last = std::floor(upper);

    QSet<double> plain;
    for (double i = first; i <= last; i += 1) {
        const double c = canvas.ColumnOf(i);
        if (c >= -3 && c < canvas.image().width() + 3)
            plain.insert(c);
    }
    QSet<double> walked;
    int steps = 0;
    for (double i = first; i <= last; ++steps) {
        const double c = canvas.ColumnOf(i);
        QVERIFY2(!walked.contains(c), "a column visited twice");
        if (c >= -3 && c < canvas.image().width() + 3)
            walked.insert(c);
        const auto next = canvas.NextWholeInNewColumn(i, last);
        if (!next)
            break;
        QVERIFY(*next > i);
        i = *next;
    }
    QCOMPARE(walked, plain);
    QVERIFY(steps <= canvas.image().width() + 8);
}

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
