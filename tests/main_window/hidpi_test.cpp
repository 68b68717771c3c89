// The main window on a screen of device pixel ratio 2: the controls keep
// their logical places, the graph picture is kept at full resolution, the
// drawn window is crisp and the pointer reads where it points, on the
// offscreen platform.

#include "graph/graph_panel.h"
#include "graph/qb_color.h"
#include "main_window/form1.h"
#include "window_colours.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace window_test;

namespace {

constexpr int ratio = 2;
const QColor gridMagenta(graph::QBColor(5));

// The runs of one colour along an image row: first column and length each.
QList<QPair<int, int>> runsInRow(const QImage& image, int y, QRgb colour)
{
    QList<QPair<int, int>> runs;
    for (int x = 0; x < image.width();) {
        if (image.pixel(x, y) != colour) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < image.width() && image.pixel(x, y) == colour)
            ++x;
        runs.append({ start, x - start });
    }
    return runs;
}

// Whether every device pixel of the row holds only the given colours.
bool rowHoldsOnly(const QImage& image, int y, const QList<QRgb>& colours)
{
    for (int x = 0; x < image.width(); ++x)
        if (!colours.contains(image.pixel(x, y)))
            return false;
    return true;
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void ratioIsTwo();
    void logicalGeometry_data();
    void logicalGeometry();
    void graphPictureAtFullResolution();
    void gridLinesAreTwoDevicePixelsWide();
    void grabbedWindow_data();
    void grabbedWindow();
    void panelShowsPictureDevicePixelForDevicePixel();
    void textIsDrawnAtDeviceResolution();
    void readout_data();
    void readout();

private:
    QWidget* control(const QString& name) const
    {
        return form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }
    // A grid-only row of the graph picture: magenta grid columns, the red
    // axis and the white ground, no drawn line, grey row or label.
    int gridOnlyRow(const QImage& picture) const;

    std::unique_ptr<Form1> form;
    QImage shot;
};

void HiDpiTest::initTestCase()
{
    form = std::make_unique<Form1>();
    form->showWarnings = false;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    shot = form->grab().toImage();
}

void HiDpiTest::cleanupTestCase()
{
    form.reset();
}

void HiDpiTest::ratioIsTwo()
{
    QCOMPARE(form->devicePixelRatioF(), qreal(ratio));
    QCOMPARE(form->p1->devicePixelRatioF(), qreal(ratio));
    QCOMPARE(form->size(), QSize(1103, 553));
}

// Logical places in pixels, the same as on a screen of ratio 1.
void HiDpiTest::logicalGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char* name, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry;
    };
    row("p1", { 16, 32, 509, 467 });
    row("lbl_yaxis", { 256, 8, 25, 25 });
    row("txmax", { 528, 264, 17, 19 });
    row("txmin", { 264, 502, 23, 13 });
    row("lbl_mouscoord", { 8, 504, 129, 25 });
    row("lbl_mouscoords", { 8, 520, 89, 17 });
    row("tx", { 24, 520, 37, 19 });
    row("ty", { 80, 520, 37, 19 });
    row("Command2", { 304, 512, 97, 33 });
    row("Command1", { 424, 512, 105, 33 });
    row("Shape1", { 568, 32, 513, 465 });
    row("Shape2", { 576, 40, 497, 289 });
    row("lbl_y1_0", { 584, 56, 185, 25 });
    row("txt_eqn1", { 720, 56, 249, 33 });
    row("txt_slope1", { 768, 56, 41, 25 });
    row("lbl_x1", { 816, 56, 33, 25 });
    row("txt_yint1", { 856, 56, 49, 25 });
    row("lbl_xyintline1", { 728, 88, 329, 25 });
    row("txt_l1xint", { 792, 88, 57, 25 });
    row("txt_l1yint", { 992, 88, 57, 25 });
    row("lbl_y1_1", { 584, 120, 185, 25 });
    row("txt_eqn2", { 720, 120, 201, 41 });
    row("txt_slope2", { 768, 128, 41, 25 });
    row("lbl_x2", { 816, 128, 33, 25 });
    row("txt_yint2", { 856, 128, 49, 25 });
    row("lbl_xyintline2", { 728, 160, 337, 25 });
    row("txt_l2xint", { 792, 160, 57, 25 });
    row("txt_l2yint", { 992, 160, 57, 25 });
    row("lbl_intval", { 584, 184, 121, 33 });
    row("lblAns", { 728, 184, 313, 33 });
    row("lbl_l1", { 648, 224, 257, 17 });
    row("draw_line1", { 952, 232, 107, 33 });
    row("cmd_bothlines", { 584, 240, 51, 73 });
    row("t1", { 648, 240, 49, 19 });
    row("t2", { 712, 240, 49, 19 });
    row("t3", { 808, 240, 49, 19 });
    row("t4", { 872, 240, 49, 19 });
    row("lbl_l2", { 648, 280, 257, 17 });
    row("draw_line2", { 952, 288, 107, 33 });
    row("t1_b", { 648, 296, 49, 19 });
    row("t2_b", { 712, 296, 49, 19 });
    row("t3_b", { 808, 296, 49, 19 });
    row("t4_b", { 872, 296, 49, 19 });
    row("Check1", { 576, 336, 17, 21 });
    row("Label1", { 600, 336, 225, 17 });
    row("txt_results", { 576, 360, 497, 129 });
    row("cmd_quit", { 960, 512, 105, 33 });
    row("lblCredits", { 1056, 8, 64, 15 });
}

