#include "form1_fixture.h"
#include "graph/graph_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

class BothLinesTest : public QObject {
    Q_OBJECT

private slots:
    void startUpState();
    void fields_data();
    void fields();
    void rangeStopsBeforeAnyField_data();
    void rangeStopsBeforeAnyField();
    void labelColourAndWeight_data();
    void labelColourAndWeight();
    void reportsAppendInOrder();
    void reportGoesToTheInsertionPoint();
    void reportReplacesASelection();
    void checkBoxAloneChangesNothing();
    void repeatedRunsGiveTheSamePicture();
};

void BothLinesTest::startUpState()
{
    LoadedForm f;
    QCOMPARE(f->windowTitle(), QStringLiteral("Quarnby's Trellan"));
    QCOMPARE(f->txt_slope1->text(), "0.5");
    QCOMPARE(f->txt_yint1->text(), "3");
    QCOMPARE(f->txt_slope2->text(), "1");
    QCOMPARE(f->txt_yint2->text(), "2");
    QCOMPARE(f->lblAns->text(), "(2,  4)");
    QCOMPARE(f->txt_eqn1->text(), " Y = 0.5 X +  3");
    QCOMPARE(f->txt_eqn2->text(), " Y = 1 X +  2");
    QCOMPARE(f->txt_l1yint->text(), "3");
    QCOMPARE(f->txt_l2yint->text(), "2");
    QCOMPARE(f->txt_l1xint->text(), "-6");
    QCOMPARE(f->txt_l2xint->text(), "-2");
    QCOMPARE(f->txt_results->toPlainText(), QString());
    QVERIFY(!f->Check1->isChecked());
    QVERIFY(!f->PlaceResults);
    QVERIFY(f.warnings.isEmpty());
    // Centred on the screen.
    const QRect screen = f->screen()->geometry();
    const QRect frame = f->frameGeometry();
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
    // A window wider than the screen is centred all the same, its left edge
    // off the screen.
    if (frame.width() > screen.width())
        QVERIFY(frame.left() < screen.left());
    // The first frame already holds both lines: cyan and green on the panel.
    const QImage& image = f->p1->canvas().image();
    bool cyan = false, green = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            cyan |= image.pixel(x, y) == qRgb(0, 128, 128);
            green |= image.pixel(x, y) == qRgb(0, 128, 0);
        }
    QVERIFY(cyan && green);
}

