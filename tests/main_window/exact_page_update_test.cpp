// The Exact values window rewrites only the blocks of its page that an edit
// changes, once the event loop is free, and not while it is minimised. What
// it shows must be exactly the page written afresh for the fields as they
// are.
#include "form1_fixture.h"
#include "main_window/exact_values/exact_window.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

using Edits = QList<QPair<QString, QString>>; // field's object name, text typed

ExactWindow* openFor(LoadedForm& f)
{
    return ExactWindow::open(f.form.get(),
        { f->t1, f->t2, f->t3, f->t4, f->t1_b, f->t2_b, f->t3_b, f->t4_b, f->txmin, f->txmax });
}

// The page as the window's browser holds it, without asking the window to
// catch up first.
QTextBrowser* browser(ExactWindow* window)
{
    return window->findChild<QTextBrowser*>(QStringLiteral("exactPage"));
}

// The page written afresh for the fields as they are, in the page's font.
QString freshHtml(const LoadedForm& f, const QTextDocument& page)
{
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    const core::TypedFields typed { { text(f->t1), text(f->t2), text(f->t3), text(f->t4) },
        { text(f->t1_b), text(f->t2_b), text(f->t3_b), text(f->t4_b) }, text(f->txmin),
        text(f->txmax) };
    QTextDocument fresh;
    fresh.setDefaultFont(page.defaultFont());
    fresh.setHtml(ExactWindow::pageHtml(typed));
    return fresh.toHtml();
}

} // namespace

class ExactPageUpdateTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (ExactWindow::instance())
            ExactWindow::instance()->close();
    }

    void pageIsThePageWrittenAfresh_data()
    {
        const QString widest = QString(1000, u'7') + u'.' + QString(1000, u'3');
        QTest::addColumn<Edits>("edits");
        QTest::newRow("a digit added to X1") << Edits { { "t1", "81" } };
        QTest::newRow("line two made vertical") << Edits { { "t1_b", "5" }, { "t3_b", "5" } };
        QTest::newRow("slopes whose crossing repeats")
            << Edits { { "t2", "0.1" }, { "t4", "1.1000000000000001" } };
        QTest::newRow("the same line twice")
            << Edits { { "t1_b", "8" }, { "t2_b", "7" }, { "t3_b", "-6" }, { "t4_b", "0" } };
        QTest::newRow("a point, not a line") << Edits { { "t3", "8" }, { "t4", "7" } };
        QTest::newRow("a thousand digits, then back")
            << Edits { { "t1", widest }, { "t2", widest }, { "t1", "3" } };
        QTest::newRow("a number it cannot read") << Edits { { "t2", "1e" } };
        QTest::newRow("an empty range") << Edits { { "txmax", "-10" } };
    }

    void pageIsThePageWrittenAfresh()
    {
        QFETCH(Edits, edits);
        LoadedForm f;
        ExactWindow* window = openFor(f);
        for (const auto& [name, text] : edits) {
            LoadedForm::type(f->findChild<QLineEdit*>(name), text);
            QApplication::processEvents();
            const QTextDocument& page = *browser(window)->document();
            QCOMPARE(page.toHtml(), freshHtml(f, page));
        }
    }

    void keystrokesShowOnceTheLoopIsFree()
    {
        LoadedForm f;
        ExactWindow* window = openFor(f);
        const QString before = browser(window)->toPlainText();
        f->t4->setFocus();
        QTest::keyClicks(f->t4, "123");
        QCOMPARE(browser(window)->toPlainText(), before); // nothing shown yet
        QApplication::processEvents();
        QVERIFY(browser(window)->toPlainText().contains("Through (-6, 0) and (8, 7123)"));
    }

    void minimisedWindowCatchesUpWhenShown()
    {
        LoadedForm f;
        ExactWindow* window = openFor(f);
        window->showMinimized();
        QApplication::processEvents();
        const QString before = browser(window)->toPlainText();
        LoadedForm::type(f->t4, "12");
        QApplication::processEvents();
        QCOMPARE(browser(window)->toPlainText(), before);
        window->showNormal();
        QApplication::processEvents();
        QVERIFY(browser(window)->toPlainText().contains("Through (-6, 0) and (8, 12)"));
        QCOMPARE(browser(window)->document()->toHtml(), freshHtml(f, *browser(window)->document()));
    }
};

QTEST_MAIN(ExactPageUpdateTest)
#include "exact_page_update_test.moc"