void HiDpiTest::logicalGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* widget = control(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->devicePixelRatioF(), qreal(ratio));
}

void HiDpiTest::graphPictureAtFullResolution()
{
    const QSize inner = form->p1->contentsRect().size();
    QCOMPARE(inner, QSize(505, 463));
    const QImage& picture = form->p1->canvas().image();
    // Kept at the screen's ratio, not drawn at ratio 1 and scaled up.
    QCOMPARE(picture.size(), inner * ratio);
    QCOMPARE(form->p1->canvas().devicePixelRatio(), qreal(ratio));
    QCOMPARE(form->p1->canvas().logicalSize(), inner);
}

int HiDpiTest::gridOnlyRow(const QImage& picture) const
{
    const QList<QRgb> gridColours { gridMagenta.rgb(), graph::QBColor(12), qRgb(255, 255, 255) };
    for (int y = 0; y < picture.height(); ++y)
        if (rowHoldsOnly(picture, y, gridColours)
            && runsInRow(picture, y, gridMagenta.rgb()).size() > 10)
            return y;
    return -1;
}

void HiDpiTest::gridLinesAreTwoDevicePixelsWide()
{
    const QImage picture = form->p1->canvas().image().convertToFormat(QImage::Format_RGB32);
    const int y = gridOnlyRow(picture);
    QVERIFY2(y >= 0, "no row of the picture shows only the grid");
    // From -10 to 10 there are 21 grid columns; the one at 0 lies under the
    // axis, the outermost ones are cut in half by the picture's edges.
    const QList<QPair<int, int>> runs = runsInRow(picture, y, gridMagenta.rgb());
    int whole = 0;
    for (const auto& [start, length] : runs) {
        if (start == 0 || start + length == picture.width())
            continue;
        QVERIFY2(length == ratio,
            qPrintable(
                QStringLiteral("grid column at device x %1 is %2 wide").arg(start).arg(length)));
        ++whole;
    }
    QCOMPARE(whole, 18);
    // Odd device columns start grid lines too: the spacing is no multiple of
    // the ratio, which a picture scaled up from ratio 1 could not show.
    bool oddStart = false;
    for (const auto& run : runs)
        oddStart = oddStart || run.first % 2 == 1;
    QVERIFY(oddStart);
}

void HiDpiTest::grabbedWindow_data()
{
    QTest::addColumn<QPoint>("logical");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("background between panel and shape") << QPoint(550, 420) << windowBlue;
    QTest::newRow("background beside the zoom buttons") << QPoint(800, 530) << windowBlue;
    QTest::newRow("Shape1 fill") << QPoint(572, 200) << panelLilac;
    QTest::newRow("Shape1 outline") << QPoint(568, 200) << black;
}

