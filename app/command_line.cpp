#include "app/command_line.h"

#include "app/command_requests.h"
#include "app/option_table.h"
#include "app/output_files.h"
#include "trellan_version.h"
#include "words/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace trellan {

namespace {

QString rangeTakesTwo()
{
    return words::translate(
        "command line", "--range takes two values, the lowest and the highest: --range -10 10.");
}

// The command line with the options that take several values taken out, and
// those values by the options' names.
struct Taken {
    QStringList arguments;
    QHash<QString, QStringList> values;
};

// Takes each option of several values out of the list with its values,
// before the parser could read them as options.
Result<Taken> takeValues(QStringList arguments)
{
    Taken taken;
    for (qsizetype k = 1; k < arguments.size();) {
        const QString& word = arguments[k];
        if (word == u"--")
            break;
        if (word.startsWith(u"--range="))
            return unusable(rangeTakesTwo());
        const OptionRow* found
            = word.startsWith(u"--") ? optionNamed(QStringView(word).mid(2)) : nullptr;
        if (!found || found->values == 0) {
            ++k;
            continue;
        }
        // A line may be given as its equation, one value: --line1 "y = 2x + 3".
        const bool equation
            = found->values == 4 && k + 1 < arguments.size() && arguments[k + 1].contains(u'=');
        const int count = equation ? 1 : found->values;
        if (k + count >= arguments.size())
            return unusable(count == 2
                    ? rangeTakesTwo()
                    : words::translate("command line", "Missing value after '%1'.").arg(word));
        taken.values[QLatin1String(found->name)] = arguments.mid(k + 1, count);
        arguments.remove(k, count + 1);
    }
    taken.arguments = std::move(arguments);
    return taken;
}

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
        return words::translate("command line", "Unknown option '%1'.").arg(typed.constFirst());
    return words::translate("command line", "Unknown options: %1.")
        .arg(typed.join(QStringLiteral(", ")));
}

// The request a command builds, as one of the requests the program runs.
template <typename T>
Result<Request> asRequest(const Result<T>& built, Request::Mode mode, T Request::*part)
{
    if (!built)
        return built.failure();
    Request request { mode };
    request.*part = *built;
    return request;
}

// The parser writes "<executable_name>" when there is no application
// object yet, so the usage line is ours.
QString helpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    text.replace(0, text.indexOf(u'\n'),
        words::translate("command help",
            "Usage: %1 [options]\n"
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
    // Qt names the lists of options and arguments itself, in English; the
    // headings are the program's.
    if (words::chosenLanguage() != u"en") {
        text.replace(QStringLiteral("\nOptions:\n"),
            u'\n' + words::translate("command help", "Options:") + u'\n');
        text.replace(QStringLiteral("\nArguments:\n"),
            u'\n' + words::translate("command help", "Arguments:") + u'\n');
    }
    return text + u'\n'
        + words::translate(
            "command help", "Qt's own options, such as -platform and -style, are accepted too.")
        + u'\n';
}

// The parser, ready to read every option.
void prepare(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        words::translate("command help", "Plot two straight lines and find where they cross."));
    // Qt's own options are single-dash words such as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
}

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

void writeOut(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

// Whether the file `name` is the one standard input reads.
bool isStandardInput(const QString& name)
{
    struct stat in {
    }, file {};
    return ::fstat(STDIN_FILENO, &in) == 0 && S_ISREG(in.st_mode)
        && ::stat(QFile::encodeName(name).constData(), &file) == 0 && in.st_dev == file.st_dev
        && in.st_ino == file.st_ino;
}

// A slip in a name must not cost a file: an output that is one of the
// command's inputs, or another of its outputs, is refused before anything
// is written. Any other existing file is written over, as by any tool.
Outcome noOutputOverAnother(const Request& request)
{
    QList<std::pair<QString, QString>> files; // option, file
    if (request.mode == Request::Mode::AnswerKey && request.key.output) {
        const std::optional<std::string>& input = request.key.file;
        const QString output = QFile::decodeName(request.key.output->c_str());
        if (input && *input != "-")
            files = { { QStringLiteral("--answers"), QFile::decodeName(input->c_str()) } };
        else if (isStandardInput(output))
            return unusable(words::translate("command line",
                "-o '%1' is the file standard input reads: the key would replace its input.")
                                .arg(output));
        files.append({ QStringLiteral("-o"), output });
    }
    if (request.mode == Request::Mode::Worksheet) {
        const WorksheetRequest& w = request.worksheet;
        files = { { QStringLiteral("--worksheet"), w.sheet }, { QStringLiteral("--key"), w.key },
            { QStringLiteral("--exercises-csv"), w.csv } };
    }
    for (qsizetype one = 0; one < files.size(); ++one)
        for (qsizetype other = one + 1; other < files.size(); ++other)
            if (!files[one].second.isEmpty() && !files[other].second.isEmpty()
                && sameFile(files[one].second, files[other].second))
                return unusable(words::translate("command line",
                    "%1 '%2' and %3 '%4' are the same file: one would replace the other; give "
                    "each its own name.")
                                    .arg(files[one].first, files[one].second, files[other].first,
                                        files[other].second));
    return done;
}

ExitStatus finished(const std::string& program, const Outcome& outcome)
{
    return outcome ? ExitStatus::Done : tell(program, outcome.failure());
}

// The code given with --language, as the parser would read it: "--language
// de", "--language=de", or with one dash; the last one given counts.
std::optional<QString> languageGiven(const QStringList& arguments)
{
    std::optional<QString> code;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& word = arguments[k];
        if (word == u"--")
            break;
        for (const QString& name : { QStringLiteral("--language"), QStringLiteral("-language") }) {
            if (word == name && k + 1 < arguments.size())
                code = arguments[++k];
            else if (word.startsWith(name + u'='))
                code = word.mid(name.size() + 1);
            else
                continue;
            break;
        }
    }
    return code;
}

