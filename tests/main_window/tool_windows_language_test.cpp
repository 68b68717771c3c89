// The Practice and Exact values windows in each language: every label,
// button and list text fits its control, measured with the control's font,
// and no two controls overlap; and with a translation that marks every text
// it gives, no text these windows show escapes it.
#include "form1_fixture.h"
#include "main_window/exact_values/exact_texts.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/practice/practice_window.h"
#include "tests/support/every_text.h"
#include "words/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextBrowser>

#include <algorithm>

// A list expected empty, its entries named when it is not.
#define EXPECT_NONE(list)                                                                          \
    do {                                                                                           \
        const QStringList found = list;                                                            \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));                                  \
    } while (false)

namespace {

// Where a control's text does not fit it, as "name: text".
QStringList cutTexts(const QWidget* window)
{
    QApplication::processEvents(); // the layout follows the texts set last
    QStringList cut;
    const auto note = [&cut](const QWidget* w, const QString& text) {
        cut << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                          : w->objectName())
                + QStringLiteral(": ") + text;
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const QRect area = label->contentsRect();
            const QRect needed = label->wordWrap()
                ? metrics.boundingRect(
                    QRect(0, 0, area.width(), 100000), Qt::TextWordWrap, label->text())
                : QRect(QPoint(), metrics.size(Qt::TextShowMnemonic, label->text()));
            if (needed.width() > area.width() || needed.height() > area.height())
                note(w, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            // Where the style draws a push button's text.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect area
                = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
            if (metrics.size(Qt::TextShowMnemonic, button->text()).width() > area.width())
                note(w, button->text());
        } else if (const auto* box = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            option.editable = box->isEditable();
            const int room = w->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                     QStyle::SC_ComboBoxEditField, box)
                                 .width();
            for (int k = 0; k < box->count(); ++k)
                if (metrics.horizontalAdvance(box->itemText(k)) > room)
                    note(w, box->itemText(k));
        }
    }
    return cut;
}

// The texts no translation reached, as "where: text".
QStringList untranslated(const QWidget* root)
{
    QStringList found;
    for (const test_support::ShownText& shown : test_support::untranslatedTexts(root))
        found << shown.where + QStringLiteral(": ") + shown.text;
    return found;
}

QLineEdit* answerField(PracticeWindow* w, const char* name)
{
    QWidget* field = w->findChild<QWidget*>(QString::fromLatin1(name));
    if (auto* box = qobject_cast<QComboBox*>(field))
        return box->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

// The Practice window with its answers checked: one wrong, one not read
// (a decimal comma), one right, so that every mark, the score and the hints
// show.
PracticeWindow* checkedPractice(LoadedForm& f)
{
    f->openPractice(2, 7);
    PracticeWindow* w = PracticeWindow::instance();
    LoadedForm::type(answerField(w, "answer_slope1"), QStringLiteral("1000"));
    LoadedForm::type(answerField(w, "answer_yint1"), QStringLiteral("2,5"));
    LoadedForm::type(answerField(w, "answer_crossing"), QStringLiteral("(0, 0)"));
    LoadedForm::click(w->findChild<QAbstractButton*>(QStringLiteral("check")));
    return w;
}

void openExactValues(LoadedForm& f)
{
    f.typeLine(1, { "1", "2", "4", "3" });
    f.typeLine(2, { "0", "0", "3", "7" });
    LoadedForm::click(f->cmd_bothlines);
    f->exactLink_Click();
}

} // namespace

class ToolWindowsLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void everyTextFits_data();
    void everyTextFits();
    void noShownTextEscapesTranslation();
    void aCommaIsRefusedInTheCoresWords_data() { everyTextFits_data(); }
    void aCommaIsRefusedInTheCoresWords();
};

void ToolWindowsLanguageTest::cleanup()
{
    delete PracticeWindow::instance();
    delete ExactWindow::instance();
    test_support::chooseEnglish();
}

