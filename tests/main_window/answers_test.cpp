// What the window answers for every pair of lines: vertical lines, commands
// that stop, and how typed texts were read.
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/widgets/read_mark.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

class AnswersTest : public QObject {
    Q_OBJECT

private slots:
    void verticalLines_data();
    void verticalLines();
    void reportWithAVerticalLine();
    void stoppedCommands_data();
    void stoppedCommands();
    void zoomKeepsWhatItDidNotReach_data();
    void zoomKeepsWhatItDidNotReach();
    void readMarks_data();
    void readMarks();
    void readMarksFollowWhatACommandReads();
};

namespace {

// Every result, in the order of the both-lines command's steps.
QStringList results(const LoadedForm& f)
{
    return { f->txt_slope1->text(), f->txt_yint1->text(), f->txt_slope2->text(),
        f->txt_yint2->text(), f->lblAns->text(), f->txt_eqn1->text(), f->txt_eqn2->text(),
        f->txt_l1yint->text(), f->txt_l2yint->text(), f->txt_l1xint->text(),
        f->txt_l2xint->text() };
}

QAbstractButton* commandButton(const LoadedForm& f, int command)
{
    if (command == 1)
        return f->draw_line1;
    if (command == 2)
        return f->draw_line2;
    return f->cmd_bothlines;
}

const QStringList defaultOne { "-6", "0", "8", "7" }, defaultTwo { "-7", "-5", "6", "8" };
const QStringList upright { "3", "1", "3", "5" };
const QColor black(0, 0, 0), red(255, 0, 0);

} // namespace

void AnswersTest::verticalLines_data()
{
    QTest::addColumn<int>("command"); // 0 both lines, else the line drawn
    QTest::addColumn<QStringList>("line1");
    QTest::addColumn<QStringList>("line2");
    // slope1, yint1, slope2, yint2, lblAns, eqn1, eqn2, l1yint, l2yint, l1xint, l2xint
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("bold");

    QTest::newRow("line one vertical") << 0 << upright << defaultTwo
                                       << QStringList { "undefined", "none", "1", "2", "(3,  5)",
                                              " X = 3", " Y = 1 X +  2", "none", "2", "3", "-2" }
                                       << black << false;
    QTest::newRow("line two vertical")
        << 0 << defaultOne << QStringList { "-7", "-5", "-7", "8" }
        << QStringList { "0.5", "3", "undefined", "none", "(-7,  -0.5)", " Y = 0.5 X +  3",
               " X = -7", "3", "none", "-6", "-7" }
        << black << false;
    QTest::newRow("both vertical, one line")
        << 0 << QStringList { "2", "0", "2", "1" } << QStringList { "2", "5", "2", "-3" }
        << QStringList { "undefined", "none", "undefined", "none", "Same line. Infinite solutions.",
               " X = 2", " X = 2", "none", "none", "2", "2" }
        << red << true;
    QTest::newRow("both vertical, apart")
        << 0 << QStringList { "2", "0", "2", "1" } << QStringList { "-1.5", "5", "-1.5", "-3" }
        << QStringList { "undefined", "none", "undefined", "none",
               "Parallel lines. No Intersection.", " X = 2", " X = -1.5", "none", "none", "2",
               "-1.5" }
        << red << true;
    QTest::newRow("vertical at x = 0") << 0 << QStringList { "0", "-4", "0", "4" } << defaultTwo
                                       << QStringList { "undefined", "all", "1", "2", "(0,  2)",
                                              " X = 0", " Y = 1 X +  2", "all", "2", "0", "-2" }
                                       << black << false;
    QTest::newRow("empty X fields read as x = 0")
        << 0 << QStringList { "", "1", "", "5" } << defaultTwo
        << QStringList { "undefined", "all", "1", "2", "(0,  2)", " X = 0", " Y = 1 X +  2", "all",
               "2", "0", "-2" }
        << black << false;
    QTest::newRow("against a horizontal line")
        << 0 << QStringList { "1", "2", "4", "2" } << upright
        << QStringList { "0", "2", "undefined", "none", "(3,  2)", " Y = 0 X +  2", " X = 3", "2",
               "none", "none", "3" }
        << black << false;
    QTest::newRow("against the x-axis") << 0 << upright << QStringList { "-3", "0", "4", "0" }
                                        << QStringList { "undefined", "none", "0", "0", "(3,  0)",
                                               " X = 3", " Y = 0 X +  0", "none", "0", "3", "all" }
                                        << black << false;
    QTest::newRow("the y-axis against the x-axis")
        << 0 << QStringList { "0", "1", "0", "2" } << QStringList { "-3", "0", "4", "0" }
        << QStringList { "undefined", "all", "0", "0", "(0,  0)", " X = 0", " Y = 0 X +  0", "all",
               "0", "0", "all" }
        << black << false;
    // The label keeps the colour and weight of the start-up's crossing.
    QTest::newRow("draw line 1, vertical")
        << 1 << upright << defaultTwo
        << QStringList { "undefined", "none", "", "", "", " X = 3", "", "none", "", "3", "" }
        << black << false;
    QTest::newRow("draw line 2, vertical at x = 0")
        << 2 << defaultOne << QStringList { "0", "8", "0", "-8" }
        << QStringList { "", "", "undefined", "all", "", "", " X = 0", "", "all", "", "0" } << black
        << false;
    QTest::newRow("draw line 1 beside a vertical line 2")
        << 1 << defaultOne << upright
        << QStringList { "0.5", "3", "", "", "", " Y = 0.5 X +  3", "", "3", "", "-6", "" } << black
        << false;
}