// Chooses the language before anything is said: the one given, else the
// desktop's. False, said in one line, for a language the program lacks.
bool chooseLanguage(const QStringList& arguments)
{
    const std::optional<QString> given = languageGiven(arguments);
    if (words::chooseLanguage(given.value_or(words::desktopLanguage())))
        return true;
    // No language is known yet, so this one line is English.
    QStringList codes = words::knownLanguages();
    codes.sort();
    const QString last = codes.takeLast();
    tell(arguments.isEmpty() ? "trellan"
                             : QFileInfo(arguments.constFirst()).fileName().toStdString(),
        QStringLiteral("unknown language '%1': choose %2 or %3")
            .arg(*given, codes.join(QStringLiteral(", ")), last)
            .toStdString());
    return false;
}

} // namespace

void setApplicationNames()
{
    const QString name = QString::fromLatin1(trellan::version::productName);
    QCoreApplication::setOrganizationName(name);
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(versionNumber());
}

Result<Request> readCommandLine(QStringList arguments)
{
    Result<Taken> taken = takeValues(std::move(arguments));
    if (!taken)
        return taken.failure();
    GivenOptions given;
    given.values = taken->values;
    prepare(given.parser);
    if (!given.parser.parse(taken->arguments))
        return unusable(given.parser.unknownOptionNames().isEmpty()
                ? given.parser.errorText()
                : unknownOptions(given.parser.unknownOptionNames(), taken->arguments));
    if (given.isSet("help"))
        return Request { Request::Mode::Help };
    if (given.isSet("version"))
        return Request { Request::Mode::Version };
    const Result<Command> command = commandOf(given);
    if (!command)
        return command.failure();
    const QStringList stray = given.parser.positionalArguments();
    if (*command != AnswerKey && !stray.isEmpty())
        return unusable(
            words::translate("command line", "Unexpected argument '%1'.").arg(stray.constFirst()));
    switch (*command) {
    case AnswerKey:
        return asRequest(answerKeyRequest(given), Request::Mode::AnswerKey, &Request::key);
    case Export:
        return asRequest(exportRequest(given), Request::Mode::Export, &Request::picture);
    case Worksheet:
        return asRequest(worksheetRequest(given), Request::Mode::Worksheet, &Request::worksheet);
    case Practice:
        return asRequest(practiceStart(given), Request::Mode::Window, &Request::window);
    case Window:
        break;
    }
    return Request {};
}

Launch runCommandLine(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = arguments.isEmpty() ? QStringLiteral("trellan")
                                                : QFileInfo(arguments.constFirst()).fileName();
    const std::string name = program.toStdString();
    // Every message below is in the chosen language.
    if (!chooseLanguage(arguments))
        return { std::nullopt, ExitStatus::CannotRun };

    const Result<Request> read = readCommandLine(arguments);
    if (!read) {
        const Failure& refusal = read.failure();
        tell(name,
            refusal.message + '\n'
                + words::translate("command line", "Try '%1 --help' for more information.")
                      .arg(program)
                      .toStdString());
        return { std::nullopt, refusal.status };
    }
    const Request& request = *read;
    if (const Outcome apart = noOutputOverAnother(request); !apart)
        return { std::nullopt, tell(name, apart.failure()) };
    // Run from a script there may be no session and so no runtime folder:
    // Qt would say so on standard error and make one in /tmp that outlives
    // the run. These modes keep nothing between runs; a private folder
    // removed at the end serves.
    std::optional<QTemporaryDir> runtime;
    if (request.mode != Request::Mode::Window && request.mode != Request::Mode::Help
        && request.mode != Request::Mode::Version
        && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    switch (request.mode) {
    case Request::Mode::Window:
        return { request.window };
    case Request::Mode::AnswerKey: {
        answers::AnswerKeyRequest key = request.key;
        key.commandLine = commandLineText(arguments).toStdString();
        key.version = QStringLiteral("%1 %2")
                          .arg(QString::fromLatin1(trellan::version::productName), versionNumber())
                          .toStdString();
        return { std::nullopt, answers::runAnswerKey(key, name) };
    }
    case Request::Mode::Export:
        return { std::nullopt, finished(name, exportPicture(argc, argv, request.picture)) };
    case Request::Mode::Worksheet:
        return { std::nullopt, finished(name, writeWorksheet(argc, argv, request.worksheet)) };
    case Request::Mode::Help: {
        QCommandLineParser parser;
        prepare(parser);
        writeOut(helpText(parser, program));
        return {};
    }
    case Request::Mode::Version:
        writeOut(QStringLiteral("%1 %2\n").arg(
            QString::fromLatin1(trellan::version::productName), versionNumber()));
        return {};
    }
    return {};
}

} // namespace trellan
