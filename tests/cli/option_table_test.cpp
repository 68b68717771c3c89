// The options' refusals come out of the option table: each option outside
// its commands is refused naming exactly the commands it belongs to.

#include "app/command_line.h"
#include "app/option_table.h"

#include <QRegularExpression>
#include <QtTest>

using namespace trellan;

class OptionTableTest : public QObject {
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void everyOptionIsRefusedOutsideItsCommandsOnly();
};

QString refusal(const QStringList& arguments)
{
    const Result<Request> read
        = readCommandLine(QStringList { QStringLiteral("trellan") } + arguments);
    return read ? QString() : QString::fromStdString(read.failure().message);
}

void OptionTableTest::refusals_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* arguments, const char* message) {
        QTest::newRow(name) << QString::fromUtf8(arguments) << QString::fromUtf8(message);
    };
    row("one command's option", "--format csv", "--format is used only with --answers.");
    row("two commands' option", "--range 0 1", "--range is used only with --answers or --export.");
    row("the export's own, quoted", "--answers --scale 2",
        "'--scale' is used only with '--export'.");
    row("two sheet commands' option", "--seed 1",
        "--seed is used only with --worksheet or --practice.");
    row("commands sharing options", "--answers --export a.png --worksheet a.pdf",
        "--answers and --export cannot be used together.");
    row("the other pair", "--practice --worksheet a.pdf",
        "--worksheet and --practice cannot be used together.");
    row("worksheet beside another command", "--worksheet a.pdf --export a.png",
        "--worksheet takes only --exercises, --level, --seed, --key and --exercises-csv.");
    row("worksheet with the key's option", "--worksheet a.pdf --working",
        "--worksheet takes only --exercises, --level, --seed, --key and --exercises-csv.");
    row("practice", "--practice --exercises 3", "--practice takes only --level and --seed.");
}

void OptionTableTest::refusals()
{
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    QCOMPARE(refusal(arguments.split(u' ')), message);
}

void OptionTableTest::everyOptionIsRefusedOutsideItsCommandsOnly()
{
    const std::pair<unsigned, QStringList> commands[]
        = { { Window, {} }, { AnswerKey, { "--answers" } }, { Export, { "--export", "a.pdf" } },
              { Worksheet, { "--worksheet", "a.pdf" } }, { Practice, { "--practice" } } };
    const QRegularExpression named(QStringLiteral("--([a-z-]+)"));
    for (const OptionRow& option : optionTable()) {
        if (option.startsCommand || option.commands == 0)
            continue;
        QStringList given { QStringLiteral("--") + QLatin1String(option.name) };
        for (int k = 0; k < std::max(option.values, option.valueName ? 1 : 0); ++k)
            given << QStringLiteral("1");
        for (const auto& [command, arguments] : commands) {
            const QString said = refusal(arguments + given);
            const bool guarded = said.contains(u"used only with") || said.contains(u"takes only");
            QVERIFY2(guarded == !(option.commands & command),
                qPrintable(given.join(u' ') + QStringLiteral(": ") + said));
            if (!said.contains(u"used only with"))
                continue;
            unsigned belongs = 0; // the commands the message names
            for (const auto& match :
                named.globalMatch(said.section(QStringLiteral("used only with"), 1)))
                belongs |= optionNamed(match.captured(1))->commands;
            QCOMPARE(belongs, option.commands);
        }
    }
}

QTEST_GUILESS_MAIN(OptionTableTest)

#include "option_table_test.moc"
