// Results too wide for their boxes: which digits are kept, how the box and
// the crossing label paint them, and that the text itself stays whole.
#include "form1_fixture.h"
#include "main_window/widgets/result_box.h"
#include "main_window/widgets/short_numbers.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace {

// One pixel a character: widths count characters.
int characters(const QString& text)
{
    return int(text.size());
}

QImage pixels(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A box of the same kind that holds only `text`.
std::unique_ptr<QLineEdit> twinOf(const QLineEdit* box, const QString& text)
{
    auto twin = std::make_unique<QLineEdit>(text);
    twin->setFrame(box->hasFrame());
    twin->setFont(box->font());
    twin->setPalette(box->palette());
    twin->setAlignment(box->alignment());
    twin->setReadOnly(box->isReadOnly());
    twin->resize(box->size());
    twin->setCursorPosition(0);
    return twin;
}

} // namespace

class ShortResultsTest : public QObject {
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void boxPaintsTheShortForm_data();
    void boxPaintsTheShortForm();
    void resultsKeepTheirWholeText();
};

void ShortResultsTest::fit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");
    const QString tiny = "1.11022302462516E-15";
    QTest::newRow("fits: untouched") << tiny << 20 << tiny;
    QTest::newRow("a tiny number keeps its exponent") << tiny << 11 << "1.1102…E-15";
    QTest::newRow("a narrow box: the first digit and the exponent") << tiny << 6 << "1…E-15";
    QTest::newRow("a huge negative number keeps its sign")
        << "-3.33066907387547E+15" << 10 << "-3.33…E+15";
    QTest::newRow("an equation shortens both its numbers")
        << " Y = 0.666666666666667 X +  1.33333333333333" << 25 << " Y = 0.6666… X +  1.3333…";
    QTest::newRow("a short number keeps its decimals")
        << " Y = 0.5 X +  1.33333333333333" << 20 << " Y = 0.5 X +  1.333…";
    QTest::newRow("a crossing, with a single")
        << "(2.77555756156289E-17,  0.3333333)" << 24 << "(2.7755…E-17,  0.3333…)";
    QTest::newRow("a negative fraction") << "-0.333333333333333" << 8 << "-0.3333…";
    QTest::newRow("zeros up to the first digit stay") << "0.000123456789012" << 8 << "0.00012…";
    QTest::newRow("too narrow for any: as short as it goes")
        << "0.000123456789012" << 3 << "0.0001…";
    QTest::newRow("words are not shortened")
        << "Parallel lines. No Intersection." << 10 << "Parallel lines. No Intersection.";
    QTest::newRow("integers are not shortened") << "123456789012345" << 5 << "123456789012345";
}

void ShortResultsTest::fit()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, shown);
    QCOMPARE(short_numbers::fit(text, width, characters), shown);
}

void ShortResultsTest::boxPaintsTheShortForm_data()
{
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::newRow("left") << Qt::Alignment(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("right") << Qt::Alignment(Qt::AlignRight | Qt::AlignTop);
    QTest::newRow("centred") << Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop);
}

void ShortResultsTest::boxPaintsTheShortForm()
{
    QFETCH(Qt::Alignment, alignment);
    LoadedForm f;
    QLineEdit* const box = f->txt_l1xint; // a result box as the window makes it
    box->setAlignment(alignment);
    box->setText("-3.33066907387547E+15");
    const QString shown = result_box::shown(box);
    QVERIFY2(shown.startsWith("-3") && shown.endsWith("…E+15"), qPrintable(shown));
    // The same pixels as a box of the same kind that holds the short form.
    QCOMPARE(pixels(box), pixels(twinOf(box, shown).get()));
}

void ShortResultsTest::resultsKeepTheirWholeText()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    // A slope far below one: its digits run into the exponent.
    f.typeLine(1, { "0", "0", "3", "1E-14" });
    f.typeLine(2, { "0", "1E-14", "1", "-1" }); // crossing next to the origin
    LoadedForm::click(f->cmd_bothlines);
    QLineEdit* const eqn = f->txt_eqn1;
    const QString whole = eqn->text();
    QVERIFY2(whole.startsWith(" Y = 3.33333333333333E-15 X +  "), qPrintable(whole));
    QVERIFY(!result_box::fits(eqn, whole));
    const QString shown = result_box::shown(eqn);
    QVERIFY2(shown.contains("…E-15 X +  "), qPrintable(shown));
    QVERIFY(result_box::fits(eqn, shown));
    QCOMPARE(eqn->toolTip().section(u'\n', 0, 0), whole);
    // What a screen reader reads and what Ctrl+C copies are whole.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(eqn);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Value), whole);
    eqn->setFocus();
    QCOMPARE(result_box::shown(eqn), whole); // with the focus, the whole text
    eqn->selectAll();
    QTest::keySequence(eqn, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), whole);
    QCOMPARE(eqn->text(), whole);

    // The crossing keeps the single's exponent too, and the label its text.
    const QString crossing = f->lblAns->text();
    QVERIFY2(crossing.contains("E-15,  ") && crossing.endsWith("E-29)"), qPrintable(crossing));
    const QString crossingShown = result_box::shown(f->lblAns);
    QVERIFY2(crossingShown.contains("…E-15,  ") && crossingShown.endsWith("E-29)"),
        qPrintable(crossingShown));
    QVERIFY(f->lblAns->fontMetrics().horizontalAdvance(crossingShown)
        <= f->lblAns->contentsRect().width());
    QLabel twin(crossingShown);
    twin.setFont(f->lblAns->font());
    twin.setPalette(f->lblAns->palette());
    twin.setAlignment(f->lblAns->alignment());
    twin.setAutoFillBackground(true);
    twin.resize(f->lblAns->size());
    QCOMPARE(pixels(f->lblAns), pixels(&twin));
}

QTEST_MAIN(ShortResultsTest)
#include "short_results_test.moc"
