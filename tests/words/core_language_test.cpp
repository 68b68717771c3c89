#include "core/exact_line.h"
#include "core/practice.h"
#include "core/working.h"
#include "words/bad_input.h"
#include "words/language.h"

#include <QRegularExpression>
#include <QTest>

#include <functional>

// The core's sentences come out in the chosen language with their numbers
// in place, each with its decimal point.
class CoreLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { words::chooseLanguage(QStringLiteral("en")); }
    void saysItInTheLanguage_data();
    void saysItInTheLanguage();
    void keepsEveryNumberOfTheWorking();
};

namespace {

using Text = std::function<std::string()>;

const std::array<std::string, 4> slanted = { "-6", "0", "4", "5" }; // y = x/2 + 3
const std::array<std::string, 4> upright = { "2.5", "0", "2.5", "5" }; // x = 5/2

// Line i of the working's step `id`.
std::string workingLine(const std::string& id, std::size_t i)
{
    for (const core::WorkingStep& s : core::WorkingFor(slanted, upright))
        if (s.id == id)
            return i == 0 ? s.heading : s.lines.at(i - 1);
    return {};
}

std::string slopeAdvice(const char* typed)
{
    return core::practice::Check(core::practice::Question::Slope1, typed,
        core::exact::LineThrough(0, 3, 2, 4), core::exact::LineThrough(0, 6, 6, 0))
        .advice;
}

} // namespace

void CoreLanguageTest::saysItInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Text>("text");
    QTest::addColumn<QString>("said");
    const Text heading = [] { return workingLine("slope1", 0); };
    const Text meets = [] { return workingLine("xaxis1", 6); };
    const Text decimalComma = [] { return slopeAdvice("2,5"); };
    const Text thousands = [] { return slopeAdvice("1,500"); };
    const Text howRead = [] { return bad_input::howRead(QStringLiteral("1,5"))->toStdString(); };
    QTest::newRow("en_heading") << "en" << heading << "Line 1: the slope m, how steep it is";
    QTest::newRow("de_heading") << "de" << heading << "Gerade 1: die Steigung m, wie steil sie ist";
    QTest::newRow("de_working_line")
        << "de" << meets << "die Gerade schneidet die x-Achse in (-6, 0)";
    QTest::newRow("en_decimal_comma") << "en" << decimalComma << "write 2.5 with a point";
    QTest::newRow("de_decimal_comma") << "de" << decimalComma << "schreibe 2.5 mit Punkt";
    QTest::newRow("fr_decimal_comma") << "fr" << decimalComma << "écrivez 2.5 avec un point";
    QTest::newRow("es_decimal_comma") << "es" << decimalComma << "escribe 2.5 con punto";
    QTest::newRow("de_thousands") << "de" << thousands
                                  << "schreibe 1500 ohne Komma oder 1.500 mit Punkt";
    QTest::newRow("de_how_read") << "de" << howRead
                                 << "Gelesen als 1: Nur die Zahl vor dem Komma zählt; gib 1.5 für "
                                    "eineinhalb ein";
}

void CoreLanguageTest::saysItInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(Text, text);
    QFETCH(QString, said);
    QVERIFY(words::chooseLanguage(language));
    QCOMPARE(QString::fromStdString(text()), said);
}

// Every number of every English line of the working, decimals with their
// point, is in the same line in each language, and no place is left unfilled.
void CoreLanguageTest::keepsEveryNumberOfTheWorking()
{
    static const QRegularExpression number(QStringLiteral("(?<![A-Za-z0-9.])-?\\d+(\\.\\d+)?"));
    const auto numbers = [](const std::string& line) {
        QStringList found;
        for (const auto& match : number.globalMatch(QString::fromStdString(line)))
            found << match.captured();
        found.sort();
        return found;
    };
    const std::vector<core::WorkingStep> english = core::WorkingFor(slanted, upright);
    for (const char* language : { "de", "fr", "es" }) {
        QVERIFY(words::chooseLanguage(QString::fromLatin1(language)));
        const std::vector<core::WorkingStep> said = core::WorkingFor(slanted, upright);
        QCOMPARE(said.size(), english.size());
        for (std::size_t k = 0; k < said.size(); ++k) {
            QCOMPARE(said[k].lines.size(), english[k].lines.size());
            QVERIFY2(said[k].heading != english[k].heading, said[k].heading.c_str());
            for (std::size_t i = 0; i < said[k].lines.size(); ++i) {
                const std::string& line = said[k].lines[i];
                QVERIFY2(line.find('%') == std::string::npos, line.c_str());
                QVERIFY2(numbers(line) == numbers(english[k].lines[i]), line.c_str());
            }
        }
    }
}

QTEST_GUILESS_MAIN(CoreLanguageTest)
#include "core_language_test.moc"
