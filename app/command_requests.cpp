#include "app/command_requests.h"

#include "app/csv_dialect.h"
#include "app/option_table.h"
#include "words/language.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>

namespace trellan {

namespace {

// A field of the window holds at most this many characters.
constexpr qsizetype fieldLength = 32767;

// An option that takes one of a few words: the value of the word given,
// `fallback` when the option is not; refused naming the words when it is
// none of them.
template <typename T>
Result<T> readChoice(const GivenOptions& given, const char* option,
    std::initializer_list<std::pair<const char*, T>> words, T fallback)
{
    if (!given.isSet(option))
        return fallback;
    const QString name = given.value(option);
    QStringList names;
    for (const auto& [word, value] : words) {
        if (name == QLatin1String(word))
            return value;
        names << QLatin1String(word);
    }
    const QString last = names.takeLast();
    return unusable(words::translate("command line", "Unknown %1 '%2': use %3 or %4.")
                        .arg(QLatin1String(option), name, names.join(QStringLiteral(", ")), last));
}

// The key's format that a file's extension names, if any.
std::optional<answers::Format> formatOfSuffix(const QString& suffix)
{
    if (suffix == u"csv")
        return answers::Format::Csv;
    if (suffix == u"jsonl")
        return answers::Format::Jsonl;
    if (suffix == u"xlsx")
        return answers::Format::Xlsx;
    return std::nullopt;
}

// --level and --seed, each when given.
Result<WindowStart::Practice> levelAndSeed(const GivenOptions& given)
{
    WindowStart::Practice chosen;
    if (given.isSet("level")) {
        bool ok = false;
        const int level = given.value("level").toInt(&ok);
        if (!ok || level < 1 || level > 3)
            return unusable(words::translate("command line", "--level takes 1, 2 or 3."));
        chosen.level = level;
    }
    if (given.isSet("seed")) {
        bool ok = false;
        chosen.seed = given.value("seed").toULongLong(&ok);
        if (!ok)
            return unusable(
                words::translate("command line", "--seed takes a whole number from 0 to %1.")
                    .arg(std::numeric_limits<std::uint64_t>::max()));
    }
    return chosen;
}

} // namespace

Result<answers::AnswerKeyRequest> answerKeyRequest(const GivenOptions& given)
{
    answers::AnswerKeyRequest key;
    const QStringList files = given.parser.positionalArguments();
    if (files.size() > 1)
        return unusable(
            words::translate("command line", "Unexpected argument '%1': --answers reads one file.")
                .arg(files[1]));
    if (!files.isEmpty())
        key.file = QFile::encodeName(files.constFirst()).toStdString();
    // Each is read first; the first unusable one, in this order, is said.
    const auto format = readChoice(given, "format",
        { { "csv", answers::Format::Csv }, { "jsonl", answers::Format::Jsonl },
            { "xlsx", answers::Format::Xlsx } },
        key.format);
    const auto arithmetic = readChoice(given, "arithmetic",
        { { "exact", core::Arithmetic::Exact }, { "designed", core::Arithmetic::Designed } },
        key.arithmetic);
    const auto headers = readChoice(given, "headers",
        { { "fields", answers::Headers::Fields }, { "words", answers::Headers::Words } },
        key.headers);
    if (!format)
        return format.failure();
    if (!arithmetic)
        return arithmetic.failure();
    if (given.isSet("separator")) {
        const QString name = given.value("separator");
        key.separator = answers::separatorNamed(name.toStdString());
        if (!key.separator)
            return unusable(
                words::translate("command line", "Unknown separator '%1': use ',', ';' or tab.")
                    .arg(name));
    }
    if (!headers)
        return headers.failure();
    key.format = *format;
    key.arithmetic = *arithmetic;
    key.headers = *headers;
    if (given.isSet("output")) {
        const QString output = given.value("output");
        key.output = QFile::encodeName(output).toStdString();
        // The output's name says its format, as a spreadsheet or a script
        // opening it will take it.
        const QString suffix = QFileInfo(output).suffix().toLower();
        const std::optional<answers::Format> named = formatOfSuffix(suffix);
        if (named && given.isSet("format") && *named != key.format)
            return unusable(words::translate("command line",
                "--format %1 does not match -o '%2': name the file "
                ".%1, or leave --format out.")
                                .arg(given.value("format"), output));
        key.format = named.value_or(key.format);
    }
    if (const QStringList range = given.valuesOf("range"); !range.isEmpty()) {
        if (range[0].size() > fieldLength || range[1].size() > fieldLength)
            return unusable(words::translate("command line",
                "The range's texts can be at most %1 characters "
                "long, as in the window.")
                                .arg(fieldLength));
        key.lower = range[0].toStdString();
        key.upper = range[1].toStdString();
    }
    key.working = given.isSet("working");
    return key;
}

Result<WorksheetRequest> worksheetRequest(const GivenOptions& given)
{
    WorksheetRequest w;
    w.sheet = given.value("worksheet");
    w.key = given.value("key");
    w.csv = given.value("exercises-csv");
    for (const QString& pdf : { w.sheet, w.key })
        if (!pdf.isEmpty() && QFileInfo(pdf).suffix().toLower() != u"pdf")
            return unusable(words::translate("command line",
                "'%1' is not a .pdf file name: worksheets and "
                "keys are PDF pages.")
                                .arg(pdf));
    if (given.isSet("exercises")) {
        bool ok = false;
        const long long exercises = given.value("exercises").toLongLong(&ok);
        if (!ok || exercises < 1 || exercises > 200)
            return unusable(words::translate(
                "command line", "--exercises takes a whole number from 1 to 200."));
        w.exercises = static_cast<int>(exercises);
    }
    const auto chosen = levelAndSeed(given);
    if (!chosen)
        return chosen.failure();
    w.level = chosen->level.value_or(w.level);
    // A new sheet each time unless a seed is given; its footer prints the
    // seed, so that it can be made again.
    w.seed = chosen->seed.value_or(QRandomGenerator::global()->bounded(1000000u));
    return w;
}

Result<WindowStart> practiceStart(const GivenOptions& given)
{
    const auto chosen = levelAndSeed(given);
    if (!chosen)
        return chosen.failure();
    return WindowStart { *chosen };
}

Result<ExportRequest> exportRequest(const GivenOptions& given)
{
    ExportRequest picture { given.value("export"), given.valuesOf("line1"), given.valuesOf("line2"),
        given.valuesOf("range") };
    const QString suffix = QFileInfo(picture.file).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg" && suffix != u"pdf")
        return unusable(words::translate("command line",
            "Cannot tell the picture's format from '%1': name it .png, "
            ".svg or .pdf.")
                            .arg(picture.file));
    picture.working = given.isSet("working");
    if (picture.working && suffix != u"pdf")
        return unusable(
            words::translate("command line", "--working needs pages: name the file .pdf, not '%1'.")
                .arg(picture.file));
    if (given.isSet("scale")) {
        bool number = false;
        picture.scale = given.value("scale").toDouble(&number);
        // Beyond 16 times the panel a PNG would take gigabytes.
        if (!number || !(picture.scale > 0 && picture.scale <= 16))
            return unusable(words::translate(
                "command line", "The scale '%1' is not a number from above 0 to 16.")
                                .arg(given.value("scale")));
    }
    return picture;
}

} // namespace trellan