void HiDpiTest::grabbedWindow()
{
    QFETCH(QPoint, logical);
    QFETCH(QColor, colour);
    QCOMPARE(shot.size(), QSize(2206, 1106));
    QCOMPARE(shot.devicePixelRatio(), qreal(ratio));
    // A logical pixel is a whole block of device pixels.
    for (int dy = 0; dy < ratio; ++dy)
        for (int dx = 0; dx < ratio; ++dx)
            QCOMPARE(rgb(shot.pixelColor(logical * ratio + QPoint(dx, dy))), rgb(colour));
}

void HiDpiTest::panelShowsPictureDevicePixelForDevicePixel()
{
    const QRect inner = form->p1->contentsRect().translated(form->p1->pos());
    const QImage shown = shot.copy(QRect(inner.topLeft() * ratio, inner.size() * ratio))
                             .convertToFormat(QImage::Format_RGB32);
    const QImage picture = form->p1->canvas().image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), picture.size());
    QVERIFY(shown == picture);

    // A vertical grid line on the window is exactly two pure magenta columns.
    const int y = gridOnlyRow(picture);
    QVERIFY(y >= 0);
    const QList<QPair<int, int>> runs = runsInRow(shown, y, gridMagenta.rgb());
    QVERIFY(runs.size() > 10);
    const auto [start, length] = runs.at(1);
    QCOMPARE(length, ratio);
    QCOMPARE(rgb(shown.pixelColor(start - 1, y)), rgb(white));
    QCOMPARE(rgb(shown.pixelColor(start, y)), QStringLiteral("(128,0,128)"));
    QCOMPARE(rgb(shown.pixelColor(start + 1, y)), QStringLiteral("(128,0,128)"));
    QCOMPARE(rgb(shown.pixelColor(start + 2, y)), rgb(white));
}

void HiDpiTest::textIsDrawnAtDeviceResolution()
{
    // Text drawn at ratio 1 and scaled up would come in whole 2x2 blocks;
    // drawn at the device's resolution its edges fall within blocks.
    QVERIFY(!form->lblAns->text().isEmpty());
    const QRect label = form->lblAns->geometry();
    const QImage area = shot.copy(QRect(label.topLeft() * ratio, label.size() * ratio));
    int splitBlocks = 0;
    for (int y = 0; y + 1 < area.height(); y += ratio)
        for (int x = 0; x + 1 < area.width(); x += ratio) {
            const QRgb corner = area.pixel(x, y);
            if (area.pixel(x + 1, y) != corner || area.pixel(x, y + 1) != corner
                || area.pixel(x + 1, y + 1) != corner)
                ++splitBlocks;
        }
    QVERIFY2(splitBlocks > 20, qPrintable(QString::number(splitBlocks)));
}

void HiDpiTest::readout_data()
{
    QTest::addColumn<QPoint>("logical"); // from the top-left corner of the drawing area
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("ty");
    // The default range -10..10 on 505 x 463 logical pixels, kept as 1010 x 926
    // device pixels. The readout counts logical pixels: x = -10 + c * 20 /
    // 505, y = -10 + r * 20 / 463. At (101, 185): x = -10 + 4 = -6; y = -10 +
    // 7.99136 = -2.00864, shown as 2.01.
    QTest::newRow("left of the centre, above it") << QPoint(101, 185) << "-6"
                                                  << "2.01";
    // At (404, 370): x = -10 + 16 = 6; y = -10 + 15.98272 = 5.98, shown as -5.98
    // cut to four characters.
    QTest::newRow("right of the centre, below it") << QPoint(404, 370) << "6"
                                                   << "-5.9";
}

void HiDpiTest::readout()
{
    QFETCH(QPoint, logical);
    QFETCH(QString, tx);
    QFETCH(QString, ty);
    // Through the window, as the platform reports a pointer.
    QTest::mouseMove(form->windowHandle(),
        form->p1->mapTo(form.get(), form->p1->contentsRect().topLeft() + logical));
    QCOMPARE(form->tx->text(), tx);
    QCOMPARE(form->ty->text(), ty);
}

// The ratio must be in place before the application starts.
int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
    QApplication app(argc, argv);
    HiDpiTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
