// The tick marks and numbers are drawn with shortcuts (runs of ticks on one
// pixel column drawn once, numbers set from glyphs laid out per character,
// black glyphs over black pixels left out). The pictures must be exactly
// those of the plain way: a Line and a Print for every whole number.
#include "core/number_text.h"
#include "graph/canvas.h"
#include "graph/glyph_table.h"
#include "graph/graph_panel.h"
#include "graph/picture_file.h"
#include "graph/plot_frame.h"
#include "graph/qb_color.h"
#include "main_window/form1.h"
#include "tests/support/reference_renderer.h"

#include <QBuffer>
#include <QGlyphRun>
#include <QLineEdit>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

namespace {

// The number of pixels in which two pictures of one size differ, and the
// first of them, for a readable failure.
QString differences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    int count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff) && count++ == 0)
                first = QPoint(x, y);
    return count == 0 ? QString()
                      : QStringLiteral("%1 pixels differ, the first at (%2, %3): %4 instead of %5")
                            .arg(count)
                            .arg(first.x())
                            .arg(first.y())
                            .arg(a.pixel(first), 0, 16)
                            .arg(b.pixel(first), 0, 16);
}

int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 64;
    return n;
}

core::EndPoints endPoints(
    const QLineEdit* x1, const QLineEdit* y1, const QLineEdit* x2, const QLineEdit* y2)
{
    const auto val = [](const QLineEdit* field) { return core::Val(field->text().toStdString()); };
    return { val(x1), val(y1), val(x2), val(y2) };
}

// Whether PrintNumber sets texts from the glyph table on this canvas (rather
// than falling back to Print).
bool setsFromTable(const graph::Canvas& canvas)
{
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(canvas.image().dotsPerMeterX());
    device.setDotsPerMeterY(canvas.image().dotsPerMeterY());
    return graph::GlyphTable::Build(canvas.font(), &device, u" -0123456789") != nullptr;
}

// The frame and tick marks for L..U as an SVG of the panel's size, the ticks
// drawn by `ticks`.
template <typename Ticks> QByteArray frameAndTicksSvg(QSize size, double L, double U, Ticks ticks)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&generator);
    {
        graph::Canvas canvas(painter, size, 1.0);
        graph::drawFrame(canvas, L, U);
        ticks(canvas, L, U);
    }
    painter.end();
    return bytes;
}

} // namespace

class TicksIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void bothLinesPictureIsThePlainOne_data();
    void bothLinesPictureIsThePlainOne();
    void widestAndRandomRangesKeepTheirPictures_data();
    void widestAndRandomRangesKeepTheirPictures();
    void printNumberDrawsWhatPrintDraws_data();
    void printNumberDrawsWhatPrintDraws();
    void everyTickTextIsSetAsTheToolkitLaysItOut();
};

void TicksIdentityTest::bothLinesPictureIsThePlainOne_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<int>("minDark"); // numbers were printed: at least this many dark pixels
    QTest::newRow("default") << "-10"
                             << "10" << 100;
    QTest::newRow("-2.5..3.5: ticks at -3 out of sight") << "-2.5"
                                                         << "3.5" << 50;
    QTest::newRow("0..20: axes along the edges") << "0"
                                                 << "20" << 100;
    QTest::newRow("-1..1: long ticks") << "-1"
                                       << "1" << 10;
    QTest::newRow("0.5..0.7: one tick, at 0") << "0.5"
                                              << "0.7" << 0;
    QTest::newRow("10..-10: no ticks") << "10"
                                       << "-10" << 0;
    QTest::newRow("-100..100: numbers overlap") << "-100"
                                                << "100" << 1000;
    QTest::newRow("-1000..1000") << "-1000"
                                 << "1000" << 1000;
    QTest::newRow("-5000.5..4999.25") << "-5000.5"
                                      << "4999.25" << 1000;
    QTest::newRow("-20000..5: numbers cut at the bottom and right edges") << "-20000"
                                                                          << "5" << 0;
    QTest::newRow("-5..20000: the axes near the top left corner") << "-5"
                                                                  << "20000" << 1000;
    QTest::newRow("-32768..-30000: axes out of sight") << "-32768"
                                                       << "-30000" << 0;
    QTest::newRow("300..32000: axes out of sight") << "300"
                                                   << "32000" << 0;
    QTest::newRow("-32768..32766: the widest") << "-32768"
                                               << "32766" << 1000;
    QTest::newRow("-32768..32767: x axis only, then the counter overflows") << "-32768"
                                                                            << "32767" << 1000;
}

