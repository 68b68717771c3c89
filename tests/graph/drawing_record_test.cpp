// The panel's kept drawing, drawn again: the same pixels as the screen, an
// SVG that looks the same, and a bounded SVG at the widest range.
#include "graph/drawing_record.h"
#include "graph/graph_panel.h"
#include "graph/picture_file.h"
#include "graph/qb_color.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The both-lines picture for the range, through the panel as the window draws it.
void draw(graph::GraphPanel& panel, double L, double U)
{
    panel.Cls();
    panel.drawFrame(L, U);
    panel.drawTickMarks(L, U);
    panel.Line(-6, 0, 8, -7, graph::QBColor(3));
    panel.Line(-7, 5, 6, -8, graph::QBColor(2));
}

} // namespace

class DrawingRecordTest : public QObject {
    Q_OBJECT

private slots:
    void ranges_data();
    void replayedImageIsTheScreenPicture_data() { ranges_data(); }
    void replayedImageIsTheScreenPicture();
    void svgLooksLikeTheScreen_data() { ranges_data(); }
    void svgLooksLikeTheScreen();
    void widestRangeSvgIsBounded();
    void scaledPngIsScaled();
    void formatFromTheExtension_data();
    void formatFromTheExtension();
};

void DrawingRecordTest::ranges_data()
{
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("U");
    for (const auto& [l, u] :
        std::initializer_list<std::pair<double, double>> { { -10, 10 }, { -2.5, 3.5 }, { 0, 20 },
            { 10, -10 }, { 0.5, 0.7 }, { -100, 100 }, { -1000, 1000 }, { -32768, 32766 } })
        QTest::addRow("%g..%g", l, u) << l << u;
}

void DrawingRecordTest::replayedImageIsTheScreenPicture()
{
    QFETCH(double, L);
    QFETCH(double, U);
    graph::GraphPanel panel;
    panel.resize(509, 467);
    draw(panel, L, U);
    const QImage screen = panel.canvas().image();
    QCOMPARE(panel.record().logicalSize(), QSize(505, 463));
    QCOMPARE(panel.record().image(panel.devicePixelRatioF()), screen);
}

void DrawingRecordTest::svgLooksLikeTheScreen()
{
    QFETCH(double, L);
    QFETCH(double, U);
    graph::GraphPanel panel;
    panel.resize(509, 467);
    draw(panel, L, U);
    const QImage screen = panel.canvas().image();
    QSvgRenderer renderer(panel.record().svg());
    QVERIFY(renderer.isValid());
    QImage back(screen.size(), QImage::Format_RGB32);
    back.fill(Qt::white);
    QPainter painter(&back);
    renderer.render(&painter);
    painter.end();
    // Lines are the same strokes; the numbers are text, smoothed by the
    // renderer and, where many fall on one point, written once. A pixel
    // counts as different when a channel differs by more than a quarter of
    // its range: at most 3 % of the picture may.
    qsizetype differing = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb a = screen.pixel(x, y), b = back.pixel(x, y);
            differing += std::abs(qRed(a) - qRed(b)) > 64 || std::abs(qGreen(a) - qGreen(b)) > 64
                || std::abs(qBlue(a) - qBlue(b)) > 64;
        }
    const double share = double(differing) / (screen.width() * screen.height());
    QVERIFY2(share <= 0.03, qPrintable(QString::number(share * 100) + " % differ"));
}

void DrawingRecordTest::widestRangeSvgIsBounded()
{
    graph::GraphPanel panel;
    panel.resize(509, 467);
    draw(panel, -32768, 32766);
    const QByteArray svg = panel.record().svg();
    QVERIFY2(svg.size() <= 2 * 1024 * 1024, qPrintable(QString::number(svg.size())));
    // Still numbers along both axes, as text.
    QVERIFY(svg.count("<text") > 200);
}

void DrawingRecordTest::scaledPngIsScaled()
{
    graph::GraphPanel panel;
    panel.resize(509, 467);
    draw(panel, -10, 10);
    QTemporaryDir dir;
    const QString file = dir.filePath("graph.png");
    const words::FileWritten written
        = graph::writePicture(panel.record(), file, graph::PictureFormat::Png, 3);
    QVERIFY2(bool(written), qPrintable(written.failure.value_or(QString())));
    QCOMPARE(QImage(file).size(), QSize(1515, 1389));
}

void DrawingRecordTest::formatFromTheExtension_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("format"); // -1: none
    QTest::newRow("png") << "a.png" << int(graph::PictureFormat::Png);
    QTest::newRow("svg, capitals") << "dir.x/A.SVG" << int(graph::PictureFormat::Svg);
    QTest::newRow("pdf") << "a.b.pdf" << int(graph::PictureFormat::Pdf);
    QTest::newRow("gif") << "a.gif" << -1;
    QTest::newRow("no extension") << "png" << -1;
}

void DrawingRecordTest::formatFromTheExtension()
{
    QFETCH(QString, file);
    QFETCH(int, format);
    const auto found = graph::pictureFormatOf(file);
    QCOMPARE(found ? int(*found) : -1, format);
}

QTEST_MAIN(DrawingRecordTest)
#include "drawing_record_test.moc"
