// The answer key's writers against what wrote the key before them: the JSON
// objects against Qt's JSON document, whatever the strings hold and in
// whatever order the members are added; the CSV fields against libcsv.
#include "app/answer_rows.h"
#include "app/csv_text.h"
#include "app/json_text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <csv.h>

namespace {

std::string_view view(const QByteArray& bytes)
{
    return { bytes.constData(), static_cast<std::size_t>(bytes.size()) };
}

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray qtCompact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

class KeyTextTest : public QObject {
    Q_OBJECT

private slots:
    void stringAsQtWritesIt_data();
    void stringAsQtWritesIt();
    void membersInQtsOrder_data();
    void membersInQtsOrder();
    void answerAsQtRewritesIt_data();
    void answerAsQtRewritesIt();
    void csvFieldAsLibcsvWritesIt_data();
    void csvFieldAsLibcsvWritesIt();
};

void KeyTextTest::stringAsQtWritesIt_data()
{
    QTest::addColumn<QByteArray>("utf8");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("quotes") << QByteArray(R"("quoted" and "")");
    QTest::newRow("backslashes") << QByteArray(R"(\ \\ \" \n)");
    QTest::newRow("slash, kept as it is") << QByteArray("1/2 </script>");
    for (char c = 0; c < 0x20; ++c)
        QTest::addRow("control U+%04X", c) << QByteArray(1, c) + "x" + QByteArray(1, c);
    QTest::newRow("the report's line ends") << QByteArray(" Y = 0.5 X +  3\r\n(2,  4)\r\n");
    QTest::newRow("DEL") << QByteArray("a\x7f"
                                       "b");
    QTest::newRow("Latin-1 letters") << QByteArray("½ é ÿ");
    QTest::newRow("beyond Latin-1") << QByteArray("− ≈ → 漢字");
    QTest::newRow("emoji, outside the BMP") << QByteArray("📐 🧮");
    QTest::newRow("U+FFFF") << QByteArray("a\xEF\xBF\xBF");
    QTest::newRow("a byte order mark at the start") << QByteArray("\xEF\xBB\xBF"
                                                                  "1.5");
    QTest::newRow("two byte order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                        "1");
    QTest::newRow("a byte order mark inside") << QByteArray("1\xEF\xBB\xBF");
    QTest::newRow("a byte order mark before a bad byte") << QByteArray("\xEF\xBB\xBF\xFF");
    // Not UTF-8: the reader refuses such fields, but a writer gets what it
    // gets, and Qt puts U+FFFD for what it cannot read.
    QTest::newRow("a lone surrogate, encoded") << QByteArray("a\xED\xA0\x80"
                                                             "b");
    QTest::newRow("an overlong slash") << QByteArray("a\xC0\xAF"
                                                     "b");
    QTest::newRow("a cut sequence at the end") << QByteArray("ab\xE2\x82");
    QTest::newRow("bytes never in UTF-8") << QByteArray("\xFF\xFE"
                                                        "x\x80");
    QTest::newRow("a quote after a bad byte") << QByteArray("\xC3\"\x01");
}

void KeyTextTest::stringAsQtWritesIt()
{
    QFETCH(QByteArray, utf8);
    answers::JsonObject ours;
    ours.addString("s", view(utf8));
    const QJsonObject qt { { "s", QString::fromUtf8(utf8) } };
    QCOMPARE(bytes(ours.text()), qtCompact(qt));
}

void KeyTextTest::membersInQtsOrder_data()
{
    QTest::addColumn<QStringList>("keys");

    QStringList window;
    for (int f = 0; f < core::ResultFieldCount; ++f)
        window << QString::fromUtf8(core::FieldName(static_cast<core::ResultField>(f)));
    QTest::newRow("the window's") << (window << "warning"
                                             << "report");
    QTest::newRow("shorter is not first") << QStringList { "bb", "a", "ab", "b", "a_", "B", "" };
    QTest::newRow("a key given twice keeps its last value") << QStringList { "x", "y", "x" };
}

void KeyTextTest::membersInQtsOrder()
{
    QFETCH(QStringList, keys);
    std::vector<QByteArray> names; // the writer keeps views of its keys
    answers::JsonObject ours;
    QJsonObject qt;
    for (int k = 0; k < keys.size(); ++k) {
        names.push_back(keys[k].toUtf8());
        ours.addInteger(view(names.back()), k);
        qt.insert(keys[k], k);
    }
    QCOMPARE(bytes(ours.text()), qtCompact(qt));
}

void KeyTextTest::answerAsQtRewritesIt_data()
{
    QTest::addColumn<QStringList>("typed");

    QTest::newRow("the start-up lines")
        << QStringList { "-6", "0", "8", "7", "-7", "-5", "6", "8" };
    QTest::newRow("the same line") << QStringList { "0", "0", "3", "1", "3", "1", "6", "2" };
    QTest::newRow("line one vertical") << QStringList { "3", "0", "3", "7", "-7", "-5", "6", "8" };
    QTest::newRow("fields that are not numbers")
        << QStringList { "½", "\"1\"", "1,5", "\\", "\t2", "📐", "", " 3 " };
    QTest::newRow("beyond the double range")
        << QStringList { "0", "0", "1", "1E+400", "0", "1", "1", "2" };
}

// Qt reads our line and writes it back compactly: any member out of Qt's
// order or any string escaped otherwise would come back different.
void KeyTextTest::answerAsQtRewritesIt()
{
    QFETCH(QStringList, typed);
    answers::TypedRow row;
    for (std::size_t k = 0; k < row.size(); ++k)
        row[k] = typed[static_cast<qsizetype>(k)].toStdString();
    for (const std::string& line : { answers::jsonAnswer(answers::answerRow(2, row, "-10", "10")),
             answers::jsonError(7, "row 7: \"x\" is not \\ valid\x01") }) {
        QVERIFY(line.ends_with('\n'));
        const QByteArray ours = bytes(line).chopped(1);
        QJsonParseError error;
        const QJsonDocument read = QJsonDocument::fromJson(ours, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(ours, read.toJson(QJsonDocument::Compact));
    }
}

void KeyTextTest::csvFieldAsLibcsvWritesIt_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("quotes alone, at both ends and together") << QByteArray("\"a\"\"b\"");
    QTest::newRow("commas and the report's line ends") << QByteArray("(2,  4)\r\n Y = 3\r\n");
    QTest::newRow("a NUL and control characters") << QByteArray("a\0b\x01\x7f", 5);
    QTest::newRow("UTF-8 and bytes that are not") << QByteArray("½ 📐 \xFF\xC0\xAF");
}

void KeyTextTest::csvFieldAsLibcsvWritesIt()
{
    QFETCH(QByteArray, text);
    std::string ours = "\"row\"";
    answers::appendCsvField(ours, view(text));
    QByteArray libcsv = "\"row\",";
    const std::size_t size = csv_write(nullptr, 0, text.constData(), view(text).size());
    const qsizetype at = libcsv.size();
    libcsv.resize(at + static_cast<qsizetype>(size));
    csv_write(libcsv.data() + at, size, text.constData(), view(text).size());
    QCOMPARE(bytes(ours), libcsv);
}

QTEST_GUILESS_MAIN(KeyTextTest)
#include "key_text_test.moc"
