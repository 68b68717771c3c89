// A line typed as its equation into txt_eqn1 or txt_eqn2: Enter fills the
// line's end-point fields and draws both lines; what cannot be used changes
// nothing and is marked; Esc puts the text back; the tooltip says what to
// type; the Exact values window says when end points were rounded.
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/equation/equation_entry.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/widgets/read_mark.h"
#include "main_window/widgets/result_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QToolTip>

namespace {

// Every field of the window a command reads or writes.
QStringList everyField(const Form1& w)
{
    QStringList texts;
    for (const QLineEdit* field : { w.t1, w.t2, w.t3, w.t4, w.t1_b, w.t2_b, w.t3_b, w.t4_b, w.txmin,
             w.txmax, w.txt_slope1, w.txt_yint1, w.txt_l1xint, w.txt_l1yint, w.txt_slope2,
             w.txt_yint2, w.txt_eqn2, w.txt_l2xint, w.txt_l2yint })
        texts << field->text();
    return texts << w.lblAns->text() << w.txt_results->toPlainText();
}

void typeEquation(QLineEdit* box, const QString& text)
{
    LoadedForm::type(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class EquationEntryTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void enterFillsTheEndPointsAndDrawsBothLines_data();
    void enterFillsTheEndPointsAndDrawsBothLines();
    void whatCannotBeUsedChangesNothing_data();
    void whatCannotBeUsedChangesNothing();
    void escPutsBackTheText();
    void escAfterAnAcceptedEnterKeepsTheNewEquation();
    void escAfterRetypingTheLastCharacterPutsBackWhatWasShown();
    void enterAfterARefusalAndARewriteDoesNothing();
    void frameAndTextPointerWhileHoveredOrFocused();
    void afterEnterTheWholeEquationShows();
    void refusalShowsItsReasonAtOnceUnderTheBox();
    void tooltipSaysWhatCanBeTyped();
    void exactValuesSayWhenEndPointsWereRounded();
};

void EquationEntryTest::cleanup()
{
    if (ExactWindow::instance())
        ExactWindow::instance()->close();
}

void EquationEntryTest::enterFillsTheEndPointsAndDrawsBothLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("endPoints");
    QTest::addColumn<QString>("equation");
    QTest::newRow("slope_intercept")
        << 1 << "y = 2x + 3" << QStringList { "-6", "-9", "3", "9" } << " Y = 2 X +  3";
    QTest::newRow("general_line_two") << 2 << "2x + 3y = 6" << QStringList { "-9", "8", "9", "-4" }
                                      << " Y = -0.666666666666667 X +  2";
    QTest::newRow("vertical") << 1 << "x = 4" << QStringList { "4", "-10", "4", "10" } << " X = 4";
    QTest::newRow("no_finite_decimal")
        << 1 << "y = x/3 + 1/7"
        << QStringList { "-10", "-3.19047619047619", "10", "3.47619047619048" }
        // The window's own chain from the rounded end points.
        << " Y = 0.333333333333333 X +  0.142857142857145";
}

void EquationEntryTest::enterFillsTheEndPointsAndDrawsBothLines()
{
    QFETCH(int, line);
    QFETCH(QString, typed);
    QFETCH(QStringList, endPoints);
    QFETCH(QString, equation);
    LoadedForm f;
    // The other line is typed but not drawn: only a run of both lines
    // brings its results up to date.
    const int other = 3 - line;
    f.typeLine(other, { "0", "0", "1", "5" });
    typeEquation(line == 1 ? f->txt_eqn1 : f->txt_eqn2, typed);

    QLineEdit* const one[] = { f->t1, f->t2, f->t3, f->t4 };
    QLineEdit* const two[] = { f->t1_b, f->t2_b, f->t3_b, f->t4_b };
    for (int k = 0; k < 4; ++k)
        QCOMPARE((line == 1 ? one : two)[k]->text(), endPoints[k]);
    QCOMPARE((line == 1 ? f->txt_eqn1 : f->txt_eqn2)->text(), equation);
    QCOMPARE((other == 1 ? f->txt_eqn1 : f->txt_eqn2)->text(), " Y = 5 X +  0");
    QVERIFY(!f->lblAns->text().isEmpty());
    QCOMPARE(f.warnings, QStringList());
}

void EquationEntryTest::whatCannotBeUsedChangesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("why");
    QTest::newRow("curve") << "y = x^2"
                           << "x\u00B2 makes a curve, not a straight line";
    QTest::newRow("no_variable") << "3 = 3"
                                 << "There is no x or y here, so this is no line";
    QTest::newRow("empty") << ""
                           << "Type an equation of a line, such as y = 2x + 3";
    QTest::newRow("misses_the_range")
        << "y = 2x + 100"
        << "This line does not pass through the range shown, -10 to 10: change the range, or "
           "type another line";
}

