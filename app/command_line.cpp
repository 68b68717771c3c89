#include "app/command_line.h"

#include "app/answer_key.h"
#include "app/csv_dialect.h"
#include "app/export_command.h"
#include "app/worksheet.h"
#include "trellan_version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>

namespace trellan {

namespace {

// Exit statuses, as the manual page lists them.
constexpr int exitSuccess = 0;
constexpr int exitStopped = 1;
constexpr int exitUnusableOptions = 2;

// What a command line asks for. Commands that run without the window join
// this list with the options that start them.
enum class Mode { Window, Help, Version, Answers, Export, Worksheet, Unusable };

struct Request {
    Mode mode = Mode::Window;
    QString error; // one line, for Mode::Unusable
    ExportRequest picture = {}; // for Mode::Export
    answers::AnswerKeyRequest answers = {}; // for Mode::Answers
    WorksheetRequest worksheet = {}; // for Mode::Worksheet
    WindowStart window = {}; // for Mode::Window
};

Request unusable(const QString& error)
{
    return { Mode::Unusable, error };
}

// A field of the window holds at most this many characters.
constexpr qsizetype fieldLength = 32767;

QString rangeTakesTwo()
{
    return QStringLiteral("--range takes two values, the lowest and the highest: --range -10 10.");
}

// Options followed by several values. Their values are taken off the list
// before the parser sees it, as they may look like options: --line1 -3 0 2 5.
struct ValuesOption {
    const char* name;
    int count;
};
constexpr ValuesOption valuesOptions[] = { { "line1", 4 }, { "line2", 4 }, { "range", 2 } };

// Takes each such option with its values out of `arguments`; an error text
// when one lacks values.
QString takeValues(QStringList& arguments, QHash<QString, QStringList>& values)
{
    for (qsizetype k = 1; k < arguments.size();) {
        const QString& word = arguments[k];
        if (word == u"--")
            break;
        if (word.startsWith(u"--range="))
            return rangeTakesTwo();
        const ValuesOption* found = nullptr;
        for (const ValuesOption& option : valuesOptions)
            if (word == QStringLiteral("--") + QLatin1String(option.name))
                found = &option;
        if (!found) {
            ++k;
            continue;
        }
        // A line may be given as its equation, one value: --line1 "y = 2x + 3".
        const bool equation
            = found->count == 4 && k + 1 < arguments.size() && arguments[k + 1].contains(u'=');
        const int count = equation ? 1 : found->count;
        if (k + count >= arguments.size())
            return count == 2 ? rangeTakesTwo()
                              : QStringLiteral("Missing value after '%1'.").arg(word);
        values[QLatin1String(found->name)] = arguments.mid(k + 1, count);
        arguments.remove(k, count + 1);
    }
    return {};
}

// The options QGuiApplication and QApplication take for themselves. They are
// accepted here and left in argv for the application object to read.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    { "platform", true },
    { "platformpluginpath", true },
    { "platformtheme", true },
    { "plugin", true },
    { "qwindowgeometry", true },
    { "qwindowicon", true },
    { "qwindowtitle", true },
    { "session", true },
    { "display", true },
    { "style", true },
    { "stylesheet", true },
    { "reverse", false },
    { "widgetcount", false },
};

// Qt names unknown options without their dashes; the message repeats them
// as they were typed.
QString unknownOptions(const QStringList& names, const QStringList& arguments)
{
    QStringList typed;
    for (const QString& name : names) {
        QString word = QStringLiteral("--") + name;
        for (const QString& argument : arguments.mid(1)) {
            if (argument == u"--")
                break;
            const QString option = argument.section(u'=', 0, 0);
            if (option == u'-' + name || option == QStringLiteral("--") + name) {
                word = option;
                break;
            }
        }
        typed.append(word);
    }
    if (typed.size() == 1)
        return QStringLiteral("Unknown option '%1'.").arg(typed.constFirst());
    return QStringLiteral("Unknown options: %1.").arg(typed.join(QStringLiteral(", ")));
}

class Options {
public:
    Options()
    {
        parser.setApplicationDescription(
            QStringLiteral("Plot two straight lines and find where they cross."));
        // Qt's own options are single-dash words such as -platform.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(answers);
        parser.addOption(format);
        parser.addOption(arithmetic);
        parser.addOption(separator);
        parser.addOption(headers);
        parser.addOption(output);
        parser.addOption(working);
        parser.addOption(exportFile);
        parser.addOption(line1);
        parser.addOption(line2);
        parser.addOption(range);
        parser.addOption(scale);
        for (const QCommandLineOption* option :
            { &worksheet, &exercises, &level, &seed, &key, &exercisesCsv, &practice })
            parser.addOption(*option);
        for (const QtOption& qt : qtOptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name));
            if (qt.takesValue)
                option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    Request parse(QStringList arguments)
    {
        QHash<QString, QStringList> values;
        if (const QString error = takeValues(arguments, values); !error.isEmpty())
            return unusable(error);
        if (!parser.parse(arguments))
            return unusable(parser.unknownOptionNames().isEmpty()
                    ? parser.errorText()
                    : unknownOptions(parser.unknownOptionNames(), arguments));
        if (parser.isSet(help))
            return { Mode::Help, {} };
        if (parser.isSet(version))
            return { Mode::Version, {} };
        if (parser.isSet(answers) && parser.isSet(exportFile))
            return unusable(QStringLiteral("--answers and --export cannot be used together."));
        if (parser.isSet(worksheet) && parser.isSet(practice))
            return unusable(QStringLiteral("--worksheet and --practice cannot be used together."));
        if (parser.isSet(worksheet))
            return worksheetRequest(values);
        if (parser.isSet(practice))
            return practiceRequest(values);
        for (const QCommandLineOption* option : { &exercises, &level, &seed, &key, &exercisesCsv })
            if (parser.isSet(*option))
                return unusable(
                    QStringLiteral("--%1 is used only with --worksheet%2.")
                        .arg(option->names().constFirst(),
                            option == &level || option == &seed ? QStringLiteral(" or --practice")
                                                                : QString()));
        if (parser.isSet(answers))
            return answerKey(values);
        if (parser.isSet(format))
            return unusable(QStringLiteral("--format is used only with --answers."));
        if (parser.isSet(working) && !parser.isSet(exportFile))
            return unusable(QStringLiteral("--working is used only with --answers or --export."));
        if (parser.isSet(arithmetic))
            return unusable(QStringLiteral("--arithmetic is used only with --answers."));
        for (const char* name : { "separator", "headers", "output" })
            if (parser.isSet(QLatin1String(name)))
                return unusable(
                    QStringLiteral("--%1 is used only with --answers.").arg(QLatin1String(name)));
        if (!parser.positionalArguments().isEmpty())
            return unusable(QStringLiteral("Unexpected argument '%1'.")
                                .arg(parser.positionalArguments().constFirst()));
        if (parser.isSet(exportFile))
            return exportRequest(values);
        if (values.contains(QStringLiteral("range")))
            return unusable(QStringLiteral("--range is used only with --answers or --export."));
        for (const char* name : { "line1", "line2", "scale" })
            if (values.contains(QLatin1String(name)) || parser.isSet(QLatin1String(name)))
                return unusable(QStringLiteral("'--%1' is used only with '--export'.")
                                    .arg(QLatin1String(name)));
        return {};
    }

