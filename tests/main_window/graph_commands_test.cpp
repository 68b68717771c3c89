#include "core/number_text.h"
#include "form1_fixture.h"
#include "graph/canvas.h"
#include "graph/graph_panel.h"
#include "graph/qb_color.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <cmath>

namespace {

const QRgb magenta = qRgb(128, 0, 128), grey = qRgb(128, 128, 128), lightRed = qRgb(255, 0, 0);

// Columns (or rows) along one line of pixels that hold the colour.
QList<int> runsOf(const QImage& image, QRgb colour, int fixed, bool alongRow)
{
    QList<int> hits;
    const int n = alongRow ? image.width() : image.height();
    for (int k = 0; k < n; ++k)
        if ((alongRow ? image.pixel(k, fixed) : image.pixel(fixed, k)) == colour)
            hits << k;
    return hits;
}

// The plot frame drawn the plain way, a line for every whole number.
void plainFrame(graph::Canvas& c, double L, double U)
{
    try {
        c.Scale(L, L, U, U);
    } catch (...) {
    }
    c.DrawWidth(1);
    for (double i = std::floor(L); i <= std::floor(U); i += 1)
        c.Line(i, L, i, U, graph::QBColor(5));
    for (double j = std::floor(L); j <= std::floor(U); j += 1)
        c.Line(L, j, U, j, graph::QBColor(8));
    c.DrawWidth(2);
    c.Line(L, 0, U, 0, graph::QBColor(12));
    c.Line(0, L, 0, U, graph::QBColor(12));
}

} // namespace

class GraphCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void defaultFrame();
    void frameEdgeCases_data();
    void frameEdgeCases();
    void frameIsPixelIdenticalToThePlainLoop_data();
    void frameIsPixelIdenticalToThePlainLoop();
    void veryWideRangesDrawNothingAndWarn();
    void drawLine_data();
    void drawLine();
    void drawLineVerticalIsAnswered();
    void rangeWarnings_data();
    void rangeWarnings();
    void readout_data();
    void readout();
    void readoutRewritesTheRange_data();
    void readoutRewritesTheRange();
    void readoutFromTheRealPointer();
    void readoutAtThePanelsPixels_data();
    void readoutAtThePanelsPixels();
    void zoom_data();
    void zoom();
    void zoomInPastAnEmptyRange();
    void zoomAddsNoReportButTheNextClickDoes();
    void zoomWithAVerticalLineEndsSilently();
};

void GraphCommandsTest::defaultFrame()
{
    LoadedForm f;
    f->p1->Cls();
    f->DrawFN();
    const QImage image = f->p1->canvas().image();
    const graph::Canvas& c = f->p1->canvas();
    // Between two grid rows: 19 magenta columns, -10 .. 9 but the one at 0
    // under the axis; the one at 10 falls just beyond the last column.
    const int row = static_cast<int>(c.RowOf(0.5));
    QCOMPARE(runsOf(image, magenta, row, true).size(), 19);
    QCOMPARE(runsOf(image, lightRed, row, true).size(), 2); // y axis, 2 pixels wide
    const int column = static_cast<int>(c.ColumnOf(0.5));
    QCOMPARE(runsOf(image, grey, column, false).size(), 19);
    QCOMPARE(runsOf(image, lightRed, column, false).size(), 2);
    // The axes cross at the centre.
    QCOMPARE(image.pixel(image.width() / 2, image.height() / 2), lightRed);
    // The edge line at -10 shows, the one at 10 does not.
    QCOMPARE(image.pixel(0, row), magenta);
    QCOMPARE(image.pixel(image.width() - 1, row), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(column, image.height() - 1), qRgb(255, 255, 255));
}

void GraphCommandsTest::frameEdgeCases_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<int>("magentaColumns");
    QTest::addColumn<QPoint>("axisPixel"); // a pixel the axes cover, in fractions of 1000
    QTest::newRow("-2.5..3.5") << "-2.5"
                               << "3.5" << 5 << QPoint(417, 417);
    QTest::newRow("0..20: axes along the top and left edges") << "0"
                                                              << "20" << 19 << QPoint(0, 500);
    QTest::newRow("10..-10: no grid, axes still drawn") << "10"
                                                        << "-10" << 0 << QPoint(500, 500);
    QTest::newRow("letters read as 0, 5abc as 5") << "abc"
                                                  << "5abc" << 4 << QPoint(0, 500);
}

