// The Practice window as a pupil uses it: opened with F2, answers typed and
// checked from the keyboard, a hint for a wrong answer that grows with each
// check, the score, the next exercise, the level kept in the settings, and
// the exercise shown in the main window.

#include "core/exercises.h"
#include "form1_fixture.h"
#include "main_window/practice/practice_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>

#include <algorithm>

using core::practice::Question;

class PracticeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup();

    void checkMarksEachAnswerFromTheKeyboard();
    void aWrongAnswerEarnsOneMoreStepEachCheck();
    void nextClearsTheAnswersAndKeepsTheScore();
    void theExerciseNamesItsEightCoordinatesInOrder();
    void aSeedMakesTheSameSittingAgain();
    void theLevelIsRemembered();
    void showWorkingShowsEveryStep();
    void showInMainWindowTypesAndDraws();
    void anAnswerNotReadIsMarkedAndNotCounted();
    void theCrossingsListKeepsTheMarkItWasGiven();
    void aNewLevelStartsAFreshCount();
};

namespace {

constexpr std::array<const char*, 7> fieldNames { "answer_slope1", "answer_yint1", "answer_eqn1",
    "answer_slope2", "answer_yint2", "answer_eqn2", "answer_crossing" };

QWidget* field(PracticeWindow* w, std::size_t q)
{
    return w->findChild<QWidget*>(QString::fromLatin1(fieldNames[q]));
}

QLineEdit* edit(PracticeWindow* w, std::size_t q)
{
    QWidget* f = field(w, q);
    if (auto* combo = qobject_cast<QComboBox*>(f))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(f);
}

QString description(PracticeWindow* w, std::size_t q)
{
    return field(w, q)->accessibleDescription();
}

QString text(PracticeWindow* w, const char* name)
{
    return w->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The exact answer to a question, from the working.
QString answer(const PracticeWindow* w, Question question)
{
    const std::string_view id = core::practice::StepId(question);
    for (const core::WorkingStep& step : w->sitting().working())
        if (step.id == id)
            return QString::fromStdString(step.result.value_or(""));
    return {};
}

// The Practice window opened from the main window, as its link opens it.
PracticeWindow* opened(
    LoadedForm& f, std::optional<int> level = {}, std::optional<std::uint64_t> seed = {})
{
    f->openPractice(level, seed);
    return PracticeWindow::instance();
}

PracticeWindow* openWithF2(LoadedForm& f)
{
    f->show();
    QApplication::setActiveWindow(f.form.get());
    QTest::keyClick(f.form.get(), Qt::Key_F2);
    PracticeWindow* w = PracticeWindow::instance();
    if (w)
        QApplication::setActiveWindow(w);
    return w;
}

// The equation with its sides swapped: "y = 2 x" as "2 x = y".
QString swapped(const QString& equation)
{
    const QStringList sides = equation.split(QStringLiteral(" = "));
    return sides.size() == 2 ? sides[1] + QStringLiteral(" = ") + sides[0] : equation;
}

// Whether the hints and working show `line` of the working as a line of its own.
bool shows(PracticeWindow* w, const std::string& line)
{
    const QString shown = w->findChild<QTextBrowser*>(QStringLiteral("working"))->toPlainText();
    const QString wanted = QString::fromStdString(core::PupilText(line));
    const QStringList lines = shown.split(u'\n');
    return std::any_of(
        lines.begin(), lines.end(), [&](const QString& l) { return l.trimmed() == wanted; });
}

// Types into the field with the focus and moves on with Tab, as a pupil does.
void typeAndTab(const QString& typed)
{
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

} // namespace

void PracticeTest::cleanup()
{
    if (PracticeWindow* w = PracticeWindow::instance())
        delete w;
}

void PracticeTest::checkMarksEachAnswerFromTheKeyboard()
{
    LoadedForm f;
    PracticeWindow* w = openWithF2(f);
    QVERIFY(w);
    QCOMPARE(w->objectName(), "practice");
    QCOMPARE(QApplication::focusWidget(), edit(w, 0));
    // Line one right; line two's slope wrong, its y-intercept left empty,
    // its equation in another form; the crossing right.
    typeAndTab(answer(w, Question::Slope1));
    typeAndTab(answer(w, Question::Yint1));
    typeAndTab(answer(w, Question::Equation1));
    typeAndTab(QStringLiteral("1000"));
    typeAndTab(QString());
    typeAndTab(swapped(answer(w, Question::Equation2)));
    QCOMPARE(QApplication::focusWidget(), field(w, 6));
    QTest::keyClicks(QApplication::focusWidget(), answer(w, Question::Crossing));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    const QStringList expected { "right", "right", "right", "wrong", "", "right", "right" };
    QStringList marked;
    for (std::size_t q = 0; q < fieldNames.size(); ++q)
        marked << description(w, q);
    QCOMPARE(marked, expected);
    QCOMPARE(text(w, "score"), "5 of 6 right");

    // An answer changed after its check is neither right nor wrong, also
    // when the crossing's list changes it.
    edit(w, 3)->setFocus();
    QTest::keyClick(edit(w, 3), Qt::Key_Backspace);
    QCOMPARE(description(w, 3), "");
    qobject_cast<QComboBox*>(field(w, 6))->setCurrentIndex(1);
    QCOMPARE(description(w, 6), "");
}

void PracticeTest::aWrongAnswerEarnsOneMoreStepEachCheck()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 1, 42);
    auto* check = w->findChild<QPushButton*>(QStringLiteral("check"));
    const auto slope = std::find_if(w->sitting().working().begin(), w->sitting().working().end(),
        [](const core::WorkingStep& s) { return s.id == "slope1"; });
    QVERIFY(slope != w->sitting().working().end());
    QVERIFY(slope->lines.size() >= 3);
    const auto shows = [w](const std::string& line) { return ::shows(w, line); };