void AnswersTest::verticalLines()
{
    QFETCH(int, command);
    QFETCH(QStringList, line1);
    QFETCH(QStringList, line2);
    QFETCH(QStringList, expected);
    QFETCH(QColor, colour);
    QFETCH(bool, bold);
    LoadedForm f;
    f.typeLine(1, line1);
    f.typeLine(2, line2);
    LoadedForm::click(commandButton(f, command));
    QCOMPARE(results(f), expected);
    QCOMPARE(f->lblAns->palette().color(QPalette::WindowText), colour);
    QCOMPARE(f->lblAns->font().bold(), bold);
    QCOMPARE(f.warnings, QStringList());
}

void AnswersTest::reportWithAVerticalLine()
{
    LoadedForm f;
    LoadedForm::click(f->Check1);
    f.typeLine(1, upright);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_results->toPlainText(),
        " Intersection: (3,  5)\n"
        " P1 = ( 3 , 1 ) , P2 = ( 3 , 5 )       Equation 1:   X = 3\n"
        " P3 = ( -7 , -5 ) , P4 = ( 6 , 8 )      Equation 2:   Y = 1 X +  2\n\n");
    // Drawn as any line: a cyan segment from (3, 1) up to (3, 5).
    const graph::Canvas& c = f->p1->canvas();
    const int column = static_cast<int>(c.ColumnOf(3));
    for (const double y : { 1.5, 3.0, 4.5 })
        QCOMPARE(c.image().pixel(column, static_cast<int>(c.RowOf(-y))), qRgb(0, 128, 128));
}