void TicksIdentityTest::bothLinesPictureIsThePlainOne()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(int, minDark);
    Form1 form;
    form.showWarnings = false;
    form.txmin->setText(lower);
    form.txmax->setText(upper);
    form.cmd_bothlines_Click();
    const graph::Canvas& drawn = form.p1->canvas();

    graph::Canvas plain(drawn.logicalSize(), drawn.devicePixelRatio());
    plain.setFont(drawn.font());
    reference::Picture(plain, core::Val(lower.toStdString()), core::Val(upper.toStdString()),
        std::pair { endPoints(form.t1, form.t2, form.t3, form.t4),
            endPoints(form.t1_b, form.t2_b, form.t3_b, form.t4_b) });

    QVERIFY(setsFromTable(drawn));
    QCOMPARE(differences(drawn.image(), plain.image()), QString());
    QVERIFY(darkPixels(plain.image()) >= minDark);
}

void TicksIdentityTest::widestAndRandomRangesKeepTheirPictures_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::newRow("the widest: -32768..32766") << "-32768"
                                               << "32766";
    // Widths from a few units to the whole counter, on whole, half and
    // quarter numbers, with the axes and their ticks in sight.
    std::mt19937 random(20261209);
    for (int row = 1; row <= 20; ++row) {
        const double width
            = std::round(std::pow(10.0, std::uniform_real_distribution(0.5, 4.8)(random)));
        const double quarters = std::uniform_int_distribution(0, 3)(random) / 4.0;
        const double lowest = std::max(-32768.0, -width), highest = std::min(0.0, 32766 - width);
        const double lower
            = std::floor(std::uniform_real_distribution(lowest, highest)(random)) + quarters;
        const QString from = QString::number(lower, 'g', 10),
                      to = QString::number(lower + width, 'g', 10);
        QTest::addRow("random %02d: %s..%s", row, qPrintable(from), qPrintable(to)) << from << to;
    }
}

// The panel's picture and its PNG are the plain way's, pixel for pixel; the
// SVG is the one the panel wrote when each tick looked at the next one's
// pixels, byte for byte.
void TicksIdentityTest::widestAndRandomRangesKeepTheirPictures()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    Form1 form;
    form.showWarnings = false;
    form.txmin->setText(lower);
    form.txmax->setText(upper);
    form.cmd_bothlines_Click();
    const graph::Canvas& drawn = form.p1->canvas();
    const double L = core::Val(lower.toStdString()), U = core::Val(upper.toStdString());

    graph::Canvas plain(drawn.logicalSize(), drawn.devicePixelRatio());
    plain.setFont(drawn.font());
    reference::Picture(plain, L, U,
        std::pair { endPoints(form.t1, form.t2, form.t3, form.t4),
            endPoints(form.t1_b, form.t2_b, form.t3_b, form.t4_b) });
    QCOMPARE(differences(drawn.image(), plain.image()), QString());

    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("range.png"));
    QVERIFY(bool(graph::writePicture(
        form.p1->record(), png, graph::PictureFormat::Png, drawn.devicePixelRatio())));
    QCOMPARE(
        differences(QImage(png).convertToFormat(QImage::Format_RGB32), plain.image()), QString());

    const QSize size = drawn.logicalSize();
    const QByteArray svg = frameAndTicksSvg(size, L, U, graph::drawTickMarks);
    QVERIFY(svg.count("<text") >= 2);
    QCOMPARE(svg, frameAndTicksSvg(size, L, U, reference::TickMarksPaintedOver));
}

