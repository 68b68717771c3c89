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

// Opens the window; its page as its browser holds it, without asking it to
// catch up.
QTextBrowser* openPage(const LoadedForm& f)
{
    return ExactWindow::open(f.form.get(),
        { f->t1, f->t2, f->t3, f->t4, f->t1_b, f->t2_b, f->t3_b, f->t4_b, f->txmin, f->txmax })
        ->findChild<QTextBrowser*>(QStringLiteral("exactPage"));
}

// The page written afresh for the fields as they are, in the page's font.
QString freshHtml(const LoadedForm& f, const QTextDocument& page)
{
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    QTextDocument fresh;
    fresh.setDefaultFont(page.defaultFont());
    fresh.setHtml(ExactWindow::pageHtml({ { text(f->t1), text(f->t2), text(f->t3), text(f->t4) },
        { text(f->t1_b), text(f->t2_b), text(f->t3_b), text(f->t4_b) }, text(f->txmin),
        text(f->txmax) }));
    return fresh.toHtml();
}

} // namespace

class ExactPageUpdateTest : public QObject {
    Q_OBJECT

private slots:
    void pageIsThePageWrittenAfresh_data()
    {
        const QString widest = QString(1000, u'7') + u'.' + QString(1000, u'3');
        QTest::addColumn<Edits>("edits");
        QTest::newRow("a digit added to X1") << Edits { { "t1", "81" } };
        QTest::newRow("line two made vertical") << Edits { { "t1_b", "5" }, { "t3_b", "5" } };
        QTest::newRow("slopes whose crossing repeats")
            << Edits { { "t2", "0.1" }, { "t4", "1.1000000000000001" } };
        QTest::newRow("a point, not a line, then a number it cannot read")
            << Edits { { "t3", "8" }, { "t4", "7" }, { "t2", "1e" } };
        QTest::newRow("a thousand digits, then back")
            << Edits { { "t1", widest }, { "t2", widest }, { "t1", "3" } };
    }

    void pageIsThePageWrittenAfresh()
    {
        QFETCH(Edits, edits);
        LoadedForm f;
        const QTextBrowser* page = openPage(f);
        for (const auto& [name, text] : edits) {
            LoadedForm::type(f->findChild<QLineEdit*>(name), text);
            QApplication::processEvents();
            QCOMPARE(page->document()->toHtml(), freshHtml(f, *page->document()));
        }
    }

    void keystrokesShowOnceTheLoopIsFreeAndTheWindowIsShown()
    {
        LoadedForm f;
        const QTextBrowser* page = openPage(f);
        const QString before = page->toPlainText();
        f->t4->setFocus();
        QTest::keyClicks(f->t4, "12");
        QCOMPARE(page->toPlainText(), before); // nothing shown yet
        QApplication::processEvents();
        QVERIFY(page->toPlainText().contains("Through (-6, 0) and (8, 712)"));
        ExactWindow::instance()->showMinimized();
        QTest::keyClick(f->t4, Qt::Key_3);
        QApplication::processEvents();
        QVERIFY(page->toPlainText().contains("and (8, 712)\n"));
        ExactWindow::instance()->showNormal();
        QApplication::processEvents();
        QCOMPARE(page->document()->toHtml(), freshHtml(f, *page->document()));
    }
};

QTEST_MAIN(ExactPageUpdateTest)
#include "exact_page_update_test.moc"