void AnswersTest::stoppedCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("line1");
    QTest::addColumn<QStringList>("line2");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("expected"); // as in verticalLines

    const QStringList nothing(11);
    QTest::newRow("range: bound beyond the double range")
        << 0 << defaultOne << defaultTwo << "-1e999"
        << "The lowest value of the range is too large: use a number between about -1.8E+308 and "
           "1.8E+308."
        << nothing;
    QTest::newRow("range, draw line 1: lowest and highest the same")
        << 1 << defaultOne << defaultTwo << "10"
        << "The range from 10 to 10 is empty: make the lowest and highest values differ."
        << nothing;
    QTest::newRow("line 1 a single point")
        << 0 << QStringList { "3", "1", "3", "1" } << defaultTwo << "-10"
        << "Line 1's two end points are the same point, so they do not make a line: change X2 or "
           "Y2 so that the points differ."
        << nothing;
    QTest::newRow("line 2 a single point")
        << 0 << QStringList { "0", "-3", "1", "-1" } << QStringList { "4", "4", "4", "4" } << "-10"
        << "Line 2's two end points are the same point, so they do not make a line: change X2 or "
           "Y2 so that the points differ."
        << QStringList { "2", "-3", "", "", "", "", "", "", "", "", "" };
    QTest::newRow("draw line 2, a single point")
        << 2 << defaultOne << QStringList { "4", "4", "4", "4" } << "-10"
        << "Line 2's two end points are the same point, so they do not make a line: change X2 or "
           "Y2 so that the points differ."
        << nothing;
    QTest::newRow("end point beyond the double range")
        << 0 << QStringList { "-6", "0", "1e309", "7" } << defaultTwo << "-10"
        << "Line 1's X2 is too large: use a number between about -1.8E+308 and 1.8E+308."
        << nothing;
    QTest::newRow("end point beyond the drawing range")
        << 0 << defaultOne << QStringList { "-7", "-5", "6", "1e39" } << "-10"
        << "Line 2's Y2 is too large to draw: use a number between about -3.4E+38 and 3.4E+38."
        << nothing;
    QTest::newRow("slope beyond the double range, though X1 and X2 differ")
        << 0 << QStringList { "0", "0", "4.9E-324", "1" } << defaultTwo << "-10"
        << "Line 1 is too steep to work out its slope: move its X1 and X2 further apart."
        << nothing;
    QTest::newRow("crossing beyond the single range")
        << 0 << QStringList { "0", "0", "1", "1" }
        << QStringList { "0", "1E+30", "1E+30", "2.00000000000001E+30" } << "-10"
        << "The crossing point is too far away to show: change an end point so that the lines "
           "meet nearer the middle of the graph."
        << QStringList { "1", "0", "1.00000000000001", "1E+30", "", "", "", "", "", "", "" };
    // y = 1E+10 x meets x = 1E+30 at y = 1E+40.
    QTest::newRow("crossing with a vertical line beyond the single range")
        << 0 << QStringList { "1E+30", "0", "1E+30", "1" } << QStringList { "0", "0", "1", "1E+10" }
        << "-10"
        << "The crossing point is too far away to show: change an end point so that the lines "
           "meet nearer the middle of the graph."
        << QStringList { "undefined", "none", "10000000000", "0", "", "", "", "", "", "", "" };
    // The slope, 1E-300 / 3E+38, rounds to 0 though the line rises; it meets
    // the x-axis near -3E+338, and y = x + 2 at (-1 - m, 1 - m).
    const QString justAboveOne = "1." + QString(299, u'0') + "1";
    QTest::newRow("x-axis crossing of a vanishing slope")
        << 0 << QStringList { "0", "1", "3E+38", justAboveOne } << defaultTwo << "-10"
        << "Line 1 is too flat to work out where it meets the x-axis: make it steeper."
        << QStringList { "0", "1", "1", "2", "(-1,  1)", " Y = 0 X +  1", " Y = 1 X +  2", "1", "2",
               "", "" };
    QTest::newRow("draw line 1, x-axis crossing of a vanishing slope")
        << 1 << QStringList { "0", "1", "3E+38", justAboveOne } << defaultTwo << "-10"
        << "Line 1 is too flat to work out where it meets the x-axis: make it steeper."
        << QStringList { "0", "1", "", "", "", " Y = 0 X +  1", "", "1", "", "", "" };
}

void AnswersTest::stoppedCommands()
{
    QFETCH(int, command);
    QFETCH(QStringList, line1);
    QFETCH(QStringList, line2);
    QFETCH(QString, lower);
    QFETCH(QString, warning);
    QFETCH(QStringList, expected);
    LoadedForm f; // every result field holds the start-up's answer
    f.typeLine(1, line1);
    f.typeLine(2, line2);
    LoadedForm::type(f->txmin, lower);
    LoadedForm::click(commandButton(f, command));
    QCOMPARE(f.warnings, QStringList { warning });
    QCOMPARE(results(f), expected);
    QCOMPARE(f->txt_results->toPlainText(), QString());
    QVERIFY(f->isEnabled());
}

void AnswersTest::zoomKeepsWhatItDidNotReach_data()
{
    QTest::addColumn<QStringList>("line2");
    QTest::addColumn<QStringList>("clicked"); // what the button then shows
    QTest::addColumn<int>("warnings");
    QTest::newRow("line 2 a single point")
        << QStringList { "4", "4", "4", "4" }
        << QStringList { "2", "-3", "", "", "", "", "", "", "", "", "" } << 1;
    // For the zoom a vertical line stays the failing step it was designed as.
    QTest::newRow("line 2 vertical") << QStringList { "4", "0", "4", "1" }
                                     << QStringList { "2", "-3", "undefined", "none", "(4,  5)",
                                            " Y = 2 X +  -3", " X = 4", "-3", "none", "1.5", "4" }
                                     << 0;
}

void AnswersTest::zoomKeepsWhatItDidNotReach()
{
    QFETCH(QStringList, line2);
    QFETCH(QStringList, clicked);
    QFETCH(int, warnings);
    LoadedForm f;
    f.typeLine(1, { "0", "-3", "1", "-1" });
    f.typeLine(2, line2);
    LoadedForm::click(f->Check1);
    LoadedForm::click(f->Command1);
    QCOMPARE(f.warnings, QStringList());
    QCOMPARE(f->txmin->text(), "-11");
    // Line one's slope and y-intercept are new; the rest is the start-up's.
    QCOMPARE(results(f),
        (QStringList { "2", "-3", "1", "2", "(2,  4)", " Y = 0.5 X +  3", " Y = 1 X +  2", "3", "2",
            "-6", "-2" }));
    QCOMPARE(f->txt_results->toPlainText(), QString());
    // The button answers, or empties what it did not reach.
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f.warnings.size(), warnings);
    QCOMPARE(results(f), clicked);
}

