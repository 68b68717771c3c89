// The graph's labelled points, switched from its menu and remembered between
// runs, carried by copy and save; and the wheel over the graph, which zooms
// as the buttons do.
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "graph/qb_color.h"
#include "main_window/files/picture_actions.h"
#include "tests/support/colour_ink.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

namespace {

const QRgb line1Colour = graph::QBColor(3);
const QRgb line2Colour = graph::QBColor(2);
const QRgb black = qRgb(0, 0, 0);

// The pixel a line ending at the user's point (x, y) ends in.
QPoint endPixel(const Form1* form, double x, double y)
{
    const QLine at = *form->p1->canvas().SegmentPixels(x, -y, x, -y);
    const QImage& image = form->p1->canvas().image();
    return { std::clamp(at.x1(), 0, image.width() - 1),
        std::clamp(at.y1(), 0, image.height() - 1) };
}

// Whether the 3 x 3 pixels around `at` all have the colour: a dot, where a
// line alone is one pixel wide.
bool dotAt(const QImage& image, QPoint at, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixel(p) != (colour | 0xff000000u))
                return false;
        }
    return true;
}

// Pixels in `box` that are a mix of `colour` and white and not white: the
// ink of text in that colour, and of any line of it.
int inkIn(const QImage& image, QRect box, QRgb colour)
{
    int ink = 0;
    box &= image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ink += test_support::inkOf(image.pixel(x, y), colour) > 0.05;
    return ink;
}

void sendWheel(QWidget* widget, int angle)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(0, angle / 8), QPoint(0, angle),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class MarksWheelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QSettings().clear(); }
    void offByDefault();
    void everyPointLabelledAtOnce();
    void edgePointLabelledInside();
    void rememberedBetweenRuns();
    void copyAndSaveCarryTheMarks();
    void wheelZoomsAsTheButtons_data();
    void wheelZoomsAsTheButtons();

private:
    QTemporaryDir dir;
};

void MarksWheelTest::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
}

void MarksWheelTest::offByDefault()
{
    LoadedForm f;
    QVERIFY(f->pictureActions->marksAction->isCheckable());
    QVERIFY(!f->pictureActions->marksAction->isChecked());
    QVERIFY(!f->p1->pointMarksShown());
    const QImage& image = f->p1->canvas().image();
    QVERIFY(!dotAt(image, endPixel(f.form.get(), 8, 7), line1Colour));
    QVERIFY(!dotAt(image, endPixel(f.form.get(), 2, 4), black));
}

void MarksWheelTest::everyPointLabelledAtOnce()
{
    LoadedForm f;
    LoadedForm::click(f->Check1); // a command run now would add a report
    const QImage before = f->p1->canvas().image();
    const QString crossing = f->lblAns->text();
    f->pictureActions->marksAction->trigger();
    QVERIFY(f->p1->pointMarksShown());
    QVERIFY(f->txt_results->toPlainText().isEmpty());
    QCOMPARE(f->lblAns->text(), crossing);
    QVERIFY(f.warnings.isEmpty());

    QStringList texts;
    for (const graph::PointMark& mark : f->p1->pointMarks())
        texts << mark.text;
    QCOMPARE(texts, QStringList({ "(-6, 0)", "(8, 7)", "(-7, -5)", "(6, 8)", "(2, 4)" }));
    const QImage& after = f->p1->canvas().image();
    // Each label leans away from the lines through its point: beyond the end
    // of its segment, and into the wider angle at the crossing.
    struct Point {
        double x, y;
        QRgb colour;
        int across, down; // the label's side: 1 right or below, -1 left or above
    };
    for (const Point& p : { Point { -6, 0, line1Colour, -1, 1 }, Point { 8, 7, line1Colour, 1, -1 },
             Point { -7, -5, line2Colour, -1, 1 }, Point { 6, 8, line2Colour, 1, -1 },
             Point { 2, 4, black, 1, 1 } }) {
        const QString name = QString("(%1, %2)").arg(p.x).arg(p.y);
        const QPoint at = endPixel(f.form.get(), p.x, p.y);
        QVERIFY2(dotAt(after, at, p.colour), qPrintable(name));
        const auto box = [at](int across, int down) {
            return QRect(
                across > 0 ? at.x() + 3 : at.x() - 63, down > 0 ? at.y() + 3 : at.y() - 24, 60, 21);
        };
        const QRect label = box(p.across, p.down), other = box(-p.across, p.down);
        QVERIFY2(
            inkIn(after, label, p.colour) >= inkIn(before, label, p.colour) + 20, qPrintable(name));
        QVERIFY2(inkIn(after, other, p.colour) <= inkIn(before, other, p.colour), qPrintable(name));
    }
    // Off again, the picture is the one from before, pixel for pixel.
    f->pictureActions->marksAction->trigger();
    QCOMPARE(f->p1->canvas().image(), before);
    QVERIFY(f->txt_results->toPlainText().isEmpty());
}

