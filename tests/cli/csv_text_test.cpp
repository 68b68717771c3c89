// The answer key's CSV fields against libcsv's csv_write, which wrote them
// before: the same bytes for every text.
#include "app/csv_text.h"

#include <QTest>

#include <csv.h>

class CsvTextTest : public QObject {
    Q_OBJECT

private slots:
    void fieldAsLibcsvWritesIt_data();
    void fieldAsLibcsvWritesIt();
};

void CsvTextTest::fieldAsLibcsvWritesIt_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("a number") << QByteArray("-6.25");
    QTest::newRow("a quote alone") << QByteArray("\"");
    QTest::newRow("quotes at both ends and together") << QByteArray("\"a\"\"b\"");
    QTest::newRow("commas and the report's line ends") << QByteArray("(2,  4)\r\n Y = 3\r\n");
    QTest::newRow("a NUL and control characters") << QByteArray("a\0b\x01\x1f\x7f", 7);
    QTest::newRow("UTF-8 and bytes that are not") << QByteArray("½ 📐 \xFF\xC0\xAF");
}

void CsvTextTest::fieldAsLibcsvWritesIt()
{
    QFETCH(QByteArray, text);
    for (const std::string& before : { std::string(), std::string("\"row\"") }) {
        std::string ours = before;
        answers::appendCsvField(ours, std::string_view(text.constData(), text.size()));

        QByteArray libcsv(QByteArray::fromStdString(before));
        if (!libcsv.isEmpty())
            libcsv += ',';
        const std::size_t size = csv_write(nullptr, 0, text.constData(), text.size());
        const qsizetype at = libcsv.size();
        libcsv.resize(at + static_cast<qsizetype>(size));
        csv_write(libcsv.data() + at, size, text.constData(), text.size());
        QCOMPARE(QByteArray::fromStdString(ours), libcsv);
    }
}

QTEST_GUILESS_MAIN(CsvTextTest)
#include "csv_text_test.moc"