void EquationEntryTest::whatCannotBeUsedChangesNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, why);
    LoadedForm f;
    const QStringList before = everyField(*f.form);
    typeEquation(f->txt_eqn1, typed);
    QCOMPARE(everyField(*f.form), before);
    QCOMPARE(f->txt_eqn1->text(), typed);
    QVERIFY(read_mark::isMarked(f->txt_eqn1));
    QCOMPARE(f->txt_eqn1->toolTip(), why);
    QCOMPARE(f.warnings, QStringList());
}

void EquationEntryTest::escPutsBackTheText()
{
    LoadedForm f;
    const QString shown = f->txt_eqn1->text();
    LoadedForm::type(f->txt_eqn1, "y = 3x");
    QTest::keyClick(f->txt_eqn1, Qt::Key_Escape);
    QCOMPARE(f->txt_eqn1->text(), shown);
    QCOMPARE(f->t1->text(), "-6");
    // Enter in the untouched box reads nothing: the lines are as they were.
    QTest::keyClick(f->txt_eqn1, Qt::Key_Return);
    QCOMPARE(f->t1->text(), "-6");
    QVERIFY(!read_mark::isMarked(f->txt_eqn1));
}

void EquationEntryTest::escAfterAnAcceptedEnterKeepsTheNewEquation()
{
    LoadedForm f;
    typeEquation(f->txt_eqn1, "y = 2x + 3");
    QCOMPARE(f->txt_eqn1->text(), " Y = 2 X +  3");
    QTest::keyClick(f->txt_eqn1, Qt::Key_Escape);
    QCOMPARE(f->txt_eqn1->text(), " Y = 2 X +  3");
    QCOMPARE(f->t1->text(), "-6");
}

void EquationEntryTest::escAfterRetypingTheLastCharacterPutsBackWhatWasShown()
{
    LoadedForm f;
    // The program changes the box's text once, then the pupil types over its
    // last character with the same character: the text is as it was.
    LoadedForm::type(f->t4, "9");
    LoadedForm::click(f->cmd_bothlines);
    const QString shown = f->txt_eqn1->text();
    QVERIFY(!shown.isEmpty());
    f->txt_eqn1->setFocus();
    f->txt_eqn1->setSelection(int(shown.size()) - 1, 1);
    QTest::keyClicks(f->txt_eqn1, shown.right(1));
    QCOMPARE(f->txt_eqn1->text(), shown);
    QTest::keyClick(f->txt_eqn1, Qt::Key_Escape);
    QCOMPARE(f->txt_eqn1->text(), shown);
}

void EquationEntryTest::enterAfterARefusalAndARewriteDoesNothing()
{
    LoadedForm f;
    f->Check1->setChecked(true);
    const QStringList endPoints { f->t1->text(), f->t2->text(), f->t3->text(), f->t4->text() };
    typeEquation(f->txt_eqn1, "y = x^2");
    QVERIFY(read_mark::isMarked(f->txt_eqn1));
    // A command writes the window's own equation into the box again.
    LoadedForm::click(f->cmd_bothlines);
    const QString report = f->txt_results->toPlainText();
    QTest::keyClick(f->txt_eqn1, Qt::Key_Return);
    QCOMPARE(
        (QStringList { f->t1->text(), f->t2->text(), f->t3->text(), f->t4->text() }), endPoints);
    QCOMPARE(f->txt_results->toPlainText(), report);
}