void TicksIdentityTest::printNumberDrawsWhatPrintDraws_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<int>("spread"); // 1: piled up; more: apart, kerned pairs ("11") in plain view
    const QRgb black = qRgb(0, 0, 0);
    QTest::newRow("panel face") << "Arial Narrow" << 8.25 << 1.0 << black << 1;
    QTest::newRow("panel face, apart") << "Arial Narrow" << 8.25 << 1.0 << black << 40;
    QTest::newRow("panel face, device ratio 2") << "Arial Narrow" << 8.25 << 2.0 << black << 1;
    QTest::newRow("panel face, device ratio 1.5") << "Arial Narrow" << 8.25 << 1.5 << black << 1;
    QTest::newRow("panel face, device ratio 1.5, apart")
        << "Arial Narrow" << 8.25 << 1.5 << black << 40;
    QTest::newRow("wide face, large") << "DejaVu Sans" << 14.0 << 1.0 << black << 1;
    QTest::newRow("coloured foreground: nothing left out")
        << "Arial Narrow" << 8.25 << 1.0 << qRgb(0, 0, 255) << 1;
}

// Numbers printed over each other (or apart) and over lines, across the edges.
void TicksIdentityTest::printNumberDrawsWhatPrintDraws()
{
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(qreal, dpr);
    QFETCH(QRgb, foreground);
    QFETCH(int, spread);
    QFont font(family);
    font.setPointSizeF(points);
    graph::Canvas plain({ 160, 120 }, dpr, Qt::white, foreground);
    graph::Canvas fast({ 160, 120 }, dpr, Qt::white, foreground);
    for (graph::Canvas* c : { &plain, &fast }) {
        c->setFont(font);
        c->Scale(-10, -10, 10, 10);
        c->DrawWidth(2);
        c->Line(-10, 1, 10, 1, graph::QBColor(12));
    }
    for (int k = -1500; k <= 1500; k += spread) {
        const double x = k / 150.0 - 0.7, y = (k % 41) / 4.0;
        const QString text = reference::tickText(k * 7);
        plain.Line(x, y, x, y - 0.01, graph::QBColor(12));
        plain.Print(text);
        fast.Line(x, y, x, y - 0.01, graph::QBColor(12));
        fast.PrintNumber(text);
    }
    QVERIFY(setsFromTable(fast));
    QCOMPARE(differences(fast.image(), plain.image()), QString());
    QVERIFY(darkPixels(plain.image()) > 1000 / spread || foreground != qRgb(0, 0, 0));
}

// Setting a number's glyphs one character at a time gives exactly the
// toolkit's own layout of it, for every number a tick can carry.
void TicksIdentityTest::everyTickTextIsSetAsTheToolkitLaysItOut()
{
    Form1 form;
    form.cmd_bothlines_Click();
    const graph::Canvas& canvas = form.p1->canvas();
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(canvas.image().dotsPerMeterX());
    device.setDotsPerMeterY(canvas.image().dotsPerMeterY());
    const auto table = graph::GlyphTable::Build(canvas.font(), &device, u" -0123456789");
    QVERIFY(table); // the panel's face sets these characters pair by pair
    for (int n = -32768; n <= 32768; ++n) {
        const QString text = reference::tickText(n);
        QTextLayout layout(text, canvas.font(), &device);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = line.glyphRuns();
        QCOMPARE(runs.size(), 1);
        QList<quint32> glyphs;
        QList<QPointF> positions;
        QVERIFY(table->Compose(text, 0, runs[0].positions().value(0).y(), glyphs, positions));
        const QList<QPointF> laidOut = runs[0].positions();
        const auto exactly = [](QPointF p, QPointF q) { return p.x() == q.x() && p.y() == q.y(); };
        if (glyphs != runs[0].glyphIndexes()
            || !std::equal(
                positions.begin(), positions.end(), laidOut.begin(), laidOut.end(), exactly))
            QFAIL(qPrintable(QStringLiteral("\"%1\" is set otherwise").arg(text)));
    }
}

QTEST_MAIN(TicksIdentityTest)
#include "ticks_identity_test.moc"
