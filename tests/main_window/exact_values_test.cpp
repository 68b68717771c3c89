// Exact values in the window: the tooltips of the results, the Exact values
// window (its words, that it follows the typing, that it opens once and
// closes with the program, that the keyboard reaches it), and the result
// boxes showing the start of a long text while they have the focus.
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/widgets/beside_owner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

namespace {

using Texts = QStringList;

int openExactWindows()
{
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<ExactWindow*>(w) && w->isVisible();
    return open;
}

QString pageText()
{
    return ExactWindow::instance()->page()->toPlainText();
}

void drawBoth(LoadedForm& f, const Texts& line1, const Texts& line2)
{
    f.typeLine(1, line1);
    f.typeLine(2, line2);
    LoadedForm::click(f->cmd_bothlines);
}

} // namespace

class ExactValuesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void tooltips_data();
    void tooltips();
    void drawLineLeavesNoTooltipOnWhatItEmpties();
    void windowSaysWhatIsExact_data();
    void windowSaysWhatIsExact();
    void repetendsAreOverlined();
    void windowFollowsTheTyping();
    void workingFollowsTheTypingAndCopies();
    void windowOpensOnce();
    void windowOpensBeside_data();
    void windowOpensBeside();
    void keyboardReachesTheLink();
    void quitClosesTheWindow();
    void linkLooksLikeTheAboutLink();
    void longResultShowsItsStart();
    void wholeTextInTheTooltipOnlyWhenCut();
};

void ExactValuesTest::cleanup()
{
    if (ExactWindow* w = ExactWindow::instance())
        w->close();
}

void ExactValuesTest::tooltips_data()
{
    QTest::addColumn<Texts>("line1");
    QTest::addColumn<Texts>("line2");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("tooltip");

    const Texts ordinary2 { "-7", "-5", "6", "8" };
    // y = 3x - 1 meets the x-axis at a third.
    QTest::newRow("a third on an axis crossing")
        << Texts { "0", "-1", "1", "2" } << ordinary2 << "txt_l1xint"
        << "0.333333333333333\nExactly 1/3 = 0.(3)";
    QTest::newRow("a whole number") << Texts { "0", "-1", "1", "2" } << ordinary2 << "txt_l1yint"
                                    << "Exactly -1";
    // y = x + 2 and y = -2x + 3 cross at (1/3, 7/3).
    QTest::newRow("the crossing") << Texts { "0", "2", "1", "3" } << Texts { "0", "3", "1", "1" }
                                  << "lblAns"
                                  << "Exactly (1/3, 7/3)";
    QTest::newRow("a half on line two")
        << Texts { "0", "2", "1", "3" } << Texts { "0", "3", "1", "1" } << "txt_l2xint"
        << "Exactly 3/2 = 1.5";
    QTest::newRow("an equation with its fractions")
        << Texts { "0", "2", "3", "3" } << ordinary2 << "txt_eqn1"
        << " Y = 0.333333333333333 X +  2\nExactly y = 1/3 x + 2\nwhere 1/3 = 0.(3)";
    QTest::newRow("an equation of whole numbers")
        << Texts { "-6", "0", "8", "7" } << Texts { "-7", "-5", "6", "8" } << "txt_eqn2"
        << "Exactly y = x + 2";
    QTest::newRow("slopes the window calls parallel")
        << Texts { "0", "0", "1", "0.1" } << Texts { "0", "1", "1", "1.1000000000000001" }
        << "lblAns"
        << "Exactly (-10000000000000000, -1000000000000000)";
    QTest::newRow("perpendicular")
        << Texts { "0", "0", "1", "2" } << Texts { "0", "1", "2", "0" } << "lblAns"
        << "Exactly (2/5, 4/5)\nThe lines are perpendicular";
    QTest::newRow("parallel") << Texts { "0", "0", "1", "1" } << Texts { "0", "1", "1", "2" }
                              << "lblAns"
                              << "Exactly parallel: the lines never meet";
    QTest::newRow("the same line")
        << Texts { "0", "0", "1", "1" } << Texts { "2", "2", "3", "3" } << "lblAns"
        << "Exactly the same line";
    QTest::newRow("a horizontal line off the axis")
        << Texts { "0", "3", "1", "3" } << ordinary2 << "txt_l1xint"
        << "Exactly none: the line never meets the x-axis";
    QTest::newRow("the x-axis itself") << Texts { "0", "0", "1", "0" } << ordinary2 << "txt_l1xint"
                                       << "Exactly all: the line is the x-axis";
}