    Request answerKey(const QHash<QString, QStringList>& values) const
    {
        Request request { Mode::Answers, {} };
        for (const char* name : { "line1", "line2", "scale" })
            if (values.contains(QLatin1String(name)) || parser.isSet(QLatin1String(name)))
                return unusable(QStringLiteral("'--%1' is used only with '--export'.")
                                    .arg(QLatin1String(name)));
        const QStringList files = parser.positionalArguments();
        if (files.size() > 1)
            return unusable(QStringLiteral("Unexpected argument '%1': --answers reads one file.")
                                .arg(files[1]));
        if (!files.isEmpty())
            request.answers.file = QFile::encodeName(files.constFirst()).toStdString();
        if (const std::optional<QString> error = readChoice(format,
                { { "csv", answers::Format::Csv }, { "jsonl", answers::Format::Jsonl },
                    { "xlsx", answers::Format::Xlsx } },
                request.answers.format))
            return unusable(*error);
        if (const std::optional<QString> error = readChoice(arithmetic,
                { { "exact", core::Arithmetic::Exact },
                    { "designed", core::Arithmetic::Designed } },
                request.answers.arithmetic))
            return unusable(*error);
        if (parser.isSet(separator)) {
            const QString name = parser.value(separator);
            request.answers.separator = answers::separatorNamed(name.toStdString());
            if (!request.answers.separator)
                return unusable(
                    QStringLiteral("Unknown separator '%1': use ',', ';' or tab.").arg(name));
        }
        if (parser.isSet(output))
            request.answers.output = QFile::encodeName(parser.value(output)).toStdString();
        if (const std::optional<QString> error = readChoice(headers,
                { { "fields", answers::Headers::Fields }, { "words", answers::Headers::Words } },
                request.answers.headers))
            return unusable(*error);
        if (const QStringList range = values.value(QStringLiteral("range")); !range.isEmpty()) {
            if (range[0].size() > fieldLength || range[1].size() > fieldLength)
                return unusable(QStringLiteral("The range's texts can be at most %1 characters "
                                               "long, as in the window.")
                                    .arg(fieldLength));
            request.answers.lower = range[0].toStdString();
            request.answers.upper = range[1].toStdString();
        }
        request.answers.working = parser.isSet(working);
        return request;
    }