void MarksWheelTest::edgePointLabelledInside()
{
    LoadedForm f;
    f->pictureActions->marksAction->trigger();
    f.typeLine(1, { "-6", "0", "10", "10" });
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->p1->pointMarks().at(1).text, "(10, 10)");
    const QImage& image = f->p1->canvas().image();
    const QPoint corner = endPixel(f.form.get(), 10, 10);
    QCOMPARE(corner, QPoint(image.width() - 1, 0));
    QVERIFY(dotAt(image, corner, line1Colour));
    // The label turns to the left of the dot and below it.
    QVERIFY(inkIn(image, QRect(corner.x() - 70, corner.y() + 3, 66, 20), line1Colour) >= 20);
}

void MarksWheelTest::rememberedBetweenRuns()
{
    {
        LoadedForm f;
        f->pictureActions->marksAction->trigger();
    }
    {
        LoadedForm f;
        QVERIFY(f->pictureActions->marksAction->isChecked());
        QVERIFY(dotAt(f->p1->canvas().image(), endPixel(f.form.get(), 8, 7), line1Colour));
        f->pictureActions->marksAction->trigger();
    }
    LoadedForm f;
    QVERIFY(!f->pictureActions->marksAction->isChecked());
    QVERIFY(!dotAt(f->p1->canvas().image(), endPixel(f.form.get(), 8, 7), line1Colour));
}

void MarksWheelTest::copyAndSaveCarryTheMarks()
{
    LoadedForm f;
    f->pictureActions->marksAction->trigger();
    const QPoint end = endPixel(f.form.get(), 8, 7);
    f->pictureActions->copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasImage());
    const QImage copied
        = qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32);
    QVERIFY(dotAt(copied, end, line1Colour));
    QVERIFY(data->data("image/svg+xml").contains("(8, 7)"));

    const QString png = dir.filePath("marked.png");
    f->pictureActions->askFileName = [&](const QString&, QString*) { return png; };
    f->pictureActions->tell = [](const QString& m) { QFAIL(qPrintable(m)); };
    QVERIFY(f->pictureActions->saveAs());
    const QImage saved = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved, f->p1->canvas().image());
    QVERIFY(dotAt(saved, endPixel(f.form.get(), 2, 4), black));
}

void MarksWheelTest::wheelZoomsAsTheButtons_data()
{
    QTest::addColumn<QList<int>>("angles");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::newRow("one notch up") << QList<int> { 120 } << QStringList { "Zoom In" } << "-9"
                                  << "9";
    QTest::newRow("one notch down") << QList<int> { -120 } << QStringList { "Zoom Out" } << "-11"
                                    << "11";
    QTest::newRow("three notches in one event")
        << QList<int> { 360 } << QStringList { "Zoom In", "Zoom In", "Zoom In" } << "-7"
        << "7";
    QTest::newRow("four small steps")
        << QList<int> { 30, 30, 30, 30 } << QStringList { "Zoom In" } << "-9"
        << "9";
    QTest::newRow("small steps short of a notch")
        << QList<int> { 40, 40, 30 } << QStringList {} << "-10"
        << "10";
    QTest::newRow("mixed signs") << QList<int> { -240, 90, 30, -30 }
                                 << QStringList { "Zoom Out", "Zoom Out", "Zoom In" } << "-11"
                                 << "11";
}

void MarksWheelTest::wheelZoomsAsTheButtons()
{
    QFETCH(QList<int>, angles);
    QFETCH(QStringList, clicks);
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    LoadedForm wheeled, clicked;
    for (const int angle : angles)
        sendWheel(wheeled->p1, angle);
    // Command2 carries the caption "Zoom In", Command1 "Zoom Out".
    for (const QString& button : clicks)
        LoadedForm::click(button == "Zoom In" ? clicked->Command2 : clicked->Command1);
    QCOMPARE(wheeled->txmin->text(), lower);
    QCOMPARE(wheeled->txmax->text(), upper);
    QCOMPARE(clicked->txmin->text(), lower);
    QCOMPARE(clicked->txmax->text(), upper);
    QCOMPARE(wheeled->p1->canvas().image(), clicked->p1->canvas().image());
    QCOMPARE(wheeled->lblAns->text(), clicked->lblAns->text());
    QVERIFY(wheeled.warnings.isEmpty());
}

QTEST_MAIN(MarksWheelTest)
#include "marks_wheel_test.moc"