void GraphCommandsTest::frameEdgeCases()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(int, magentaColumns);
    QFETCH(QPoint, axisPixel);
    LoadedForm f;
    f->txmin->setText(lower);
    f->txmax->setText(upper);
    f->p1->Cls();
    f->DrawFN();
    const QImage image = f->p1->canvas().image();
    const int row = image.height() / 3 + 1;
    QCOMPARE(runsOf(image, magenta, row, true).size(), magentaColumns);
    const QPoint at(
        (image.width() - 1) * axisPixel.x() / 1000, (image.height() - 1) * axisPixel.y() / 1000);
    QCOMPARE(image.pixel(at), lightRed);
}

void GraphCommandsTest::frameIsPixelIdenticalToThePlainLoop_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    for (const auto& [l, u] : std::initializer_list<std::pair<double, double>> { { -10, 10 },
             { -2.5, 3.5 }, { 0, 20 }, { 10, -10 }, { 0.5, 0.7 }, { -100, 100 }, { -1000, 1000 },
             { -32768, 32766 }, { -250000, 250000 }, { 123456.5, 124999.25 }, { -1, 1 } })
        QTest::addRow("%g..%g", l, u) << l << u;
}

void GraphCommandsTest::frameIsPixelIdenticalToThePlainLoop()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    LoadedForm f;
    f->txmin->setText(QString::fromStdString(core::NumberToText(lower)));
    f->txmax->setText(QString::fromStdString(core::NumberToText(upper)));
    f->p1->Cls();
    f->DrawFN();
    const graph::Canvas& drawn = f->p1->canvas();
    graph::Canvas plain(drawn.logicalSize(), drawn.devicePixelRatio());
    plainFrame(plain, lower, upper);
    QCOMPARE(drawn.image(), plain.image());
}

void GraphCommandsTest::veryWideRangesDrawNothingAndWarn()
{
    LoadedForm f;
    LoadedForm::type(f->txmin, "-1E+300");
    LoadedForm::type(f->txmax, "1E+300");
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f.warnings,
        QStringList { "The lowest and highest values of the range are too large to draw: use "
                      "numbers between about -3.4E+38 and 3.4E+38." });
    LoadedForm::type(f->txmin, "-1E+30");
    LoadedForm::type(f->txmax, "1E+30");
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f.warnings.size(), 2);
    QVERIFY(f.warnings[1].startsWith("The range from -1E+30 to 1E+30 is too wide"));
}

void GraphCommandsTest::drawLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("own"); // slope, yint, eqn, yaxis, xaxis
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QPointF>("onSegment"); // user point
    QTest::newRow("line 1") << 1 << QStringList { "0.5", "3", " Y = 0.5 X +  3", "3", "-6" }
                            << qRgb(0, 128, 128) << QPointF(1, 3.5);
    QTest::newRow("line 2") << 2 << QStringList { "1", "2", " Y = 1 X +  2", "2", "-2" }
                            << qRgb(0, 128, 0) << QPointF(6, 8);
}