    // An option that takes one of a few words, into `into` when given; the
    // complaint naming the words when it is none of them.
    template <typename T>
    std::optional<QString> readChoice(const QCommandLineOption& option,
        std::initializer_list<std::pair<const char*, T>> words, T& into) const
    {
        if (!parser.isSet(option))
            return std::nullopt;
        const QString name = parser.value(option);
        QStringList names;
        for (const auto& [word, value] : words) {
            if (name == QLatin1String(word)) {
                into = value;
                return std::nullopt;
            }
            names << QLatin1String(word);
        }
        const QString last = names.takeLast();
        return QStringLiteral("Unknown %1 '%2': use %3 or %4.")
            .arg(option.names().constFirst(), name, names.join(QStringLiteral(", ")), last);
    }

    Request worksheetRequest(const QHash<QString, QStringList>& values) const
    {
        if (parser.isSet(answers) || parser.isSet(exportFile) || !values.isEmpty()
            || parser.isSet(scale) || parser.isSet(format) || parser.isSet(arithmetic))
            return unusable(QStringLiteral("--worksheet takes only --exercises, --level, --seed, "
                                           "--key and --exercises-csv."));
        if (!parser.positionalArguments().isEmpty())
            return unusable(QStringLiteral("Unexpected argument '%1'.")
                                .arg(parser.positionalArguments().constFirst()));
        Request request { Mode::Worksheet, {} };
        WorksheetRequest& w = request.worksheet;
        w.sheet = parser.value(worksheet);
        w.key = parser.value(key);
        w.csv = parser.value(exercisesCsv);
        for (const QString& pdf : { w.sheet, w.key })
            if (!pdf.isEmpty() && QFileInfo(pdf).suffix().toLower() != u"pdf")
                return unusable(QStringLiteral("'%1' is not a .pdf file name: worksheets and "
                                               "keys are PDF pages.")
                                    .arg(pdf));
        const auto whole = [&](const QCommandLineOption& option, long long lowest,
                               long long highest, long long& into) {
            bool ok = false;
            const long long v = parser.value(option).toLongLong(&ok);
            if (!ok || v < lowest || v > highest)
                return false;
            into = v;
            return true;
        };
        long long v = w.exercises;
        if (parser.isSet(exercises) && !whole(exercises, 1, 200, v))
            return unusable(QStringLiteral("--exercises takes a whole number from 1 to 200."));
        w.exercises = static_cast<int>(v);
        const std::optional<QString> error = readLevelAndSeed(w.level, w.seed);
        if (error)
            return unusable(*error);
        if (!parser.isSet(seed)) {
            // A new sheet each time; its footer prints the seed, so that it
            // can be made again.
            w.seed = QRandomGenerator::global()->bounded(1000000u);
        }
        return request;
    }