void ExactValuesTest::tooltips()
{
    QFETCH(Texts, line1);
    QFETCH(Texts, line2);
    QFETCH(QString, field);
    QFETCH(QString, tooltip);

    LoadedForm f;
    drawBoth(f, line1, line2);
    QWidget* widget = f->findChild<QWidget*>(field);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), tooltip);
}

void ExactValuesTest::drawLineLeavesNoTooltipOnWhatItEmpties()
{
    LoadedForm f;
    QVERIFY(!f->txt_eqn2->toolTip().isEmpty());
    LoadedForm::click(f->draw_line1);
    QCOMPARE(f->txt_eqn2->text(), QString());
    QCOMPARE(f->txt_eqn2->toolTip(), QString());
    QCOMPARE(f->lblAns->toolTip(), QString());
    QCOMPARE(f->txt_eqn1->toolTip(), "Exactly y = 1/2 x + 3\nwhere 1/2 = 0.5");
}

void ExactValuesTest::windowSaysWhatIsExact_data()
{
    QTest::addColumn<Texts>("line1");
    QTest::addColumn<Texts>("line2");
    QTest::addColumn<QStringList>("sentences");

    QTest::newRow("the start-up lines")
        << Texts { "-6", "0", "8", "7" } << Texts { "-7", "-5", "6", "8" }
        << QStringList { "Line 1\nThrough (-6, 0) and (8, 7)\nEquation: y = 1/2 x + 3\n"
                         "Slope: 1/2 = 0.5\ny-intercept: 3\nx-intercept: -6\n",
               "Crossing\n(2, 4)\n",
               "For these end points every answer the window gives is exact." };
    QTest::newRow("slopes fifteen digits cannot tell apart")
        << Texts { "0", "0", "1", "0.1" } << Texts { "0", "1", "1", "1.1000000000000001" }
        << QStringList { "Slope: 1000000000000001/10000000000000000 = 0.1000000000000001\n",
               "Crossing\n(-10000000000000000, -1000000000000000)\n",
               "Line 2's slope: the window shows 0.1, rounded; exactly, it is "
               "1000000000000001/10000000000000000 = 0.1000000000000001." };
    QTest::newRow("a rounded slope and intercept")
        << Texts { "0", "0", "3", "1" } << Texts { "-7", "-5", "6", "8" }
        << QStringList { "Equation: y = 1/3 x\n",
               "Line 1's slope: the window shows 0.333333333333333, rounded; exactly, it is 1/3 = "
               "0.(3)." };
    QTest::newRow("mixed numbers beside improper fractions")
        << Texts { "0", "2", "1", "3" } << Texts { "0", "3", "1", "1" }
        << QStringList { "x-intercept: 3/2 (1 1/2) = 1.5\n",
               "(1/3, 7/3)\nx = 1/3 = 0.(3), y = 7/3 (2 1/3) = 2.(3)\n" };
    QTest::newRow("a negative improper fraction keeps its sign in the mixed number")
        << Texts { "0", "0", "3", "-7" } << Texts { "-7", "-5", "6", "8" }
        << QStringList { "Slope: -7/3 (-2 1/3) = -2.(3)\n" };
    QTest::newRow("a vertical line")
        << Texts { "3", "0", "3", "7" } << Texts { "-7", "-5", "6", "8" }
        << QStringList { "Equation: x = 3\nSlope: none: a vertical line has no slope\n"
                         "y-intercept: none: the line never meets the y-axis\nx-intercept: 3\n",
               "Crossing\n(3, 5)\n" };
    QTest::newRow("a single point and texts read as the window reads them")
        << Texts { "1,5", "abc", "1", "" } << Texts { "-7", "-5", "6", "8" }
        << QStringList { "Through (1, 0) and (1, 0)\n"
                         "Both end points are the same point, so they make no line.\n",
               "Crossing\nNone: it takes two lines to cross.\n" };
    QTest::newRow("a number too large to work with")
        << Texts { "1E+5000", "0", "1", "1" } << Texts { "-7", "-5", "6", "8" }
        << QStringList { "Its end points hold a number too large to work with exactly" };
}

