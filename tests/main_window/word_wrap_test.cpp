// How the report box breaks its lines: between words for a reader's text,
// anywhere inside a word too wide for the box, and still anywhere, without
// holding the window, for a long text pasted without a blank.
#include "form1_fixture.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/widgets/word_wrap.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

namespace {

// The block's lines, laid out for the box's width.
QTextLayout* laidOut(const QTextBlock& block)
{
    block.document()->documentLayout()->blockBoundingRect(block);
    return block.layout();
}

// The word of `text` around `at`: from the blank before it to the blank after.
QString wordAround(const QString& text, qsizetype at)
{
    const qsizetype from = text.lastIndexOf(u' ', at - 1) + 1;
    qsizetype to = text.indexOf(u' ', at);
    if (to < 0)
        to = text.size();
    return text.mid(from, to - from);
}

// Several lines' worth of a reader's text: a line that happens to end at a
// blank when broken anywhere is likely; all of them is not.
QString paragraph()
{
    return QStringLiteral(
        "Line 1 goes through both of its points and crosses line 2 where both equations give the "
        "same Y for the same X, which is the point shown below the graph. A vertical line has no "
        "slope, so its slope reads undefined and its equation names X alone. Two lines with the "
        "same slope never meet unless they are the same line, and then every point of one lies "
        "on the other. The report keeps every answer in the order the buttons were pressed.");
}

} // namespace

class WordWrapTest : public QObject {
    Q_OBJECT

    LoadedForm form_;
    QPlainTextEdit* box_ = nullptr;

    void paste(const QString& text)
    {
        box_->clear();
        box_->insertPlainText(text);
        QApplication::processEvents();
    }

    // Every line but the last ends just after a blank, unless it ends inside
    // a word wider than the box.
    void checkBreaksBetweenWords(const QTextBlock& block)
    {
        const QString text = block.text();
        const QTextLayout* layout = laidOut(block);
        QVERIFY2(layout->lineCount() > 1, "the text should be wider than the box");
        const QFontMetricsF metrics(box_->font());
        for (int k = 0; k + 1 < layout->lineCount(); ++k) {
            const QTextLine line = layout->lineAt(k);
            const qsizetype end = line.textStart() + line.textLength();
            if (text.at(end - 1) == u' ')
                continue;
            const QString word = wordAround(text, end);
            QVERIFY2(metrics.horizontalAdvance(word) > line.width(),
                qPrintable(QStringLiteral("line %1 breaks inside \"%2\"").arg(k).arg(word)));
        }
    }