void EquationEntryTest::frameAndTextPointerWhileHoveredOrFocused()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QLineEdit* box = f->txt_eqn1;
    QCOMPARE(box->cursor().shape(), Qt::IBeamCursor);
    // The box's top edge, as the window shows it.
    const auto edge = [&] {
        const QImage shot = f->grab(QRect(box->pos(), QSize(box->width(), 1)))
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        return QList<QRgb>(reinterpret_cast<const QRgb*>(shot.constBits()),
            reinterpret_cast<const QRgb*>(shot.constBits()) + shot.width());
    };
    const QList<QRgb> plain = edge();
    QVERIFY(!plain.contains(qRgb(128, 128, 128)));
    const QList<QRgb> framed(box->width(), qRgb(128, 128, 128));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(box, &enter);
    QCOMPARE(edge(), framed);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(box, &leave);
    QCOMPARE(edge(), plain);
    box->setFocus();
    QVERIFY(box->hasFocus());
    QCOMPARE(edge(), framed);
    f->p1->setFocus();
    QCOMPARE(edge(), plain);
}

void EquationEntryTest::afterEnterTheWholeEquationShows()
{
    LoadedForm f;
    typeEquation(f->txt_eqn2, "2x + 3y = 6");
    QLineEdit* box = f->txt_eqn2;
    QCOMPARE(box->text(), " Y = -0.666666666666667 X +  2");
    // Without the focus the box paints its numbers shortened, to fit whole.
    QVERIFY(!box->hasFocus());
    const QString shown = result_box::shown(box);
    QVERIFY2(shown.endsWith("X +  2") && result_box::fits(box, shown), qPrintable(shown));
    QCOMPARE(box->cursorPosition(), 0);
}

void EquationEntryTest::refusalShowsItsReasonAtOnceUnderTheBox()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    typeEquation(f->txt_eqn1, "y = x^2");
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains("x\u00B2 makes a curve, not a straight line"));
    const QWidget* tip = nullptr;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "qtooltip_label" && w->isVisible())
            tip = w;
    QVERIFY(tip);
    QVERIFY2(tip->width() <= 400, qPrintable(QString::number(tip->width())));
    QVERIFY(tip->y() >= f->txt_eqn1->mapToGlobal(QPoint(0, f->txt_eqn1->height())).y());
    // The help that follows the reason is broken into several lines.
    QVERIFY(QToolTip::text().count("<br>") >= 3);
    QToolTip::hideText();
}

void EquationEntryTest::tooltipSaysWhatCanBeTyped()
{
    LoadedForm f;
    const auto* entry = f->findChild<EquationEntry*>("equationEntry1");
    QVERIFY(entry);
    QVERIFY(entry->tooltip().startsWith(f->txt_eqn1->toolTip() + "\n\n"));
    QVERIFY(entry->tooltip().contains("1/2x means (1/2)x"));
    // Refused, the reason comes first; the next edit brings the exact value
    // back.
    const QString exact = f->txt_eqn1->toolTip();
    typeEquation(f->txt_eqn1, "y = 1/x");
    QVERIFY(entry->tooltip().startsWith("1/x makes a curve, not a straight line\n\n"));
    QTest::keyClicks(f->txt_eqn1, " ");
    QCOMPARE(f->txt_eqn1->toolTip(), exact);
}

void EquationEntryTest::exactValuesSayWhenEndPointsWereRounded()
{
    LoadedForm f;
    f->exactLink_Click();
    const auto page = [] { return ExactWindow::instance()->page()->toPlainText(); };
    const QString note = "rounded to 15 significant digits from the typed equation";
    typeEquation(f->txt_eqn1, "y = 2x + 3");
    QVERIFY(!page().contains(note));
    typeEquation(f->txt_eqn1, "y = x/3 + 1/7");
    QVERIFY(page().contains(note + " y = x/3 + 1/7"));
    // Edited by hand, the end points are the pupil's own.
    LoadedForm::type(f->t1, "-9");
    QVERIFY(!page().contains(note));
}

QTEST_MAIN(EquationEntryTest)
#include "equation_entry_test.moc"
