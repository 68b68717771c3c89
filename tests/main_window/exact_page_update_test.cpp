// The Exact values window rewrites only the blocks of its page that an edit
// changes, once the event loop is free, and not while it is minimised. What
// it shows must be exactly the page written afresh for the fields as they
// are.
#include "form1_fixture.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/exact_values/page_blocks.h"
#include "main_window/exact_values/page_text.h"

#include <QApplication>
#include <QTextBlock>
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

// The page's HTML for the fields as they are.
QString typedHtml(const LoadedForm& f)
{
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    return ExactWindow::pageHtml({ { text(f->t1), text(f->t2), text(f->t3), text(f->t4) },
        { text(f->t1_b), text(f->t2_b), text(f->t3_b), text(f->t4_b) }, text(f->txmin),
        text(f->txmax) });
}

// The page written afresh for the fields as they are, in the page's font.
QString freshHtml(const LoadedForm& f, const QTextDocument& page)
{
    QTextDocument fresh;
    fresh.setDefaultFont(page.defaultFont());
    fresh.setHtml(typedHtml(f));
    return fresh.toHtml();
}

// Where two documents differ: a block's text, its formats or a piece of it
// in another character format; empty when they are alike.
QString difference(const QTextDocument& shown, const QTextDocument& fresh)
{
    if (shown.blockCount() != fresh.blockCount())
        return QStringLiteral("%1 blocks, not %2").arg(shown.blockCount()).arg(fresh.blockCount());
    for (QTextBlock a = shown.begin(), b = fresh.begin(); a.isValid(); a = a.next(), b = b.next()) {
        const QString where = QStringLiteral("block %1 (%2): ").arg(a.blockNumber()).arg(b.text());
        if (a.text() != b.text())
            return where + a.text();
        if (a.blockFormat() != b.blockFormat() || a.charFormat() != b.charFormat())
            return where + QStringLiteral("its formats");
        QTextBlock::iterator i = a.begin(), j = b.begin();
        for (; !i.atEnd() && !j.atEnd(); ++i, ++j)
            if (i.fragment().text() != j.fragment().text()
                || i.fragment().charFormat() != j.fragment().charFormat())
                return where + QStringLiteral("the format of ") + i.fragment().text();
        if (!i.atEnd() || !j.atEnd())
            return where + QStringLiteral("its pieces");
    }
    return {};
}