    // The text is kept whole and broken into lines that each fit the box.
    void checkWrapsWithinBox(const QTextBlock& block, const QString& text)
    {
        QCOMPARE(block.text(), text);
        const QTextLayout* layout = laidOut(block);
        QVERIFY(layout->lineCount() > 1);
        for (int k = 0; k < layout->lineCount(); ++k) {
            const QTextLine line = layout->lineAt(k);
            if (line.naturalTextWidth() > line.width())
                QFAIL(qPrintable(QStringLiteral("line %1 runs %2 px past the box")
                                     .arg(k)
                                     .arg(line.naturalTextWidth() - line.width())));
        }
    }

private slots:
    void initTestCase()
    {
        box_ = form_->txt_results;
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.form.get()));
    }

    void reportLinesBreakBetweenWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("sentences") << paragraph();
        QTest::newRow("equations with long numbers") << QStringLiteral(
            " Y = 0.333333333333333 X +  1.11022302462516E-15    Y = -0.333333333333333 X +  "
            "2.22044604925031E-16    Y = 3 X + 7    Intersection: (-1.66666666666667,  2)    "
            "Y = 1.4142135623731 X + -2.71828182845905    Y = 0.5 X + 3    X = 3    "
            "Intersection: (3,  4.5)    Y = -12.0000000000001 X +  123456.789012346");
        QTest::newRow("a word wider than the box among short ones")
            << QStringLiteral("short words before it ") + QString(200, u'w')
                + QStringLiteral(" and short words after it, enough of them to need a line "
                                 "of their own and then one more");
    }

    void reportLinesBreakBetweenWords()
    {
        QFETCH(QString, text);
        paste(text);
        checkBreaksBetweenWords(box_->document()->firstBlock());
    }

    void longWordStillWraps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("just longer than the longest word")
            << QString(word_wrap::LongestWord + 1, u'x');
        QTest::newRow("a megabyte without a blank") << QString(1 << 20, u'x');
        QTest::newRow("letters joined by no-break spaces")
            << QString(4000, u'a').replace(QStringLiteral("aa"), QStringLiteral("a\u00a0"));
    }

    void longWordStillWraps()
    {
        QFETCH(QString, text);
        paste(QStringLiteral("A report line\n") + text);
        checkWrapsWithinBox(box_->document()->lastBlock(), text);
        // Broken anywhere: looking for a word's end on every line of it is
        // what held the window.
        QCOMPARE(box_->wordWrapMode(), QTextOption::WrapAnywhere);
    }

    void aWordJustAsLongAsTheLongestStillBreaksBetweenWords()
    {
        paste(QStringLiteral("A report line\n") + QString(word_wrap::LongestWord, u'x'));
        QCOMPARE(box_->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void wordsAgainOnceTheLongWordGoes()
    {
        const QString sentence = paragraph();
        const QString word(3000, u'z');
        paste(word + u'\n' + sentence);
        QCOMPARE(box_->wordWrapMode(), QTextOption::WrapAnywhere);

        // The long word deleted as a user would: selected, then Delete.
        QTextCursor cursor(box_->document()->firstBlock());
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        box_->setTextCursor(cursor);
        QTest::keyClick(box_, Qt::Key_Delete);
        QApplication::processEvents();
        QCOMPARE(box_->toPlainText(), sentence);
        checkBreaksBetweenWords(box_->document()->firstBlock());

        // Undone, the word is back and wraps within the box again.
        box_->undo();
        QApplication::processEvents();
        checkWrapsWithinBox(box_->document()->firstBlock(), word);
        QCOMPARE(box_->wordWrapMode(), QTextOption::WrapAnywhere);
    }

    void longestWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("longest");
        QTest::newRow("empty") << QString() << qsizetype(0);
        QTest::newRow("one word") << QStringLiteral("Intersection:") << qsizetype(13);
        QTest::newRow("the longest word with its blank")
            << QStringLiteral("Y =  0.5 X") << qsizetype(4);
        const QString word999 = QString(999, u'a') + u' ';
        QTest::newRow("words of 999 letters, each with its blank")
            << word999 + word999 + word999 << qsizetype(1000);
        QTest::newRow("a run of 1500 letters among short words")
            << QStringLiteral("ab ").repeated(200) + QString(1500, u'x') + QStringLiteral(" cd")
            << qsizetype(1501);
        QTest::newRow("a no-break space does not end a word")
            << QStringLiteral("a\u00a0").repeated(800) << qsizetype(1600);
        QTest::newRow("a line may break after a hyphen")
            << QStringLiteral("well-").repeated(400) << qsizetype(5);
    }

    void longestWord()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, longest);
        QCOMPARE(word_wrap::longestWord(text), longest);
    }

    void exactPageWrapsWidestNumbersAnywhere_data()
    {
        QTest::addColumn<QString>("endPoint");
        QTest::addColumn<QTextOption::WrapMode>("mode");
        QTest::newRow("ordinary numbers break between words")
            << QStringLiteral("8") << QTextOption::WrapAtWordBoundaryOrAnywhere;
        QTest::newRow("a thousand digits either side of the point")
            << QString(1000, u'7') + u'.' + QString(1000, u'3') << QTextOption::WrapAnywhere;
    }

    void exactPageWrapsWidestNumbersAnywhere()
    {
        QFETCH(QString, endPoint);
        QFETCH(QTextOption::WrapMode, mode);
        form_->t3->setText(endPoint);
        ExactWindow* window = ExactWindow::open(form_.form.get(),
            { form_->t1, form_->t2, form_->t3, form_->t4, form_->t1_b, form_->t2_b, form_->t3_b,
                form_->t4_b, form_->txmin, form_->txmax });
        const auto* page = window->findChild<QTextBrowser*>(QStringLiteral("exactPage"));
        // The page holds a word too long to break between words, or none.
        QCOMPARE(word_wrap::longestWord(page->toPlainText()) > word_wrap::LongestWord,
            mode == QTextOption::WrapAnywhere);
        QCOMPARE(page->wordWrapMode(), mode);
        window->close();
    }
};

QTEST_MAIN(WordWrapTest)
#include "word_wrap_test.moc"