void BothLinesTest::fields_data()
{
    QTest::addColumn<QStringList>("line1");
    QTest::addColumn<QStringList>("line2");
    // slope1, yint1, slope2, yint2, lblAns, eqn1, eqn2, l1yint, l2yint, l1xint, l2xint
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("worked example")
        << QStringList { "-6", "0", "8", "7" } << QStringList { "-7", "-5", "6", "8" }
        << QStringList { "0.5", "3", "1", "2", "(2,  4)", " Y = 0.5 X +  3", " Y = 1 X +  2", "3",
               "2", "-6", "-2" };
    QTest::newRow("letters read as zero")
        << QStringList { "abc", "0", "8", "7" } << QStringList { "-7", "-5", "6", "8" }
        << QStringList { "0.875", "0", "1", "2", "(-16,  -14)", " Y = 0.875 X +  0",
               " Y = 1 X +  2", "0", "2", "0", "-2" };
    QTest::newRow("negative intercept keeps its plus")
        << QStringList { "0", "-3", "1", "-1" } << QStringList { "-7", "-5", "6", "8" }
        << QStringList { "2", "-3", "1", "2", "(5,  7)", " Y = 2 X +  -3", " Y = 1 X +  2", "-3",
               "2", "1.5", "-2" };
    QTest::newRow("third in double and single")
        << QStringList { "0", "0", "1", "1" } << QStringList { "0", "1", "1", "-1" }
        << QStringList { "1", "0", "-2", "1", "(0.333333333333333,  0.3333333)", " Y = 1 X +  0",
               " Y = -2 X +  1", "0", "1", "0", "0.5" };
    QTest::newRow("crossing on the x-axis")
        << QStringList { "3", "4", "6", "2" } << QStringList { "5", "-2", "-1", "-5" }
        << QStringList { "-0.666666666666667", "6", "0.5", "-4.5", "(9,  0)",
               " Y = -0.666666666666667 X +  6", " Y = 0.5 X +  -4.5", "6", "-4.5", "9", "9" };
    QTest::newRow("parallel") << QStringList { "0", "0", "1", "1" }
                              << QStringList { "0", "1", "1", "2" }
                              << QStringList { "1", "0", "1", "1",
                                     "Parallel lines. No Intersection.", " Y = 1 X +  0",
                                     " Y = 1 X +  1", "0", "1", "0", "-1" };
    QTest::newRow("same fifteen-digit slope is parallel")
        << QStringList { "0", "0", "1", "0.3" } << QStringList { "0", "0.1", "1", "0.4" }
        << QStringList { "0.3", "0", "0.3", "0.1", "Parallel lines. No Intersection.",
               " Y = 0.3 X +  0", " Y = 0.3 X +  0.1", "0", "0.1", "0", "-0.333333333333333" };
    QTest::newRow("coinciding") << QStringList { "0", "0", "1", "1" }
                                << QStringList { "2", "2", "5", "5" }
                                << QStringList { "1", "0", "1", "0",
                                       "Same line. Infinite solutions.", " Y = 1 X +  0",
                                       " Y = 1 X +  0", "0", "0", "0", "0" };
    QTest::newRow("horizontal line has no x-axis crossing")
        << QStringList { "1", "2", "4", "2" } << QStringList { "-7", "-5", "6", "8" }
        << QStringList { "0", "2", "1", "2", "(0,  2)", " Y = 0 X +  2", " Y = 1 X +  2", "2", "2",
               "none", "-2" };
    QTest::newRow("the x-axis meets itself everywhere")
        << QStringList { "-6", "0", "8", "7" } << QStringList { "-3", "0", "4", "0" }
        << QStringList { "0.5", "3", "0", "0", "(-6,  0)", " Y = 0.5 X +  3", " Y = 0 X +  0", "3",
               "0", "-6", "all" };
    QTest::newRow("four thirds through the origin")
        << QStringList { "0", "0", "3", "4" } << QStringList { "0", "0", "3", "4" }
        << QStringList { "1.33333333333333", "0", "1.33333333333333", "0",
               "Same line. Infinite solutions.", " Y = 1.33333333333333 X +  0",
               " Y = 1.33333333333333 X +  0", "0", "0", "0", "0" };
}

void BothLinesTest::fields()
{
    QFETCH(QStringList, line1);
    QFETCH(QStringList, line2);
    QFETCH(QStringList, expected);
    LoadedForm f;
    f.typeLine(1, line1);
    f.typeLine(2, line2);
    LoadedForm::click(f->cmd_bothlines);
    const QStringList got = { f->txt_slope1->text(), f->txt_yint1->text(), f->txt_slope2->text(),
        f->txt_yint2->text(), f->lblAns->text(), f->txt_eqn1->text(), f->txt_eqn2->text(),
        f->txt_l1yint->text(), f->txt_l2yint->text(), f->txt_l1xint->text(),
        f->txt_l2xint->text() };
    QCOMPARE(got, expected);
    QCOMPARE(f.warnings, QStringList());
}

void BothLinesTest::rangeStopsBeforeAnyField_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("warning");
    QTest::newRow("bounds that are the same single")
        << "1"
        << "1.00000001"
        << "The range from 1 to 1.00000001 is too narrow to draw: choose a lowest and a highest "
           "value further apart, differing within their first seven digits.";
    QTest::newRow("upper bound 32767")
        << "-5"
        << "32767"
        << "The range from -5 to 32767 is too wide to number its axes: use a lowest and a highest "
           "value from -32768 to just under 32767.";
}

void BothLinesTest::rangeStopsBeforeAnyField()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QString, warning);
    LoadedForm f;
    f.typeLine(1, { "0", "0", "1", "1" });
    LoadedForm::type(f->txmin, lower);
    LoadedForm::type(f->txmax, upper);
    for (QAbstractButton* command : { static_cast<QAbstractButton*>(f->cmd_bothlines),
             static_cast<QAbstractButton*>(f->draw_line1) }) {
        f.warnings.clear();
        LoadedForm::click(command);
        QCOMPARE(f.warnings, QStringList { warning });
        // Nothing was worked out: no field shows an answer to earlier input.
        QCOMPARE(f->txt_slope1->text(), QString());
        QCOMPARE(f->txt_slope2->text(), QString());
        QCOMPARE(f->lblAns->text(), QString());
        QCOMPARE(f->txt_l2xint->text(), QString());
    }
}

