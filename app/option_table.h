#pragma once

#include "app/failure.h"

#include <QCommandLineParser>
#include <QHash>
#include <QString>
#include <QStringList>

#include <span>

namespace trellan {

// The commands a command line can give; an option belongs to one or more.
enum Command : unsigned {
    Window = 1u << 0, // no command: the main window opens
    AnswerKey = 1u << 1, // --answers
    Export = 1u << 2, // --export
    Worksheet = 1u << 3, // --worksheet
    Practice = 1u << 4, // --practice, the window with Practice over it
};

// One option: its names, what it takes, and the commands it belongs to. An
// option of no command (--help, --version) answers at once.
struct OptionRow {
    const char* name;
    char shortName = 0; // 0 for none
    const char* valueName = nullptr; // nullptr when it takes no value
    // Values taken off the command line before the parser sees them, as
    // they may look like options: --line1 -3 0 2 5. 0 for one value or none.
    int values = 0;
    unsigned commands = 0;
    bool startsCommand = false; // the option is the command itself
    const char* description = "";
};

// Every option, in the order --help lists them.
std::span<const OptionRow> optionTable();

// The option named `name` (its long name); nullptr when there is none.
const OptionRow* optionNamed(QStringView name);

// The command line after reading: what the parser took, and the values of
// the options that take several.
struct GivenOptions {
    QCommandLineParser parser;
    QHash<QString, QStringList> values;

    bool isSet(const OptionRow& row) const;
    bool isSet(const char* name) const;
    QString value(const char* name) const { return parser.value(QLatin1String(name)); }
    QStringList valuesOf(const char* name) const { return values.value(QLatin1String(name)); }
};

// A refusal of the options given: the one line said, and status 2.
Failure unusable(const QString& message);

// Adds every option to `parser`, with Qt's own hidden beside them.
void addOptions(QCommandLineParser& parser);

// The command the options give, once none is refused: two commands that
// share options cannot be used together, and every option given must belong
// to the command.
Result<Command> commandOf(const GivenOptions& given);

} // namespace trellan
