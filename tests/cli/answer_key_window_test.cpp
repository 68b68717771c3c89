// The answer key's window texts are the window's own: each row is typed into
// a freshly started window, the report box ticked and Draw Both Lines
// clicked, and every result field, the crossing label, the warning and the
// report compared with what the key says for the same texts.
#include "app/window_answers.h"
#include "tests/main_window/form1_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

QString withoutLineBreaks(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

} // namespace

class AnswerKeyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowTextsMatch_data();
    void windowTextsMatch();
};

void AnswerKeyWindowTest::windowTextsMatch_data()
{
    QTest::addColumn<QStringList>("line1");
    QTest::addColumn<QStringList>("line2");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");

    const QStringList ordinary1 { "-6", "0", "8", "7" };
    const QStringList ordinary2 { "-7", "-5", "6", "8" };
    QTest::newRow("the start-up lines") << ordinary1 << ordinary2 << "-10"
                                        << "10";
    QTest::newRow("a third in every answer")
        << QStringList { "0", "0", "3", "1" } << QStringList { "0", "2", "1", "0" } << "-10"
        << "10";
    QTest::newRow("slopes the window calls parallel")
        << QStringList { "0", "0", "1", "0.1" }
        << QStringList { "0", "1", "1", "1.1000000000000001" } << "-10"
        << "10";
    QTest::newRow("the same line")
        << QStringList { "0", "0", "1", "1" } << QStringList { "2", "2", "3", "3" } << "-10"
        << "10";
    QTest::newRow("a horizontal line off the axis")
        << QStringList { "0", "3", "1", "3" } << ordinary2 << "-10"
        << "10";
    QTest::newRow("line one vertical") << QStringList { "3", "0", "3", "7" } << ordinary2 << "-10"
                                       << "10";
    QTest::newRow("line two vertical") << ordinary1 << QStringList { "2", "1", "2", "5" } << "-10"
                                       << "10";
    QTest::newRow("line two a single point")
        << ordinary1 << QStringList { "1", "1", "1", "1" } << "-10"
        << "10";
    QTest::newRow("an end point beyond the doubles")
        << ordinary1 << QStringList { "-7", "-5", "6", "1E+309" } << "-10"
        << "10";
    QTest::newRow("an end point beyond the singles")
        << QStringList { "1E+39", "0", "8", "7" } << ordinary2 << "-10"
        << "10";
    QTest::newRow("a slope beyond the doubles")
        << QStringList { "0", "0", "1E-300", "1E+300" } << ordinary2 << "-10"
        << "10";
    QTest::newRow("texts read as the window reads them")
        << QStringList { "1,5", "abc", "", "2 0" } << QStringList { "1/2", "-5", "6e", "8" }
        << "-10"
        << "10";
    QTest::newRow("an empty range") << ordinary1 << ordinary2 << "5"
                                    << "5";
    QTest::newRow("a range too wide to number") << ordinary1 << ordinary2 << "-40000"
                                                << "40000";
    QTest::newRow("a range bound beyond the doubles") << ordinary1 << ordinary2 << "-1E+400"
                                                      << "10";
    QTest::newRow("an unusual range") << QStringList { "-1.5", "2", "0.25", "-3" }
                                      << QStringList { "4", "4", "-2", "0.5" } << "-3"
                                      << "2.5";
}

void AnswerKeyWindowTest::windowTextsMatch()
{
    QFETCH(QStringList, line1);
    QFETCH(QStringList, line2);
    QFETCH(QString, lower);
    QFETCH(QString, upper);

    LoadedForm window;
    window.typeLine(1, line1);
    window.typeLine(2, line2);
    LoadedForm::type(window->txmin, lower);
    LoadedForm::type(window->txmax, upper);
    QTest::mouseClick(window->Check1, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(window->Check1->isChecked());
    LoadedForm::click(window->cmd_bothlines);

    core::TypedFields typed;
    for (int k = 0; k < 4; ++k) {
        typed.line1[static_cast<std::size_t>(k)] = line1[k].toStdString();
        typed.line2[static_cast<std::size_t>(k)] = line2[k].toStdString();
    }
    typed.lower = lower.toStdString();
    typed.upper = upper.toStdString();
    const answers::WindowTexts key = answers::freshWindowAnswer(typed);

    for (int f = 0; f < core::ResultFieldCount; ++f) {
        const auto field = static_cast<core::ResultField>(f);
        const QString name = QString::fromLatin1(core::FieldName(field));
        const QWidget* widget = window->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        const auto* box = qobject_cast<const QLineEdit*>(widget);
        const QString shown = box ? box->text() : qobject_cast<const QLabel*>(widget)->text();
        QCOMPARE(shown, QString::fromStdString(key.fields[static_cast<std::size_t>(f)]));
    }
    QCOMPARE(window.warnings.size(), key.warning ? 1 : 0);
    if (key.warning)
        QCOMPARE(window.warnings.constFirst(), QString::fromStdString(*key.warning));
    // The box shows the report's line breaks its own way; the words match.
    QCOMPARE(withoutLineBreaks(window->txt_results->toPlainText()),
        withoutLineBreaks(QString::fromStdString(key.report)));
    QCOMPARE(window->txt_results->toPlainText().isEmpty(), key.report.empty());
}

QTEST_MAIN(AnswerKeyWindowTest)
#include "answer_key_window_test.moc"