void GraphCommandsTest::drawLine()
{
    QFETCH(int, line);
    QFETCH(QStringList, own);
    QFETCH(QRgb, colour);
    QFETCH(QPointF, onSegment);
    LoadedForm f;
    LoadedForm::click(f->Check1);
    LoadedForm::click(line == 1 ? f->draw_line1 : f->draw_line2);
    QLineEdit* const mine[] = { line == 1 ? f->txt_slope1 : f->txt_slope2,
        line == 1 ? f->txt_yint1 : f->txt_yint2, line == 1 ? f->txt_eqn1 : f->txt_eqn2,
        line == 1 ? f->txt_l1yint : f->txt_l2yint, line == 1 ? f->txt_l1xint : f->txt_l2xint };
    QLineEdit* const others[] = { line == 1 ? f->txt_slope2 : f->txt_slope1,
        line == 1 ? f->txt_yint2 : f->txt_yint1, line == 1 ? f->txt_eqn2 : f->txt_eqn1,
        line == 1 ? f->txt_l2yint : f->txt_l1yint, line == 1 ? f->txt_l2xint : f->txt_l1xint };
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(mine[k]->text(), own[k]);
        QCOMPARE(others[k]->text(), QString());
    }
    QCOMPARE(f->lblAns->text(), QString());
    QCOMPARE(f->txt_results->toPlainText(), QString()); // no report from a single line
    const graph::Canvas& c = f->p1->canvas();
    const QImage& image = c.image();
    QCOMPARE(image.pixel(static_cast<int>(c.ColumnOf(onSegment.x())),
                 static_cast<int>(c.RowOf(-onSegment.y()))),
        colour);
    const QRgb otherColour = line == 1 ? qRgb(0, 128, 0) : qRgb(0, 128, 128);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(image.pixel(x, y) != otherColour);
}

void GraphCommandsTest::drawLineVerticalIsAnswered()
{
    LoadedForm f;
    LoadedForm::type(f->t3, "-6");
    LoadedForm::click(f->draw_line1);
    QCOMPARE(f.warnings, QStringList());
    QCOMPARE(f->txt_slope1->text(), "undefined");
    QCOMPARE(f->txt_eqn1->text(), " X = -6");
    QCOMPARE(f->txt_slope2->text(), QString());
    QCOMPARE(f->lblAns->text(), QString());
}

void GraphCommandsTest::rangeWarnings_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("warning");
    QTest::newRow("upper bound 40000")
        << "-10"
        << "40000"
        << "The range from -10 to 40000 is too wide to number its axes: use a lowest and a "
           "highest value from -32768 to just under 32767.";
    QTest::newRow("upper bound 32767: the counter cannot step past it")
        << "0"
        << "32767"
        << "The range from 0 to 32767 is too wide to number its axes: use a lowest and a highest "
           "value from -32768 to just under 32767.";
    QTest::newRow("equal bounds")
        << "5"
        << "5abc"
        << "The range from 5 to 5 is empty: make the lowest and highest values differ.";
    QTest::newRow("bound beyond the double range")
        << "-1e999"
        << "10"
        << "The lowest value of the range is too large: use a number between about -1.8E+308 and "
           "1.8E+308.";
    QTest::newRow("lower bound 1E+400")
        << "1E+400"
        << "10"
        << "The lowest value of the range is too large: use a number between about -1.8E+308 and "
           "1.8E+308.";
    QTest::newRow("upper bound 1E+400")
        << "-10"
        << "1E+400"
        << "The highest value of the range is too large: use a number between about -1.8E+308 and "
           "1.8E+308.";
    QTest::newRow("both bounds 1E+400: the lowest is read first")
        << "1E+400"
        << "1E+400"
        << "The lowest value of the range is too large: use a number between about -1.8E+308 and "
           "1.8E+308.";
}

void GraphCommandsTest::rangeWarnings()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QString, warning);
    LoadedForm f;
    LoadedForm::type(f->txmin, lower);
    LoadedForm::type(f->txmax, upper);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f.warnings, QStringList { warning });
    QCOMPARE(f->txt_slope1->text(), QString()); // later steps did not run, and nothing stale shows
    f.warnings.clear();
    LoadedForm::click(f->draw_line2);
    QCOMPARE(f.warnings, QStringList { warning });
}

void GraphCommandsTest::readout_data()
{
    QTest::addColumn<float>("X");
    QTest::addColumn<float>("Y"); // panel coordinates: the user's y is -Y
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("ty");
    QTest::newRow("pi and -2.5") << 3.14159f << 2.5f << "3.14"
                                 << "-2.5";
    QTest::newRow("cut to four characters") << -3.14159f << -12.345f << "-3.1"
                                            << "12.3";
    QTest::newRow("-10.25 is cut after its point") << -10.25f << 0.0f << "-10."
                                                   << "0";
    QTest::newRow("minus zero shows as 0") << -0.001f << 0.001f << "0"
                                           << "0";
    QTest::newRow("corner") << -10.0f << -10.0f << "-10"
                            << "10";
}