void ToolWindowsLanguageTest::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : words::knownLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void ToolWindowsLanguageTest::everyTextFits()
{
    QFETCH(QString, language);
    QVERIFY(words::chooseLanguage(language));
    words::installTranslators();
    LoadedForm f;
    f->show();
    PracticeWindow* practice = checkedPractice(f);
    QVERIFY(QTest::qWaitForWindowExposed(practice));
    EXPECT_NONE(cutTexts(practice));
    EXPECT_NONE(test_support::overlappingControls(practice));
    // The widest level name, as a fresh start shows it.
    auto* level = practice->findChild<QComboBox*>(QStringLiteral("level"));
    level->setCurrentIndex(2);
    emit level->activated(2);
    EXPECT_NONE(cutTexts(practice));

    openExactValues(f);
    ExactWindow* exact = ExactWindow::instance();
    QVERIFY(QTest::qWaitForWindowExposed(exact));
    EXPECT_NONE(cutTexts(exact));
    EXPECT_NONE(test_support::overlappingControls(exact));
}

void ToolWindowsLanguageTest::noShownTextEscapesTranslation()
{
    test_support::chooseMarkingTranslation();
    LoadedForm f;
    f->show();
    PracticeWindow* practice = checkedPractice(f);
    EXPECT_NONE(untranslated(practice));
    LoadedForm::click(practice->findChild<QAbstractButton*>(QStringLiteral("show_working")));
    EXPECT_NONE(untranslated(practice));
    auto* level = practice->findChild<QComboBox*>(QStringLiteral("level"));
    level->setCurrentIndex(0);
    emit level->activated(0);
    EXPECT_NONE(untranslated(practice));

    openExactValues(f);
    EXPECT_NONE(untranslated(ExactWindow::instance()));

    // The page and the result boxes' tooltips for lines of every kind:
    // crossing, parallel, the same, vertical, a point, numbers too large.
    const QList<std::array<QStringList, 2>> lines {
        { { { "1", "2", "4", "3" }, { "0", "0", "3", "7" } } },
        { { { "0", "0", "1", "1" }, { "0", "1", "1", "2" } } },
        { { { "0", "0", "1", "1" }, { "2", "2", "3", "3" } } },
        { { { "0", "0", "0", "1" }, { "1", "0", "1", "5" } } },
        { { { "0", "0", "0", "1" }, { "0", "5", "0", "2" } } },
        { { { "2", "2", "2", "2" }, { "1e400", "0", "1", "1" } } },
    };
    for (const auto& [one, two] : lines) {
        f.typeLine(1, one);
        f.typeLine(2, two);
        ExactWindow::instance()->page();
        EXPECT_NONE(untranslated(ExactWindow::instance()));
        core::TypedFields typed;
        for (std::size_t k = 0; k < 4; ++k) {
            typed.line1[k] = one[static_cast<qsizetype>(k)].toStdString();
            typed.line2[k] = two[static_cast<qsizetype>(k)].toStdString();
        }
        QLabel box;
        for (int field = 0; field <= static_cast<int>(core::ResultField::Answer); ++field) {
            box.setToolTip(exact_texts::tooltip(
                static_cast<core::ResultField>(field), exact_texts::exactLinesFor(typed)));
            EXPECT_NONE(untranslated(&box));
        }
    }
}

void ToolWindowsLanguageTest::aCommaIsRefusedInTheCoresWords()
{
    // "2,5" is not read: the core says how to write it, in the chosen
    // language, and the window shows those words unchanged, beside the field
    // and (as a sentence) among the hints.
    QFETCH(QString, language);
    QVERIFY(words::chooseLanguage(language));
    words::installTranslators();
    LoadedForm f;
    PracticeWindow* w = checkedPractice(f);
    const QString advice
        = QString::fromStdString(w->sitting().advice(core::practice::Question::Yint1));
    QVERIFY(advice.contains(QStringLiteral("2.5")));
    const QList<QLabel*> labels = w->findChildren<QLabel*>();
    QCOMPARE(std::count_if(labels.begin(), labels.end(),
                 [&](const QLabel* label) { return label->toolTip().endsWith(advice); }),
        1);
    const QString hints = w->findChild<QTextBrowser*>(QStringLiteral("working"))->toPlainText();
    QVERIFY2(hints.contains(advice.left(1).toUpper() + advice.mid(1)), qPrintable(hints));
}

QTEST_MAIN(ToolWindowsLanguageTest)
#include "tool_windows_language_test.moc"