    LoadedForm::type(edit(w, 0), QStringLiteral("1000"));
    LoadedForm::click(check);
    QVERIFY(shows(slope->heading));
    QVERIFY(shows(slope->lines[0]));
    QVERIFY(!shows(slope->lines[1]));
    // The same answer checked again earns nothing; another wrong one, a step.
    LoadedForm::click(check);
    QVERIFY(!shows(slope->lines[1]));
    LoadedForm::type(edit(w, 0), QStringLiteral("999"));
    LoadedForm::click(check);
    QVERIFY(shows(slope->lines[1]));
    // The score counts the answer at its first check only.
    QCOMPARE(text(w, "score"), "0 of 1 right");
    LoadedForm::type(edit(w, 0), answer(w, Question::Slope1));
    LoadedForm::click(check);
    QCOMPARE(description(w, 0), "right");
    QVERIFY(!shows(slope->lines[0]));
    QCOMPARE(text(w, "score"), "0 of 1 right");
}

void PracticeTest::nextClearsTheAnswersAndKeepsTheScore()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 2, 5);
    const QString first = text(w, "exercise");
    LoadedForm::type(edit(w, 0), answer(w, Question::Slope1));
    LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("check")));
    QCOMPARE(text(w, "score"), "1 of 1 right");
    QTest::keyClick(w->findChild<QPushButton*>(QStringLiteral("next")), Qt::Key_Space);
    QVERIFY(text(w, "exercise") != first);
    QCOMPARE(w->sitting().number(), 2);
    for (std::size_t q = 0; q < fieldNames.size(); ++q) {
        QCOMPARE(edit(w, q)->text(), QString());
        QCOMPARE(description(w, q), QString());
    }
    QCOMPARE(text(w, "score"), "1 of 1 right");
}

void PracticeTest::theExerciseNamesItsEightCoordinatesInOrder()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 3, 11);
    for (int k = 0; k < 6; ++k) {
        // The numbers as a pupil reads them, the minus sign included.
        QString shown = text(w, "exercise");
        shown.replace(QChar(0x2212), u'-');
        QStringList numbers;
        const QRegularExpression number(QStringLiteral("-?\\d+"));
        for (const QRegularExpressionMatch& m : number.globalMatch(shown))
            numbers << m.captured();
        QStringList typed;
        for (const std::string& t : core::ExerciseTexts(w->sitting().exercise()))
            typed << QString::fromStdString(t);
        QCOMPARE(numbers, typed);
        LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("next")));
    }
}

void PracticeTest::aSeedMakesTheSameSittingAgain()
{
    LoadedForm f;
    QStringList first, again;
    for (QStringList* sitting : { &first, &again }) {
        PracticeWindow* w = opened(f, 2, 1234);
        for (int k = 0; k < 4; ++k) {
            *sitting << text(w, "exercise");
            LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("next")));
        }
        delete w;
    }
    QCOMPARE(again, first);
    QCOMPARE(first.size(), 4);
    QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 4);
}

