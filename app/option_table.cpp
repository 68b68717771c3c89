#include "app/option_table.h"

#include "words/language.h"

#include <QCommandLineOption>

#include <algorithm>
#include <array>

namespace trellan {

namespace {

constexpr unsigned worksheetOrPractice = Worksheet | Practice;
// An option of every command (--language) neither joins two commands nor
// is named among a command's own.
constexpr unsigned everyCommand = Window | AnswerKey | Export | Worksheet | Practice;

constexpr std::array options = {
    OptionRow { "help", 'h', nullptr, 0, 0, false,
        QT_TRANSLATE_NOOP("command help", "Show this help and exit.") },
    OptionRow { "version", 'v', nullptr, 0, 0, false,
        QT_TRANSLATE_NOOP("command help", "Show the product name and version and exit.") },
    OptionRow { "answers", 0, nullptr, 0, AnswerKey, true,
        QT_TRANSLATE_NOOP("command help",
            "Write an answer key: read pairs of lines as CSV from the file, or from standard "
            "input, "
            "and write for each what the window shows after Draw Both Lines and the exact "
            "values.") },
    OptionRow { "format", 0, "format", 0, AnswerKey, false,
        QT_TRANSLATE_NOOP("command help",
            "The answer key's form: csv, jsonl, or xlsx, a workbook for a spreadsheet. Unless "
            "given, the extension of -o chooses it, and otherwise csv.") },
    OptionRow { "arithmetic", 0, "arithmetic", 0, AnswerKey, false,
        QT_TRANSLATE_NOOP("command help",
            "How the answer key works out the window's texts: exact (the default), each answer "
            "worked out exactly and rounded once, or designed, the original program's double "
            "arithmetic, round-off and all.") },
    OptionRow { "separator", 0, "separator", 0, AnswerKey, false,
        QT_TRANSLATE_NOOP("command help",
            "What separates the answer key's input fields: ',', ';' or tab. Found from the first "
            "rows unless given; in a file separated by ';' or tab, a comma inside a number is its "
            "decimal point.") },
    OptionRow { "headers", 0, "names", 0, AnswerKey, false,
        QT_TRANSLATE_NOOP("command help",
            "The CSV answer key's header: fields (the default), the names scripts read, or words, "
            "plain words for a spreadsheet.") },
    OptionRow { "output", 'o', "file", 0, AnswerKey, false,
        QT_TRANSLATE_NOOP(
            "command help", "Write the answer key to <file> rather than to standard output.") },
    OptionRow { "working", 0, nullptr, 0, AnswerKey | Export, false,
        QT_TRANSLATE_NOOP("command help",
            "Add the working, every answer worked out step by step in exact fractions: a column or "
            "field of the answer key, or pages below the picture of a .pdf export.") },
    OptionRow { "export", 0, "file", 0, Export, true,
        QT_TRANSLATE_NOOP("command help",
            "Write the picture Draw Both Lines would show to <file> (.png, .svg or .pdf), without "
            "a "
            "window.") },
    OptionRow { "line1", 0, "x1 y1 x2 y2", 4, Export, false,
        QT_TRANSLATE_NOOP("command help",
            "Line one's end points for --export, as typed in the window, or its equation as one "
            "value: \"y = 2x + 3\".") },
    OptionRow { "line2", 0, "x1 y1 x2 y2", 4, Export, false,
        QT_TRANSLATE_NOOP("command help",
            "Line two's end points for --export, as typed in the window, or its equation as one "
            "value.") },
    OptionRow { "range", 0, "lower upper", 2, AnswerKey | Export, false,
        QT_TRANSLATE_NOOP(
            "command help", "The texts of the two range fields, -10 and 10 unless given.") },
    OptionRow { "scale", 0, "n", 0, Export, false,
        QT_TRANSLATE_NOOP("command help", "Multiply a PNG picture's size in pixels by <n>.") },
    OptionRow { "worksheet", 0, "file", 0, Worksheet, true,
        QT_TRANSLATE_NOOP(
            "command help", "Write a worksheet of exercises to <file> (.pdf), without a window.") },
    OptionRow { "exercises", 0, "n", 0, Worksheet, false,
        QT_TRANSLATE_NOOP(
            "command help", "How many exercises the worksheet has: 8 unless given.") },
    OptionRow { "level", 0, "level", 0, worksheetOrPractice, false,
        QT_TRANSLATE_NOOP("command help",
            "The worksheet's or the practice's level: 1 (whole-number slopes, the default), 2 "
            "(fractional slopes) or 3 (with parallel, same, vertical, horizontal and perpendicular "
            "pairs).") },
    OptionRow { "seed", 0, "seed", 0, worksheetOrPractice, false,
        QT_TRANSLATE_NOOP("command help",
            "Make the same worksheet again, with the seed printed in its footer, or the same "
            "practice, with the seed its window shows.") },
    OptionRow { "key", 0, "file", 0, Worksheet, false,
        QT_TRANSLATE_NOOP("command help",
            "Write the worksheet's key, with pictures and answers, to <file> (.pdf).") },
    OptionRow { "exercises-csv", 0, "file", 0, Worksheet, false,
        QT_TRANSLATE_NOOP(
            "command help", "Write the worksheet's exercises as the CSV --answers reads.") },
    OptionRow { "practice", 0, nullptr, 0, Practice, true,
        QT_TRANSLATE_NOOP("command help",
            "Open the Practice window at once: exercises to answer, each answer checked.") },
    OptionRow { "language", 0, "code", 0, everyCommand, false,
        QT_TRANSLATE_NOOP("command help",
            "Speak German (de), English (en), Spanish (es) or French (fr) rather than the "
            "desktop's language, in the window and in every command's pages and messages.") },
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

QString dashed(const OptionRow& row)
{
    return QStringLiteral("--") + QLatin1String(row.name);
}

// "--a", "--a or --b"; with `last` "%1 and %2", commas before the last.
QString listed(const QStringList& names, const QString& last)
{
    if (names.size() < 2)
        return names.join(QString());
    return last.arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

bool sharesOption(const OptionRow& one, const OptionRow& other)
{
    return std::ranges::any_of(options, [&](const OptionRow& row) {
        return !row.startsCommand && row.commands != everyCommand
            && (row.commands & one.commands) != 0 && (row.commands & other.commands) != 0;
    });
}

// "--range is used only with --answers or --export." An option of --export
// alone has always been named in quotes: "'--scale' is used only with
// '--export'."
QString usedOnlyWith(const OptionRow& option)
{
    const bool quoted = option.commands == Export;
    QStringList commands;
    for (const OptionRow& row : options)
        if (row.startsCommand && (row.commands & option.commands) != 0)
            commands << (quoted ? u'\'' + dashed(row) + u'\'' : dashed(row));
    return words::translate("command line", "%1 is used only with %2.")
        .arg(quoted ? u'\'' + dashed(option) + u'\'' : dashed(option),
            listed(commands, words::translate("command line", "%1 or %2")));
}

// "--practice takes only --level and --seed."
QString takesOnly(const OptionRow& command)
{
    QStringList own;
    for (const OptionRow& row : options)
        if (!row.startsCommand && row.commands != everyCommand
            && (row.commands & command.commands) != 0)
            own << dashed(row);
    return words::translate("command line", "%1 takes only %2.")
        .arg(dashed(command), listed(own, words::translate("command line", "%1 and %2")));
}

} // namespace

Failure unusable(const QString& message)
{
    return { message.toStdString(), ExitStatus::CannotRun };
}

std::span<const OptionRow> optionTable()
{
    return options;
}

const OptionRow* optionNamed(QStringView name)
{
    const auto found = std::ranges::find_if(
        options, [&](const OptionRow& row) { return name == QLatin1String(row.name); });
    return found == options.end() ? nullptr : &*found;
}

bool GivenOptions::isSet(const OptionRow& row) const
{
    const QString name = QLatin1String(row.name);
    return parser.isSet(name) || (row.values > 0 && values.contains(name));
}

bool GivenOptions::isSet(const char* name) const
{
    return isSet(*optionNamed(QString::fromLatin1(name)));
}

void addOptions(QCommandLineParser& parser)
{
    for (const OptionRow& row : options) {
        QStringList names { QLatin1String(row.name) };
        if (row.shortName)
            names.prepend(QString(QLatin1Char(row.shortName)));
        QCommandLineOption option(names, words::translate("command help", row.description));
        if (row.valueName)
            option.setValueName(QString::fromUtf8(row.valueName));
        parser.addOption(option);
    }
    for (const QtOption& qt : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

Result<Command> commandOf(const GivenOptions& given)
{
    const auto set = [&](const OptionRow& row) { return given.isSet(row); };
    for (auto one = options.begin(); one != options.end(); ++one)
        for (auto other = one + 1; other != options.end(); ++other)
            if (one->startsCommand && other->startsCommand && set(*one) && set(*other)
                && sharesOption(*one, *other))
                return unusable(
                    words::translate("command line", "%1 and %2 cannot be used together.")
                        .arg(dashed(*one), dashed(*other)));
    // The last command given is the one run: --worksheet and --practice come
    // after --answers and --export, and so refuse them as not their own.
    const OptionRow* command = nullptr;
    for (const OptionRow& row : options)
        if (row.startsCommand && set(row))
            command = &row;
    const unsigned run = command ? command->commands : Window;
    for (const OptionRow& row : options) {
        if (!set(row) || (row.commands & run) != 0)
            continue;
        if (run == Worksheet || run == Practice)
            return unusable(takesOnly(*command));
        return unusable(usedOnlyWith(row));
    }
    return static_cast<Command>(run);
}

} // namespace trellan