    // --level and --seed, into `level` and `seed` when given; the complaint
    // when either is unusable.
    std::optional<QString> readLevelAndSeed(int& level, std::uint64_t& seed) const
    {
        if (parser.isSet(this->level)) {
            bool ok = false;
            const int v = parser.value(this->level).toInt(&ok);
            if (!ok || v < 1 || v > 3)
                return QStringLiteral("--level takes 1, 2 or 3.");
            level = v;
        }
        if (parser.isSet(this->seed)) {
            bool ok = false;
            seed = parser.value(this->seed).toULongLong(&ok);
            if (!ok)
                return QStringLiteral("--seed takes a whole number from 0 to %1.")
                    .arg(std::numeric_limits<std::uint64_t>::max());
        }
        return std::nullopt;
    }

    Request practiceRequest(const QHash<QString, QStringList>& values) const
    {
        if (parser.isSet(answers) || parser.isSet(exportFile) || !values.isEmpty()
            || parser.isSet(scale) || parser.isSet(format) || parser.isSet(arithmetic)
            || parser.isSet(working) || parser.isSet(exercises) || parser.isSet(key)
            || parser.isSet(exercisesCsv))
            return unusable(QStringLiteral("--practice takes only --level and --seed."));
        for (const char* name : { "separator", "headers", "output" })
            if (parser.isSet(QLatin1String(name)))
                return unusable(QStringLiteral("--practice takes only --level and --seed."));
        if (!parser.positionalArguments().isEmpty())
            return unusable(QStringLiteral("Unexpected argument '%1'.")
                                .arg(parser.positionalArguments().constFirst()));
        int chosenLevel = 0;
        std::uint64_t chosenSeed = 0;
        if (const std::optional<QString> error = readLevelAndSeed(chosenLevel, chosenSeed))
            return unusable(*error);
        Request request;
        WindowStart::Practice& start = request.window.practice.emplace();
        if (parser.isSet(level))
            start.level = chosenLevel;
        if (parser.isSet(seed))
            start.seed = chosenSeed;
        return request;
    }

    Request exportRequest(const QHash<QString, QStringList>& values) const
    {
        Request request { Mode::Export, {},
            { parser.value(exportFile), values.value(QStringLiteral("line1")),
                values.value(QStringLiteral("line2")), values.value(QStringLiteral("range")), 1 } };
        const QString suffix = QFileInfo(request.picture.file).suffix().toLower();
        if (suffix != u"png" && suffix != u"svg" && suffix != u"pdf")
            return { Mode::Unusable,
                QStringLiteral("Cannot tell the picture's format from '%1': name it .png, .svg or "
                               ".pdf.")
                    .arg(request.picture.file) };
        request.picture.working = parser.isSet(working);
        if (request.picture.working && suffix != u"pdf")
            return { Mode::Unusable,
                QStringLiteral("--working needs pages: name the file .pdf, not '%1'.")
                    .arg(request.picture.file) };
        if (parser.isSet(scale)) {
            bool number = false;
            request.picture.scale = parser.value(scale).toDouble(&number);
            // Beyond 16 times the panel a PNG would take gigabytes.
            if (!number || !(request.picture.scale > 0 && request.picture.scale <= 16))
                return { Mode::Unusable,
                    QStringLiteral("The scale '%1' is not a number from above 0 to 16.")
                        .arg(parser.value(scale)) };
        }
        return request;
    }