void ExactValuesTest::windowSaysWhatIsExact()
{
    QFETCH(Texts, line1);
    QFETCH(Texts, line2);
    QFETCH(QStringList, sentences);

    LoadedForm f;
    f.typeLine(1, line1);
    f.typeLine(2, line2);
    LoadedForm::click(f->exactLink);
    QVERIFY(ExactWindow::instance());
    const QString text = pageText();
    for (const QString& sentence : sentences)
        QVERIFY2(text.contains(sentence), qPrintable(sentence + "\n--- not in ---\n" + text));
}

void ExactValuesTest::repetendsAreOverlined()
{
    LoadedForm f;
    f.typeLine(1, { "0", "0", "3", "1" });
    LoadedForm::click(f->exactLink);
    const QString html = ExactWindow::instance()->page()->toHtml();
    QVERIFY2(html.contains("text-decoration: overline;\">3</span>)"), qPrintable(html));
}

void ExactValuesTest::windowFollowsTheTyping()
{
    LoadedForm f;
    LoadedForm::click(f->exactLink);
    QVERIFY(pageText().contains("Through (-6, 0) and (8, 7)"));
    f->t4->setFocus();
    f->t4->selectAll();
    QTest::keyClick(f->t4, Qt::Key_Backspace);
    QVERIFY(pageText().contains("Through (-6, 0) and (8, 0)"));
    QTest::keyClick(f->t4, Qt::Key_1);
    QVERIFY(pageText().contains("Through (-6, 0) and (8, 1)"));
    QTest::keyClick(f->t4, Qt::Key_2);
    QVERIFY(pageText().contains("Through (-6, 0) and (8, 12)\nEquation: y = 6/7 x + 36/7\n"));
    // Line two and the range are followed as well; nothing was clicked.
    LoadedForm::type(f->t2_b, "-8");
    QVERIFY(pageText().contains("Through (-7, -8) and (6, 8)"));
    LoadedForm::type(f->txmax, "-10");
    QVERIFY(pageText().contains("The window stops with a warning here: The range from -10 to -10 "
                                "is empty"));
    QCOMPARE(f->txt_slope1->text(), "0.5");
}

void ExactValuesTest::workingFollowsTheTypingAndCopies()
{
    LoadedForm f;
    LoadedForm::click(f->exactLink);
    // As a pupil writes it: the minus sign, subscripts, the fraction stacked.
    QVERIFY2(
        pageText().contains(QStringLiteral(
            "m = (y\u2082 \u2212 y\u2081) / (x\u2082 \u2212 x\u2081)\n"
            "m = (7 \u2212 0) / (8 \u2212 (\u22126))\nm = 7 / 14\nm = \u00b9\u2044\u2082 = 0.5\n")),
        qPrintable(pageText()));
    QVERIFY(
        pageText().contains(QStringLiteral("b = 0 \u2212 \u00b9\u2044\u2082 \u00b7 (\u22126)")));
    // Line one, line two, then the crossing.
    const QString text = pageText();
    QVERIFY(text.indexOf("Line 1: the slope") < text.indexOf("Line 2: the slope"));
    QVERIFY(
        text.indexOf("Line 2: where it meets the y-axis") < text.indexOf("Where the lines cross"));

    LoadedForm::type(f->t4, "12");
    QVERIFY(pageText().contains(QStringLiteral("m = (12 \u2212 0) / (8 \u2212 (\u22126))")));

    QApplication::clipboard()->clear();
    LoadedForm::click(ExactWindow::instance()->copyWorking());
    const QString copied = QApplication::clipboard()->text();
    QVERIFY2(copied.startsWith("Line 1: the slope m, how steep it is\n"
                               "  m = (y2 - y1) / (x2 - x1)\n"
                               "  m = (12 - 0) / (8 - (-6))\n"
                               "  m = 12 / 14\n"
                               "  m = 6/7 = 0.(857142)\n"),
        qPrintable(copied));
    // Plain text only, so that it survives any editor.
    QVERIFY(std::all_of(copied.begin(), copied.end(), [](QChar c) { return c.unicode() < 128; }));
}