void PracticeTest::theLevelIsRemembered()
{
    LoadedForm f;
    PracticeWindow* w = opened(f);
    QApplication::setActiveWindow(w);
    QCOMPARE(w->sitting().level(), 1);
    auto* level = w->findChild<QComboBox*>(QStringLiteral("level"));
    // Alt+L reaches the choice; the arrow keys choose.
    QTest::keyClick(w, Qt::Key_L, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), level);
    QTest::keyClick(level, Qt::Key_Down);
    QTest::keyClick(level, Qt::Key_Down);
    QCOMPARE(w->sitting().level(), 3);
    delete w;
    w = opened(f);
    QCOMPARE(w->sitting().level(), 3);
    QCOMPARE(w->findChild<QComboBox*>(QStringLiteral("level"))->currentIndex(), 2);
}

void PracticeTest::showWorkingShowsEveryStep()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 1, 3);
    LoadedForm::type(edit(w, 0), answer(w, Question::Slope1));
    LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("check")));
    LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("show_working")));
    const QString shown = w->findChild<QTextBrowser*>(QStringLiteral("working"))->toPlainText();
    QCOMPARE(w->sitting().working().size(), std::size_t { 12 });
    for (const core::WorkingStep& step : w->sitting().working())
        QVERIFY2(shown.contains(QString::fromStdString(step.heading)), step.heading.c_str());
    // Answers copied from the working are marked, but no longer counted.
    LoadedForm::type(edit(w, 1), answer(w, Question::Yint1));
    LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("check")));
    QCOMPARE(description(w, 1), "right");
    QCOMPARE(text(w, "score"), "1 of 1 right");
}

void PracticeTest::showInMainWindowTypesAndDraws()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 1, 8);
    LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("show_in_main_window")));
    QStringList typed;
    for (QLineEdit* box : { f->t1, f->t2, f->t3, f->t4, f->t1_b, f->t2_b, f->t3_b, f->t4_b })
        typed << box->text();
    QStringList exercise;
    for (const std::string& t : core::ExerciseTexts(w->sitting().exercise()))
        exercise << QString::fromStdString(t);
    QCOMPARE(typed, exercise);
    // Drawn: level one's slopes are whole numbers, as the window writes them.
    QCOMPARE(f->txt_slope1->text().trimmed(), answer(w, Question::Slope1));
    QVERIFY(f.warnings.isEmpty());
}

void PracticeTest::anAnswerNotReadIsMarkedAndNotCounted()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 1, 3);
    LoadedForm::type(edit(w, 0), QStringLiteral("2,5"));
    QTest::keyClick(edit(w, 0), Qt::Key_Return);
    QCOMPARE(description(w, 0), "not read");
    const QString shown = w->findChild<QTextBrowser*>(QStringLiteral("working"))->toPlainText();
    QVERIFY2(
        shown.contains("Slope of line one: not read. Write 2.5 with a point."), qPrintable(shown));
    QCOMPARE(text(w, "score"), "No answers checked yet");
    // The first check of the slope is still to come.
    LoadedForm::type(edit(w, 0), answer(w, Question::Slope1));
    QTest::keyClick(edit(w, 0), Qt::Key_Return);
    QCOMPARE(description(w, 0), "right");
    QCOMPARE(text(w, "score"), "1 of 1 right");
}

void PracticeTest::theCrossingsListKeepsTheMarkItWasGiven()
{
    LoadedForm f;
    PracticeWindow* w = openWithF2(f);
    QLineEdit* crossing = edit(w, 6);
    crossing->setFocus();
    QTest::keyClicks(crossing, QStringLiteral("Parallel"));
    QTest::keyClick(crossing, Qt::Key_Return);
    // Whatever the list made of it, the mark and the score agree.
    const bool parallel
        = w->sitting().solution().crossing.kind == core::exact::CrossingKind::Parallel;
    QCOMPARE(description(w, 6), parallel ? "right" : "wrong");
    QCOMPARE(text(w, "score"), parallel ? "1 of 1 right" : "0 of 1 right");
}

void PracticeTest::aNewLevelStartsAFreshCount()
{
    LoadedForm f;
    PracticeWindow* w = opened(f, 1, 3);
    QApplication::setActiveWindow(w);
    LoadedForm::type(edit(w, 0), answer(w, Question::Slope1));
    QTest::keyClick(edit(w, 0), Qt::Key_Return);
    LoadedForm::click(w->findChild<QPushButton*>(QStringLiteral("next")));
    QVERIFY(text(w, "place").startsWith("Exercise 2 at level 1"));
    QTest::keyClick(w, Qt::Key_L, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(text(w, "place").startsWith("Exercise 1 at level 2"));
    QCOMPARE(text(w, "score"), "No answers checked yet");
    QVERIFY(w->findChild<QTextBrowser*>(QStringLiteral("working"))
                ->toPlainText()
                .contains("Level 2: a fresh start"));
}

QTEST_MAIN(PracticeTest)
#include "practice_test.moc"