    // The parser writes "<executable_name>" when there is no application
    // object yet, so the usage line is ours.
    QString helpText(const QString& program) const
    {
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'),
            QStringLiteral("Usage: %1 [options]\n"
                           "       %1 --answers [file] [--format csv|jsonl|xlsx] [-o <file>] "
                           "[--arithmetic exact|designed] [--range <lower> <upper>]\n"
                           "                 [--separator ','|';'|tab] [--headers fields|words] "
                           "[--working]\n"
                           "       %1 --export <file> [--line1 x1 y1 x2 y2|equation] [--line2 ...] "
                           "[--range <lower> <upper>] [--scale n] [--working]\n"
                           "       %1 --worksheet <file.pdf> [--exercises n] [--level 1|2|3] "
                           "[--seed s] [--key <key.pdf>] [--exercises-csv <file.csv>]\n"
                           "       %1 --practice [--level 1|2|3] [--seed s]")
                .arg(program));
        return text
            + QStringLiteral(
                "\nQt's own options, such as -platform and -style, are accepted too.\n");
    }

private:
    QCommandLineParser parser;
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Show this help and exit.") };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Show the product name and version and exit.") };
    QCommandLineOption answers { QStringLiteral("answers"),
        QStringLiteral("Write an answer key: read pairs of lines as CSV from the file, or from "
                       "standard input, and write for each what the window shows after Draw "
                       "Both Lines and the exact values.") };
    QCommandLineOption format { QStringLiteral("format"),
        QStringLiteral("The answer key's form: csv (the default), jsonl, or xlsx, a workbook "
                       "for a spreadsheet."),
        QStringLiteral("format") };
    QCommandLineOption arithmetic { QStringLiteral("arithmetic"),
        QStringLiteral("How the answer key works out the window's texts: exact (the default), "
                       "each answer worked out exactly and rounded once, or designed, the "
                       "original program's double arithmetic, round-off and all."),
        QStringLiteral("arithmetic") };
    QCommandLineOption separator { QStringLiteral("separator"),
        QStringLiteral("What separates the answer key's input fields: ',', ';' or tab. Found "
                       "from the first rows unless given; in a file separated by ';' or tab, a "
                       "comma inside a number is its decimal point."),
        QStringLiteral("separator") };
    QCommandLineOption headers { QStringLiteral("headers"),
        QStringLiteral("The CSV answer key's header: fields (the default), the names scripts "
                       "read, or words, plain words for a spreadsheet."),
        QStringLiteral("names") };
    QCommandLineOption output { { QStringLiteral("o"), QStringLiteral("output") },
        QStringLiteral("Write the answer key to <file> rather than to standard output."),
        QStringLiteral("file") };
    QCommandLineOption working { QStringLiteral("working"),
        QStringLiteral("Add the working, every answer worked out step by step in exact "
                       "fractions: a column or field of the answer key, or pages below the "
                       "picture of a .pdf export.") };
    QCommandLineOption exportFile { QStringLiteral("export"),
        QStringLiteral("Write the picture Draw Both Lines would show to <file> (.png, .svg or "
                       ".pdf), without a window."),
        QStringLiteral("file") };
    QCommandLineOption line1 { QStringLiteral("line1"),
        QStringLiteral("Line one's end points for --export, as typed in the window, or its "
                       "equation as one value: \"y = 2x + 3\"."),
        QStringLiteral("x1 y1 x2 y2") };
    QCommandLineOption line2 { QStringLiteral("line2"),
        QStringLiteral("Line two's end points for --export, as typed in the window, or its "
                       "equation as one value."),
        QStringLiteral("x1 y1 x2 y2") };
    QCommandLineOption range { QStringLiteral("range"),
        QStringLiteral("The texts of the two range fields, -10 and 10 unless given."),
        QStringLiteral("lower upper") };
    QCommandLineOption scale { QStringLiteral("scale"),
        QStringLiteral("Multiply a PNG picture's size in pixels by <n>."), QStringLiteral("n") };
    QCommandLineOption worksheet { QStringLiteral("worksheet"),
        QStringLiteral("Write a worksheet of exercises to <file> (.pdf), without a window."),
        QStringLiteral("file") };
    QCommandLineOption exercises { QStringLiteral("exercises"),
        QStringLiteral("How many exercises the worksheet has: 8 unless given."),
        QStringLiteral("n") };
    QCommandLineOption practice { QStringLiteral("practice"),
        QStringLiteral("Open the Practice window at once: exercises to answer, each answer "
                       "checked.") };
    QCommandLineOption level { QStringLiteral("level"),
        QStringLiteral(
            "The worksheet's or the practice's level: 1 (whole-number slopes, the default), 2 "
            "(fractional slopes) or 3 (with parallel, same, vertical, horizontal "
            "and perpendicular pairs)."),
        QStringLiteral("level") };
    QCommandLineOption seed { QStringLiteral("seed"),
        QStringLiteral("Make the same worksheet again, with the seed printed in its footer, or "
                       "the same practice, with the seed its window shows."),
        QStringLiteral("seed") };
    QCommandLineOption key { QStringLiteral("key"),
        QStringLiteral("Write the worksheet's key, with pictures and answers, to <file> (.pdf)."),
        QStringLiteral("file") };
    QCommandLineOption exercisesCsv { QStringLiteral("exercises-csv"),
        QStringLiteral("Write the worksheet's exercises as the CSV --answers reads."),
        QStringLiteral("file") };
};

