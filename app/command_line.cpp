#include "app/command_line.h"

#include "app/answer_key.h"
#include "trellan_version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace trellan {

namespace {

// Exit statuses, as the manual page lists them.
constexpr int exitSuccess = 0;
constexpr int exitUnusableOptions = 2;

// What a command line asks for. Commands that run without the window join
// this list with the options that start them.
enum class Mode { Window, Help, Version, Answers, Unusable };

struct Request {
    Mode mode = Mode::Window;
    QString error; // one line, for Mode::Unusable
    answers::AnswerKeyRequest answers; // for Mode::Answers
};

Request unusable(const QString& error)
{
    return { Mode::Unusable, error, {} };
}

// A field of the window holds at most this many characters.
constexpr qsizetype fieldLength = 32767;

// --range takes two values, which QCommandLineParser cannot: they are taken
// out of the arguments before it parses them, and the option left with an
// empty value of its own ("--range=") that only says it was given. Values
// of other options are stepped over, so "--format --range" stays a format.
struct RangeValues {
    QStringList arguments; // with the range's values taken out
    std::optional<std::pair<QString, QString>> range;
    bool incomplete = false; // fewer than two values followed it
};

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

class Options {
public:
    RangeValues takeRange(const QStringList& arguments) const
    {
        RangeValues out;
        for (qsizetype k = 0; k < arguments.size(); ++k) {
            const QString& a = arguments[k];
            out.arguments << a;
            if (k == 0)
                continue;
            if (a == u"--") {
                out.arguments << arguments.mid(k + 1);
                return out;
            }
            const bool longOption = a.startsWith(u'-') && !a.contains(u'=');
            const QString name = a.mid(a.startsWith(u"--") ? 2 : 1);
            if (longOption && name == u"range") {
                if (k + 2 >= arguments.size()) {
                    out.incomplete = true;
                    out.arguments << arguments.mid(k + 1);
                    return out;
                }
                out.range = std::pair { arguments[k + 1], arguments[k + 2] };
                out.arguments.last() = QStringLiteral("--range=");
                k += 2;
            } else if (longOption && takesValue(name) && k + 1 < arguments.size()) {
                out.arguments << arguments[++k];
            }
        }
        return out;
    }

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
        parser.addOption(range);
        for (const QtOption& qt : qtOptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name));
            if (qt.takesValue)
                option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    Request parse(const QStringList& arguments)
    {
        const RangeValues taken = takeRange(arguments);
        if (!parser.parse(taken.arguments))
            return unusable(parser.errorText());
        if (parser.isSet(help))
            return { Mode::Help, {}, {} };
        if (parser.isSet(version))
            return { Mode::Version, {}, {} };
        if (parser.isSet(answers))
            return answerKey(taken);
        for (const QCommandLineOption* option : { &format, &range })
            if (parser.isSet(*option))
                return unusable(QStringLiteral("--%1 is used only with --answers.")
                                    .arg(option->names().constFirst()));
        if (!parser.positionalArguments().isEmpty())
            return unusable(QStringLiteral("Unexpected argument '%1'.")
                                .arg(parser.positionalArguments().constFirst()));
        return {};
    }

    // The parser writes "<executable_name>" when there is no application
    // object yet, so the usage lines are ours.
    QString helpText(const QString& program) const
    {
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'),
            QStringLiteral("Usage: %1 [options]\n"
                           "       %1 --answers [file] [--format csv|jsonl] "
                           "[--range <lower> <upper>]")
                .arg(program));
        return text
            + QStringLiteral(
                "\nQt's own options, such as -platform and -style, are accepted too.\n");
    }

private:
    bool takesValue(const QString& name) const
    {
        if (format.names().contains(name))
            return true;
        for (const QtOption& qt : qtOptions)
            if (qt.takesValue && name == QLatin1StringView(qt.name))
                return true;
        return false;
    }

    Request answerKey(const RangeValues& taken) const
    {
        Request request { Mode::Answers, {}, {} };
        const QStringList files = parser.positionalArguments();
        if (files.size() > 1)
            return unusable(QStringLiteral("Unexpected argument '%1': --answers reads one file.")
                                .arg(files[1]));
        if (!files.isEmpty())
            request.answers.file = QFile::encodeName(files.constFirst()).toStdString();
        if (parser.isSet(format)) {
            const QString name = parser.value(format);
            if (name == u"csv")
                request.answers.format = answers::Format::Csv;
            else if (name == u"jsonl")
                request.answers.format = answers::Format::Jsonl;
            else
                return unusable(QStringLiteral("Unknown format '%1': use csv or jsonl.").arg(name));
        }
        if (taken.incomplete || (parser.isSet(range) && !taken.range))
            return unusable(QStringLiteral(
                "--range takes two values, the lowest and the highest: --range -10 10."));
        if (taken.range) {
            const auto& [lower, upper] = *taken.range;
            if (lower.size() > fieldLength || upper.size() > fieldLength)
                return unusable(QStringLiteral("The range's texts can be at most %1 characters "
                                               "long, as in the window.")
                                    .arg(fieldLength));
            request.answers.lower = lower.toStdString();
            request.answers.upper = upper.toStdString();
        }
        return request;
    }

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
        QStringLiteral("The answer key's form: csv (the default) or jsonl."),
        QStringLiteral("format") };
    // Shown as "--range <lower> <upper>"; its two values are taken out
    // before parsing (takeRange).
    QCommandLineOption range { QStringLiteral("range"),
        QStringLiteral("The texts of the two range fields, -10 and 10 unless given."),
        QStringLiteral("lower> <upper") };
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

std::optional<int> runCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = arguments.isEmpty() ? QStringLiteral("trellan")
                                                : QFileInfo(arguments.constFirst()).fileName();

    Options options;
    const Request request = options.parse(arguments);
    switch (request.mode) {
    case Mode::Window:
        return std::nullopt;
    case Mode::Help:
        write(stdout, options.helpText(program));
        return exitSuccess;
    case Mode::Version:
        write(stdout,
            QStringLiteral("%1 %2\n").arg(
                QString::fromLatin1(trellan::version::productName), versionNumber()));
        return exitSuccess;
    case Mode::Answers:
        return answers::RunAnswerKey(request.answers, program.toStdString());
    case Mode::Unusable:
        write(stderr,
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                .arg(program, request.error));
        return exitUnusableOptions;
    }
    return exitUnusableOptions;
}

} // namespace trellan