void GraphCommandsTest::readout()
{
    QFETCH(float, X);
    QFETCH(float, Y);
    QFETCH(QString, tx);
    QFETCH(QString, ty);
    LoadedForm f;
    emit f->p1->MouseMove(X, Y);
    QCOMPARE(f->tx->text(), tx);
    QCOMPARE(f->ty->text(), ty);
}

void GraphCommandsTest::readoutRewritesTheRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rewritten");
    QTest::newRow("letters") << "abc"
                             << "0";
    QTest::newRow("number and letters") << "12abc"
                                        << "12";
    QTest::newRow("plain stays") << "-10"
                                 << "-10";
    QTest::newRow("other notation") << "1e1"
                                    << "10";
    QTest::newRow("blanks") << " - 4 "
                            << "-4";
}

void GraphCommandsTest::readoutRewritesTheRange()
{
    QFETCH(QString, typed);
    QFETCH(QString, rewritten);
    LoadedForm f;
    LoadedForm::type(f->txmin, typed);
    emit f->p1->MouseMove(1.0f, 1.0f);
    QCOMPARE(f->txmin->text(), rewritten);
}

void GraphCommandsTest::readoutFromTheRealPointer()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    const QRect inner = f->p1->contentsRect();
    QTest::mouseMove(f->p1, inner.topLeft());
    QCOMPARE(f->tx->text(), "-10");
    QCOMPARE(f->ty->text(), "10");
    // The last column of 505 reads -10 + 504 * 20 / 505 = 9.96.
    QTest::mouseMove(f->p1, inner.bottomRight());
    QCOMPARE(f->tx->text(), "9.96");
    QCOMPARE(f->ty->text(), "-9.9");
    // After editing the range without drawing, the first move still reads with
    // the drawn scale; the next one with the edited range: -10 + 504 * 40 /
    // 505 = 29.92.
    LoadedForm::type(f->txmax, "30");
    QTest::mouseMove(f->p1, inner.bottomRight() - QPoint(0, 1));
    QCOMPARE(f->tx->text(), "9.96");
    QTest::mouseMove(f->p1, inner.bottomRight() - QPoint(0, 2));
    QCOMPARE(f->tx->text(), "29.9");
}

void GraphCommandsTest::readoutAtThePanelsPixels_data()
{
    QTest::addColumn<QPoint>("pixel"); // from the top-left corner of the drawing area
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("ty");
    QTest::addColumn<bool>("onAxis");
    // The default range -10..10 on the 505 x 463 drawing area: column c reads
    // X = -10 + c * 20 / 505, row r reads Y = -10 + r * 20 / 463, and the
    // readout shows X and -Y at two places, cut to four characters.
    QTest::newRow("top-left") << QPoint(0, 0) << "-10"
                              << "10" << false;
    // -10 + 504 * 20 / 505 = 9.960396
    QTest::newRow("top-right") << QPoint(504, 0) << "9.96"
                               << "10" << false;
    // -10 + 462 * 20 / 463 = 9.956803, shown as -9.96 cut to four characters
    QTest::newRow("bottom-left") << QPoint(0, 462) << "-10"
                                 << "-9.9" << false;
    QTest::newRow("bottom-right") << QPoint(504, 462) << "9.96"
                                  << "-9.9" << false;
    // -10 + 252 * 20 / 505 = -0.019802; -10 + 231 * 20 / 463 = -0.021598
    QTest::newRow("centre, where the axes cross") << QPoint(252, 231) << "-0.0"
                                                  << "0.02" << true;
    // The y-axis at 0 is drawn from column 10 * 505 / 20 = 252.5, rounded to
    // 253: -10 + 253 * 20 / 505 = 0.019802; -10 + 100 * 20 / 463 = -5.680346
    QTest::newRow("on the y-axis") << QPoint(253, 100) << "0.02"
                                   << "5.68" << true;
    // The x-axis at row 10 * 23.15 = 231.49999..., rounded to 231, two pixels
    // wide: rows 230 and 231. -10 + 100 * 20 / 505 = -6.039604; -10 + 230 *
    // 20 / 463 = -0.064795
    QTest::newRow("on the x-axis") << QPoint(100, 230) << "-6.0"
                                   << "0.06" << true;
}