void BothLinesTest::labelColourAndWeight_data()
{
    QTest::addColumn<QStringList>("line2");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("bold");
    QTest::newRow("crossing") << QStringList { "-7", "-5", "6", "8" } << QColor(0, 0, 0) << false;
    QTest::newRow("parallel") << QStringList { "0", "0", "2", "1" } << QColor(255, 0, 0) << true;
    QTest::newRow("coinciding") << QStringList { "0", "3", "2", "4" } << QColor(255, 0, 0) << true;
}

void BothLinesTest::labelColourAndWeight()
{
    QFETCH(QStringList, line2);
    QFETCH(QColor, colour);
    QFETCH(bool, bold);
    LoadedForm f;
    f.typeLine(2, line2);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->lblAns->palette().color(QPalette::WindowText), colour);
    QCOMPARE(f->lblAns->font().bold(), bold);
    // A crossing afterwards turns the label back to black regular type.
    f.typeLine(2, { "-7", "-5", "6", "8" });
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->lblAns->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QVERIFY(!f->lblAns->font().bold());
}

namespace {
const QString defaultReport
    = " Intersection: (2,  4)\n"
      " P1 = ( -6 , 0 ) , P2 = ( 8 , 7 )       Equation 1:   Y = 0.5 X +  3\n"
      " P3 = ( -7 , -5 ) , P4 = ( 6 , 8 )      Equation 2:   Y = 1 X +  2\n\n";
}

void BothLinesTest::reportsAppendInOrder()
{
    LoadedForm f;
    LoadedForm::click(f->Check1);
    QVERIFY(f->PlaceResults);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_results->toPlainText(), defaultReport);
    f.typeLine(1, { "abc", "0", "8", "7" });
    LoadedForm::click(f->cmd_bothlines);
    QVERIFY(f->txt_results->toPlainText().startsWith(defaultReport
        + " Intersection: (-16,  -14)\n"
          " P1 = ( abc , 0 )"));
    // Unticked: nothing more.
    LoadedForm::click(f->Check1);
    const QString before = f->txt_results->toPlainText();
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_results->toPlainText(), before);
}

void BothLinesTest::reportGoesToTheInsertionPoint()
{
    LoadedForm f;
    LoadedForm::click(f->Check1);
    QTest::keyClicks(f->txt_results, "AB");
    QTextCursor cursor = f->txt_results->textCursor();
    cursor.setPosition(1);
    f->txt_results->setTextCursor(cursor);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_results->toPlainText(), "A" + defaultReport + "B");
    QCOMPARE(f->txt_results->textCursor().position(), 1 + defaultReport.size());
}

void BothLinesTest::reportReplacesASelection()
{
    LoadedForm f;
    LoadedForm::click(f->Check1);
    QTest::keyClicks(f->txt_results, "keep REPLACE keep");
    QTextCursor cursor = f->txt_results->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(12, QTextCursor::KeepAnchor);
    f->txt_results->setTextCursor(cursor);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_results->toPlainText(), "keep " + defaultReport + " keep");
}

void BothLinesTest::checkBoxAloneChangesNothing()
{
    LoadedForm f;
    const QImage before = f->p1->canvas().image();
    LoadedForm::click(f->Check1);
    QVERIFY(f->Check1->isChecked());
    QCOMPARE(f->p1->canvas().image(), before);
    QCOMPARE(f->txt_results->toPlainText(), QString());
    // Ticked without a click, as a screen reader does: the flag follows.
    f->Check1->toggle();
    QVERIFY(!f->PlaceResults);
    f->Check1->toggle();
    QVERIFY(f->PlaceResults);
}

void BothLinesTest::repeatedRunsGiveTheSamePicture()
{
    LoadedForm f;
    const QImage first = f->p1->canvas().image();
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->p1->canvas().image(), first);
}

QTEST_MAIN(BothLinesTest)
#include "both_lines_test.moc"
