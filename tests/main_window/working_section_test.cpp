// A line of the working as the Exact values and Practice windows show it:
// each fraction written without blanks stacked, numerator over denominator,
// the rest as the pupil writes it, and escaped where HTML needs it.
#include "main_window/widgets/working_section.h"

#include <QTest>

class WorkingSectionTest : public QObject {
    Q_OBJECT

private slots:
    void lineAsShown_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a fraction") << "m = 7/14" << QStringLiteral("m = \u2077\u2044\u2081\u2084");
        QTest::newRow("a division between terms") << "m = 7 / 14"
                                                  << "m = 7 / 14";
        QTest::newRow("a fraction divided again")
            << "12/34/5" << QStringLiteral("\u00b9\u00b2\u2044\u2083\u2084/5");
        QTest::newRow("a slash without digits on both sides") << "x/2 and 3/"
                                                              << "x/2 and 3/";
        QTest::newRow("every digit")
            << "1234567890/9876543210"
            << QStringLiteral("\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077"
                              "\u2078\u2079\u2070\u2044\u2089\u2088\u2087"
                              "\u2086\u2085\u2084\u2083\u2082\u2081\u2080");
        QTest::newRow("a subscript and a minus")
            << "b = y1 - 1/2" << QStringLiteral("b = y\u2081 \u2212 \u00b9\u2044\u2082");
        QTest::newRow("characters HTML reserves")
            << "a<b & \"c\" > 1/2"
            << QStringLiteral("a&lt;b &amp; &quot;c&quot; &gt; \u00b9\u2044\u2082");
    }

    void lineAsShown()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        core::WorkingStep step;
        step.heading = "Heading";
        step.lines = { line.toStdString() };
        const QString html = working_section::html({ step });
        const QString opening = QStringLiteral("margin-bottom: 0\">");
        const qsizetype from = html.lastIndexOf(opening) + opening.size();
        QCOMPARE(html.mid(from), shown + QStringLiteral("</p>"));
    }
};

QTEST_MAIN(WorkingSectionTest)
#include "working_section_test.moc"