void ExactValuesTest::windowOpensOnce()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    LoadedForm::click(f->exactLink);
    QPointer<ExactWindow> first = ExactWindow::instance();
    LoadedForm::click(f->exactLink);
    QCOMPARE(openExactWindows(), 1);
    QCOMPARE(ExactWindow::instance(), first.data());
    QCOMPARE(first->windowTitle(), "Exact values");
    // A tool window of the main window: it stays above it.
    QCOMPARE(first->windowType(), Qt::Tool);
    QCOMPARE(first->parentWidget(), f.form.get());
    // Modeless: the main window's commands still work while it is open.
    LoadedForm::type(f->t4, "9");
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_slope1->text(), "0.642857142857143");
    first->close();
    QVERIFY(!ExactWindow::instance());
    LoadedForm::click(f->exactLink);
    QCOMPARE(openExactWindows(), 1);
    QTRY_VERIFY(!first);
}

void ExactValuesTest::windowOpensBeside_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QPoint>("at");
    // A window of 500 by 500 on a screen of 1920 by 1040 below a panel of 40.
    QTest::newRow("room on the right") << QRect(100, 200, 1103, 553) << QPoint(1203, 200);
    QTest::newRow("room on the left only") << QRect(700, 200, 1103, 553) << QPoint(200, 200);
    QTest::newRow("no room: against the right edge")
        << QRect(400, 200, 1103, 553) << QPoint(1420, 200);
    QTest::newRow("low: raised into the screen") << QRect(0, 900, 1103, 553) << QPoint(1103, 580);
    QTest::newRow("high: lowered below the panel") << QRect(0, 0, 1103, 553) << QPoint(1103, 40);
}

void ExactValuesTest::windowOpensBeside()
{
    QFETCH(QRect, owner);
    QFETCH(QPoint, at);
    QCOMPARE(besideOwner(owner, QSize(500, 500), QRect(0, 40, 1920, 1040)), at);
}

void ExactValuesTest::keyboardReachesTheLink()
{
    LoadedForm f;
    // The link stands in the Tab order.
    QWidget* w = f->p1;
    bool reached = false;
    for (int k = 0; k < 100 && !reached; ++k) {
        w = w->nextInFocusChain();
        reached = w == f->exactLink;
    }
    QVERIFY(reached);
    QCOMPARE(f->exactLink->focusPolicy(), Qt::StrongFocus);
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space }) {
        QTest::keyClick(f->exactLink, key);
        QTRY_VERIFY(ExactWindow::instance());
        ExactWindow::instance()->close();
        QVERIFY(!ExactWindow::instance());
    }
    // Its text is selectable and reached by the keyboard too.
    LoadedForm::click(f->exactLink);
    const auto flags = ExactWindow::instance()->page()->textInteractionFlags();
    QVERIFY(flags.testFlag(Qt::TextSelectableByKeyboard));
    QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
    QCOMPARE(ExactWindow::instance()->page()->accessibleName(), "Exact values");
}

void ExactValuesTest::quitClosesTheWindow()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    LoadedForm::click(f->exactLink);
    QPointer<ExactWindow> exact = ExactWindow::instance();
    QVERIFY(exact && exact->isVisible());
    LoadedForm::click(f->cmd_quit);
    QVERIFY(!f->isVisible());
    QTRY_VERIFY(!exact || !exact->isVisible());
    QVERIFY(!ExactWindow::instance());
}