void GraphCommandsTest::readoutAtThePanelsPixels()
{
    QFETCH(QPoint, pixel);
    QFETCH(QString, tx);
    QFETCH(QString, ty);
    QFETCH(bool, onAxis);
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QCOMPARE(f->p1->contentsRect().size(), QSize(505, 463));
    QCOMPARE(f->p1->canvas().image().pixel(pixel) == lightRed, onAxis);
    // Away first, so that the move to the pixel is a move.
    QTest::mouseMove(f->p1, f->p1->contentsRect().topLeft() + QPoint(300, 300));
    QTest::mouseMove(f->p1, f->p1->contentsRect().topLeft() + pixel);
    QCOMPARE(f->tx->text(), tx);
    QCOMPARE(f->ty->text(), ty);
}

void GraphCommandsTest::zoom_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<bool>("out");
    QTest::addColumn<QString>("newLower");
    QTest::addColumn<QString>("newUpper");
    QTest::newRow("out from the defaults") << "-10"
                                           << "10" << true << "-11"
                                           << "11";
    QTest::newRow("in from the defaults") << "-10"
                                          << "10" << false << "-9"
                                          << "9";
    QTest::newRow("fractional bounds") << "-2.5"
                                       << "3.5" << true << "-3.5"
                                       << "4.5";
    QTest::newRow("empty lower bound") << ""
                                       << "10" << true << "-1"
                                       << "11";
    QTest::newRow("bound beyond the double range counts as 0") << "-1e400"
                                                               << "1e400" << true << "-1"
                                                               << "1";
}

void GraphCommandsTest::zoom()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(bool, out);
    QFETCH(QString, newLower);
    QFETCH(QString, newUpper);
    LoadedForm f;
    LoadedForm::type(f->txmin, lower);
    LoadedForm::type(f->txmax, upper);
    LoadedForm::click(out ? f->Command1 : f->Command2);
    QCOMPARE(f->txmin->text(), newLower);
    QCOMPARE(f->txmax->text(), newUpper);
    QCOMPARE(f.warnings, QStringList());
}

void GraphCommandsTest::zoomInPastAnEmptyRange()
{
    LoadedForm f;
    for (int k = 0; k < 10; ++k)
        LoadedForm::click(f->Command2);
    QCOMPARE(f->txmin->text(), "0");
    QCOMPARE(f->txmax->text(), "0");
    LoadedForm::click(f->Command2);
    QCOMPARE(f->txmin->text(), "1");
    QCOMPARE(f->txmax->text(), "-1");
    QCOMPARE(f.warnings, QStringList());
    // The inverted range draws no grid: no magenta on the panel.
    const QImage& image = f->p1->canvas().image();
    QCOMPARE(runsOf(image, magenta, image.height() / 3, true).size(), 0);
}

void GraphCommandsTest::zoomAddsNoReportButTheNextClickDoes()
{
    LoadedForm f;
    LoadedForm::click(f->Check1);
    LoadedForm::click(f->Command1);
    QCOMPARE(f->txt_results->toPlainText(), QString());
    QVERIFY(f->PlaceResults); // still what the box shows
    LoadedForm::click(f->cmd_bothlines);
    QVERIFY(f->txt_results->toPlainText().startsWith(" Intersection: (2,  4)\n"));
}

void GraphCommandsTest::zoomWithAVerticalLineEndsSilently()
{
    LoadedForm f;
    LoadedForm::type(f->t3_b, "-7");
    LoadedForm::click(f->Command1);
    QCOMPARE(f.warnings, QStringList());
    QCOMPARE(f->txmin->text(), "-11");
    QCOMPARE(f->txt_slope1->text(), "0.5"); // written before the failing step
    QCOMPARE(f->txt_slope2->text(), "1"); // kept from before
}

QTEST_MAIN(GraphCommandsTest)
#include "graph_commands_test.moc"
