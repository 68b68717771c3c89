#include "app/command_line.h"

#include "trellan_version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace trellan {

namespace {

// Exit statuses, as the manual page lists them.
constexpr int exitSuccess = 0;
constexpr int exitUnusableOptions = 2;

// What a command line asks for. Commands that run without the window join
// this list with the options that start them.
enum class Mode { Window, Help, Version, Unusable };

struct Request {
    Mode mode = Mode::Window;
    QString error; // one line, for Mode::Unusable
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
    Options()
    {
        parser.setApplicationDescription(
            QStringLiteral("Plot two straight lines and find where they cross."));
        // Qt's own options are single-dash words such as -platform.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
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
        if (!parser.parse(arguments))
            return { Mode::Unusable, parser.errorText() };
        if (parser.isSet(help))
            return { Mode::Help, {} };
        if (parser.isSet(version))
            return { Mode::Version, {} };
        if (!parser.positionalArguments().isEmpty())
            return { Mode::Unusable,
                QStringLiteral("Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst()) };
        return {};
    }

    // The parser writes "<executable_name>" when there is no application
    // object yet, so the usage line is ours.
    QString helpText(const QString& program) const
    {
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'), QStringLiteral("Usage: %1 [options]").arg(program));
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
    case Mode::Unusable:
        write(stderr,
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                .arg(program, request.error));
        return exitUnusableOptions;
    }
    return exitUnusableOptions;
}

} // namespace trellan