void ExactValuesTest::linkLooksLikeTheAboutLink()
{
    LoadedForm f;
    QCOMPARE(f->exactLink->text(), "Exact values ...");
    QCOMPARE(f->exactLink->font(), f->lblCredits->font());
    QCOMPARE(f->exactLink->palette().color(QPalette::WindowText),
        f->lblCredits->palette().color(QPalette::WindowText));
    // In the strip, left of the About link, its text whole within its box.
    const QRect link = f->exactLink->geometry();
    QCOMPARE(link.top(), f->lblCredits->y());
    QVERIFY(link.right() < f->lblCredits->x());
    QVERIFY(f->exactLink->fontMetrics().horizontalAdvance(f->exactLink->text()) <= link.width());
    // Drawn as the label draws: the same pixels as a label of the same text.
    QLabel twin(f->exactLink->text());
    twin.setTextFormat(Qt::PlainText);
    twin.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twin.setFont(f->lblCredits->font());
    twin.setPalette(f->lblCredits->palette());
    twin.setAutoFillBackground(true);
    twin.resize(link.size());
    QCOMPARE(f->exactLink->grab().toImage().convertToFormat(QImage::Format_RGB32),
        twin.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void ExactValuesTest::longResultShowsItsStart()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    drawBoth(f, { "0.1", "0", "3.1", "1" }, { "-7", "-5", "6", "8" });
    QCOMPARE(f->txt_eqn1->text(), " Y = 0.333333333333333 X +  -0.0333333333333333");
    for (QLineEdit* box : { f->txt_slope1, f->txt_yint1, f->txt_eqn1, f->txt_l1xint, f->txt_l1yint,
             f->txt_slope2, f->txt_yint2, f->txt_eqn2, f->txt_l2xint, f->txt_l2yint }) {
        QCOMPARE(box->cursorPosition(), 0);
        QVERIFY(!box->hasSelectedText());
    }
    // With the focus, what shows is the start of the whole text: the same
    // pixels as a box of the same kind holding only the start, which fits.
    // Without it, the numbers are shortened instead (short_results_test).
    f->txt_eqn1->setFocus();
    QVERIFY(f->txt_eqn1->hasFocus());
    const QString start = " Y = 0.333333";
    QLineEdit twin(start);
    twin.setFrame(false);
    twin.setFont(f->txt_eqn1->font());
    twin.setPalette(f->txt_eqn1->palette());
    twin.setAlignment(f->txt_eqn1->alignment());
    twin.resize(f->txt_eqn1->size());
    // Right of the caret, which the focused box draws at its text's start,
    // and inside the thin frame it shows while focused.
    const int caret = 3;
    const QRect shown(
        caret, 1, twin.fontMetrics().horizontalAdvance(start) - caret, twin.height() - 2);
    const auto pixels = [&](QWidget* box) {
        return box->grab(shown).toImage().convertToFormat(QImage::Format_RGB32);
    };
    QCOMPARE(pixels(f->txt_eqn1), pixels(&twin));
    // The whole text stays selectable.
    f->txt_eqn1->selectAll();
    QCOMPARE(f->txt_eqn1->selectedText(), " Y = 0.333333333333333 X +  -0.0333333333333333");
}

void ExactValuesTest::wholeTextInTheTooltipOnlyWhenCut()
{
    LoadedForm f;
    drawBoth(f, { "0.1", "0", "3.1", "1" }, { "-7", "-5", "6", "8" });
    QCOMPARE(f->txt_eqn1->toolTip(),
        " Y = 0.333333333333333 X +  -0.0333333333333333\nExactly y = 1/3 x - 1/30\nwhere 1/3 = "
        "0.(3) and 1/30 = 0.0(3)");
    QCOMPARE(f->txt_l1yint->toolTip(), "-0.0333333333333333\nExactly -1/30 = -0.0(3)");
    QCOMPARE(f->txt_l2yint->text(), "2");
    QCOMPARE(f->txt_l2yint->toolTip(), "Exactly 2");
    QCOMPARE(f->txt_eqn2->toolTip(), "Exactly y = x + 2");
}

QTEST_MAIN(ExactValuesTest)
#include "exact_values_test.moc"