const QString working
    = QStringLiteral("<p style=\"margin-left: 16px; margin-top: 0; margin-bottom: 0\">");

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
        // Each line's part of the page is kept while its fields stay: an edit
        // of one line, the other or the range must show all that it changes.
        QTest::newRow("line two, line one, line two again")
            << Edits { { "t2_b", "9" }, { "t1", "81" }, { "t2_b", "-0.25" } };
        QTest::newRow("the range alone") << Edits { { "txmin", "-3" }, { "txmax", "2.5" } };
        QTest::newRow("both lines made one, then parted")
            << Edits { { "t1", "1" }, { "t2", "2" }, { "t3", "3" }, { "t4", "5" }, { "t1_b", "1" },
                   { "t2_b", "2" }, { "t3_b", "3" }, { "t4_b", "5" }, { "t4", "6" } };
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

    // A page made from the parts kept from the pages before it is the page
    // made afresh. Each page: X1, Y1, X2, Y2 of both lines, the range, then
    // the equation each line's end points were rounded from.
    void pageMadeInPartsIsThePageMadeAfresh_data()
    {
        const QStringList start { "-6", "0", "8", "7", "1", "5", "9", "-2", "-10", "10", "", "" };
        const auto with = [](QStringList page, const QList<QPair<int, QString>>& changes) {
            for (const auto& [field, text] : changes)
                page[field] = text;
            return page;
        };
        const QStringList noted = with(start, { { 11, "y = x/3 + 1/7" } });
        QTest::addColumn<QList<QStringList>>("pages");
        QTest::newRow("a note under line two, then line two edited, then line one")
            << QList<QStringList> { start, noted, with(noted, { { 5, "4" }, { 11, "" } }),
                   with(noted, { { 0, "-7" } }) };
        QTest::newRow("line one's end points given to line two") << QList<QStringList> { start,
            with(start, { { 4, "-6" }, { 5, "0" }, { 6, "8" }, { 7, "7" } }) };
        QTest::newRow("the range, then a number too large, then back")
            << QList<QStringList> { start, with(start, { { 8, "-3" } }),
                   with(start, { { 8, "-3" }, { 2, "1e400" } }), start };
    }

    void pageMadeInPartsIsThePageMadeAfresh()
    {
        QFETCH(QList<QStringList>, pages);
        PageText kept;
        for (const QStringList& page : pages) {
            const auto s = [&page](int k) { return page[k].toStdString(); };
            const core::TypedFields typed { { s(0), s(1), s(2), s(3) }, { s(4), s(5), s(6), s(7) },
                s(8), s(9) };
            QCOMPARE(kept.html(typed, { page[10], page[11] }),
                PageText().html(typed, { page[10], page[11] }));
        }
    }

    // Pages as the window writes them: headings, paragraphs, the working's
    // lines, an overline, escaped letters and blanks the toolkit folds.
    void blocksRewrittenInPlace_data()
    {
        const QString page = "<h3>Line 1</h3><p>Slope: 1/2 = 0.5</p><p><b>The working</b></p>"
            + working + "m = 7 / 14</p>" + working + "b = 3</p><h3>Crossing</h3><p>(2, 4)</p>";
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("a line changed")
            << page << QString(page).replace("b = 3", "b = \u2074\u2044\u2083") << true;
        QTest::newRow("a repetend overlined, escaped letters")
            << page
            << QString(page)
                   .replace("0.5", "0.(<span style=\"text-decoration: overline\">3</span>)")
                   .replace("(2, 4)", "x &lt; 1 &amp;&amp; &quot;y&quot; &gt; 2")
            << true;
        QTest::newRow("blanks the toolkit folds")
            << page << QString(page).replace("(2, 4)", "(4.5,  6.5)").replace("b = 3", " b =\t3 ")
            << true;
        QTest::newRow("lines added in the middle and at the end")
            << page
            << QString(page).replace("<h3>Crossing", working + "m = 1</p><h3>Crossing")
                + "<p>x = 1, y = 2</p><p>Check</p>"
            << true;
        QTest::newRow("lines taken away") << page
                                          << QString(page)
                                                 .remove(working + "m = 7 / 14</p>")
                                                 .remove("<h3>Crossing</h3><p>(2, 4)</p>")
                                          << true;
        QTest::newRow("a heading made a paragraph, the first block changed")
            << page << QString(page).replace("<h3>Line 1</h3>", "<p>Line 1</p>") << true;
        QTest::newRow("every block another")
            << page << "<p>a</p><h3>b</h3>" + working + "c</p><p>d</p>" << true;
        QTest::newRow("a block before the first: written whole")
            << page << "<p>Before</p>" + page << false;
    }

    void blocksRewrittenInPlace()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, inPlace);
        QTextDocument page;
        page.setHtml(before);
        PageBlocks blocks;
        QVERIFY(blocks.read(before));
        blocks.writtenWhole(page);
        QVERIFY(blocks.read(after));
        QCOMPARE(blocks.rewrite(page), inPlace);
        if (!inPlace)
            return;
        QTextDocument fresh;
        fresh.setHtml(after);
        QCOMPARE(difference(page, fresh), QString());
        QCOMPARE(page.toHtml(), fresh.toHtml());
        // And back, from the page as rewritten.
        QVERIFY(blocks.read(before));
        QVERIFY(blocks.rewrite(page));
        fresh.setHtml(before);
        QCOMPARE(difference(page, fresh), QString());
    }

    // Key by key, as a pupil types and takes back, through lines that gain
    // and lose steps of the working.
    void typingKeyByKeyShowsThePageWrittenAfresh()
    {
        LoadedForm f;
        const QTextBrowser* page = openPage(f);
        const auto check = [&] {
            QApplication::processEvents();
            QTextDocument fresh;
            fresh.setHtml(typedHtml(f));
            return difference(*page->document(), fresh);
        };
        for (QLineEdit* field : { f->t1, f->t4_b, f->t2 }) {
            field->setFocus();
            field->selectAll();
            for (const QChar key : QStringLiteral("-61.25")) {
                QTest::keyClicks(field, key);
                QCOMPARE(check(), QString());
            }
            for (int k = 0; k < 4; ++k) {
                QTest::keyClick(field, Qt::Key_Backspace);
                QCOMPARE(check(), QString());
            }
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