// The version record's four numbers, as the package is versioned: 1.0.0.65.
QString versionNumber()
{
    using namespace trellan::version;
    return QStringLiteral("%1.%2.%3.%4")
        .arg(majorVersion)
        .arg(minorVersion)
        .arg(patchVersion)
        .arg(buildNumber);
}

// The command line as a shell would take it back: a word with blanks or
// quotes in single quotes.
QString commandLineText(const QStringList& arguments)
{
    QStringList words;
    for (const QString& word : arguments) {
        const bool plain = !word.isEmpty() && std::ranges::none_of(word, [](QChar c) {
            return c.isSpace() || c == u'\'' || c == u'"' || c == u'\\' || c == u'$';
        });
        words.append(
            plain ? word : u'\'' + QString(word).replace(u'\'', QStringLiteral("'\\''")) + u'\'');
    }
    return words.join(u' ');
}

void write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void setApplicationNames()
{
    const QString name = QString::fromLatin1(trellan::version::productName);
    QCoreApplication::setOrganizationName(name);
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(versionNumber());
}

std::variant<int, WindowStart> runCommandLine(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = arguments.isEmpty() ? QStringLiteral("trellan")
                                                : QFileInfo(arguments.constFirst()).fileName();

    Options options;
    const Request request = options.parse(arguments);
    // Run from a script there may be no session and so no runtime folder:
    // Qt would say so on standard error and make one in /tmp that outlives
    // the run. These modes keep nothing between runs; a private folder
    // removed at the end serves.
    std::optional<QTemporaryDir> runtime;
    if ((request.mode == Mode::Answers || request.mode == Mode::Export
            || request.mode == Mode::Worksheet)
        && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    if (request.mode == Mode::Answers) {
        answers::AnswerKeyRequest key = request.answers;
        key.commandLine = commandLineText(arguments).toStdString();
        key.version = QStringLiteral("%1 %2")
                          .arg(QString::fromLatin1(trellan::version::productName), versionNumber())
                          .toStdString();
        return answers::runAnswerKey(key, program.toStdString());
    }
    switch (request.mode) {
    case Mode::Window:
        return request.window;
    case Mode::Answers: // run above
    case Mode::Export:
        return exportPicture(argc, argv, request.picture) == 0 ? exitSuccess : exitStopped;
    case Mode::Worksheet:
        return writeWorksheet(argc, argv, request.worksheet) == 0 ? exitSuccess : exitStopped;
    case Mode::Help:
        write(stdout, options.helpText(program));
        return exitSuccess;
    case Mode::Version:
        write(stdout,
            QStringLiteral("%1 %2\n").arg(
                QString::fromLatin1(trellan::version::productName), versionNumber()));
        return exitSuccess;
    case Mode::Unusable:
        write(stderr,
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                .arg(program, request.error));
        return exitUnusableOptions;
    }
    return exitUnusableOptions;
}

} // namespace trellan