void AnswersTest::readMarks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tooltip"); // empty: nothing said
    const QString start = QStringLiteral(
        "Read as %1: only the number at the start counts; type the number alone, with nothing "
        "after it");
    const QString none
        = QStringLiteral("Read as 0: there is no number here; type a number such as 2, -3 or 1.5");
    const QString comma = QStringLiteral("Read as %1: only the number before the comma counts; ");
    const QString slash = QStringLiteral("Read as %1: only the number before the slash counts; ");
    QTest::newRow("1,5") << "1,5" << comma.arg(1) + "type 1.5 for one and a half";
    QTest::newRow("0,5") << "0,5" << comma.arg(0) + "type 0.5 for a half";
    QTest::newRow("-2,25") << "-2,25" << comma.arg(-2) + "type -2.25 with a point";
    QTest::newRow("1,5,3") << "1,5,3" << comma.arg(1) + "a decimal number takes a point, as in 1.5";
    // A fraction or a mixed number is the number the pupil meant: said, not
    // marked.
    QTest::newRow("1/2") << "1/2"
                         << "Read as 1/2";
    QTest::newRow("-3/4") << "-3/4"
                          << "Read as -3/4";
    QTest::newRow("12 / 4") << "12 / 4"
                            << "Read as 3";
    QTest::newRow("1 1/2") << "1 1/2"
                           << "Read as 3/2";
    QTest::newRow("half character") << "\u00BD"
                                    << "Read as 1/2";
    QTest::newRow("1/0") << "1/0"
                         << slash.arg(1)
            + "type a fraction as a decimal number, such as 0.5 for one half";
    QTest::newRow("abc") << "abc" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("3e") << "3e" << start.arg(3);
    QTest::newRow("5abc") << "5abc" << start.arg(5);
    QTest::newRow("-6") << "-6" << QString();
    QTest::newRow("blanks around 2") << " 2 " << QString();
    QTest::newRow("1E+3") << "1E+3" << QString();
}

void AnswersTest::readMarks()
{
    QFETCH(QString, typed);
    QFETCH(QString, tooltip);
    LoadedForm f;
    f->show();
    const QImage plain = f->t1->grab().toImage();
    LoadedForm::type(f->t1, typed);
    LoadedForm::type(f->txmin, typed);
    const QRect place = f->t1->geometry();
    LoadedForm::click(f->cmd_bothlines);
    // A text read otherwise than typed says why after a colon, and is
    // marked; a fraction read as meant says only its number.
    const bool marked = tooltip.contains(u':');
    for (QLineEdit* field : { f->t1, f->txmin }) {
        QCOMPARE(read_mark::isMarked(field), marked);
        QCOMPARE(field->toolTip(), tooltip);
    }
    QCOMPARE(f->t1->geometry(), place);
    // The mark shows in the corner away from the text; without one the
    // field looks as ever.
    const QImage shot = f->t1->grab().toImage();
    const QRgb corner = shot.pixel(shot.width() - 1, 0);
    QCOMPARE(corner == qRgb(230, 110, 0), marked);
    if (typed == "-6") // the text it started with
        QCOMPARE(shot, plain);
    // Typing takes the mark away; the other field keeps its own.
    QTest::keyClick(f->t1, Qt::Key_End);
    QTest::keyClick(f->t1, Qt::Key_Space);
    QVERIFY(!read_mark::isMarked(f->t1));
    QCOMPARE(f->t1->toolTip(), QString());
    QCOMPARE(read_mark::isMarked(f->txmin), marked);
}

void AnswersTest::readMarksFollowWhatACommandReads()
{
    LoadedForm f;
    QVERIFY(!read_mark::isMarked(f->t1)); // the start-up's texts are all numbers
    LoadedForm::type(f->t1_b, "abc");
    LoadedForm::click(f->draw_line1);
    QVERIFY(!read_mark::isMarked(f->t1_b)); // line two was not read
    LoadedForm::click(f->draw_line2);
    QVERIFY(read_mark::isMarked(f->t1_b));
    // A zoom's redraw reads every field too; the range it writes is plain.
    LoadedForm::type(f->txmax, "10 or so");
    LoadedForm::type(f->t4, "7!");
    LoadedForm::click(f->Command1);
    QCOMPARE(f->txmax->text(), "11");
    QVERIFY(!read_mark::isMarked(f->txmax));
    QVERIFY(read_mark::isMarked(f->t4));
    QCOMPARE(f->t4->toolTip(),
        "Read as 7: only the number at the start counts; type the number alone, with nothing "
        "after it");
}

QTEST_MAIN(AnswersTest)
#include "answers_test.moc"
