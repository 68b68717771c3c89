// The plot frame and the tick marks on a bare canvas, and the panel that
// shows them.
#include "graph/canvas.h"
#include "graph/graph_panel.h"
#include "graph/plot_frame.h"
#include "graph/tick_text.h"

#include <QtTest>

using graph::TickStop;

Q_DECLARE_METATYPE(graph::TickStop)

class PlotFrameTest : public QObject {
    Q_OBJECT

private slots:
    void tickText_data();
    void tickText();
    void tickMarksStop_data();
    void tickMarksStop();
    void frameBeyondTheSingleRangeDrawsNothing_data();
    void frameBeyondTheSingleRangeDrawsNothing();
    void panelRepaintsOncePerCommand();
    void endNumbersOnlyWhereCut_data();
    void endNumbersOnlyWhereCut();
};

void PlotFrameTest::tickText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero: a blank in place of the sign") << 0 << " 0 ";
    QTest::newRow("positive") << 5 << " 5 ";
    QTest::newRow("negative") << -3 << "-3 ";
    QTest::newRow("largest counter") << 32767 << " 32767 ";
    QTest::newRow("smallest counter") << -32768 << "-32768 ";
    QTest::newRow("smallest counter negated") << 32768 << " 32768 ";
}

void PlotFrameTest::tickText()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(graph::tickText(n), text);
}

void PlotFrameTest::tickMarksStop_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<TickStop>("stop");
    QTest::addColumn<bool>("drawsTicks");
    QTest::newRow("default") << -10.0 << 10.0 << TickStop::Done << true;
    QTest::newRow("lower above upper: no ticks") << 10.0 << -10.0 << TickStop::Done << false;
    QTest::newRow("the widest numbered") << -32768.0 << 32766.0 << TickStop::Done << true;
    QTest::newRow("equal bounds") << 5.0 << 5.0 << TickStop::ScaleRefused << false;
    QTest::newRow("bounds equal as singles")
        << 1.0 << 1.00000001 << TickStop::ScaleRefused << false;
    QTest::newRow("beyond the single range") << -1e300 << 1e300 << TickStop::ScaleRefused << false;
    QTest::newRow("upper bound 40000") << -10.0 << 40000.0 << TickStop::CounterOverflow << false;
    QTest::newRow("lower bound's whole number -32769")
        << -32768.5 << 10.0 << TickStop::CounterOverflow << false;
    QTest::newRow("-1E+30..1E+30") << -1e30 << 1e30 << TickStop::CounterOverflow << false;
    QTest::newRow("upper bound 32767: x axis, then the limit")
        << 0.0 << 32767.0 << TickStop::CounterAtLimit << true;
}

void PlotFrameTest::tickMarksStop()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(TickStop, stop);
    QFETCH(bool, drawsTicks);
    graph::Canvas canvas({ 505, 463 });
    graph::drawFrame(canvas, lower, upper);
    const QImage frame = canvas.image();
    QCOMPARE(graph::drawTickMarks(canvas, lower, upper), stop);
    QCOMPARE(canvas.image() != frame, drawsTicks);
}

void PlotFrameTest::frameBeyondTheSingleRangeDrawsNothing_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::newRow("both bounds") << -1e300 << 1e300;
    // Every line of the frame ends at both bounds.
    QTest::newRow("the upper bound only") << -10.0 << 1e39;
    QTest::newRow("the lower bound only") << -1e39 << 10.0;
}

void PlotFrameTest::frameBeyondTheSingleRangeDrawsNothing()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    graph::Canvas canvas({ 60, 40 });
    graph::drawFrame(canvas, lower, upper);
    QImage white(canvas.image().size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(canvas.image(), white);
    // The later steps still ran.
    QCOMPARE(canvas.drawWidth(), 2);
    QCOMPARE(canvas.font().family(), "Arial Narrow");
}

// However many lines a command draws, the panel asks for one repaint, and
// asks again for the next command.
void PlotFrameTest::panelRepaintsOncePerCommand()
{
    graph::GraphPanel panel;
    panel.resize(200, 150);
    int paints = 0;
    struct Counter : QObject {
        int* paints;
        bool eventFilter(QObject*, QEvent* event) override
        {
            *paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    counter.paints = &paints;
    panel.installEventFilter(&counter);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    for (const double upper : { 10.0, 20.0 }) {
        QTRY_VERIFY(paints > 0);
        QTest::qWait(20);
        paints = 0;
        panel.Cls();
        panel.drawFrame(-10, upper);
        QCOMPARE(panel.drawTickMarks(-10, upper), TickStop::Done);
        panel.Line(-10, -10, 10, 10, qRgb(0, 128, 0));
        QCOMPARE(paints, 0); // not while drawing
        QTRY_COMPARE(paints, 1);
        QTest::qWait(20);
        QCOMPARE(paints, 1);
    }
}

void PlotFrameTest::endNumbersOnlyWhereCut_data()
{
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("printed");
    QTest::newRow("-10..10: 10 and -10 fall beyond the edges") << 10.0 << true;
    QTest::newRow("-10..5.9: they show already") << 5.9 << false;
}

// The far-end numbers go above the x-axis's right end and left of the
// y-axis's foot, and nowhere else; where the tick marks' own show, nothing.
void PlotFrameTest::endNumbersOnlyWhereCut()
{
    QFETCH(double, upper);
    QFETCH(bool, printed);
    const double lower = -10;
    graph::Canvas canvas({ 300, 300 });
    graph::drawFrame(canvas, lower, upper);
    graph::drawTickMarks(canvas, lower, upper);
    const QImage ticks = canvas.image();
    graph::drawEndNumbers(canvas, lower, upper);
    const QImage ends = canvas.image();
    const int axis = int(canvas.ColumnOf(0)); // the same row: the scale is square
    QRect changed;
    for (int y = 0; y < ends.height(); ++y)
        for (int x = 0; x < ends.width(); ++x)
            if (ends.pixel(x, y) != ticks.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    QCOMPARE(!changed.isNull(), printed);
    if (!printed)
        return;
    const QRect aboveRightEnd(axis + 15, 0, 300, axis), leftOfFoot(0, axis + 15, axis, 300);
    for (int y = changed.top(); y <= changed.bottom(); ++y)
        for (int x = changed.left(); x <= changed.right(); ++x)
            if (ends.pixel(x, y) != ticks.pixel(x, y))
                QVERIFY2(aboveRightEnd.contains(x, y) || leftOfFoot.contains(x, y),
                    qPrintable(QStringLiteral("changed at %1, %2").arg(x).arg(y)));
    QVERIFY(changed.right() >= 290 && changed.bottom() >= 290); // at the far ends
}

QTEST_MAIN(PlotFrameTest)
#include "plot_frame_test.moc"
