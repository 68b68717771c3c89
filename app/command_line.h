#pragma once

#include "app/answer_key.h"
#include "app/export_command.h"
#include "app/failure.h"
#include "app/worksheet.h"

#include <QStringList>

#include <cstdint>
#include <optional>

namespace trellan {

// Names the program for QSettings and the window system before anything asks
// for them. The settings land in ~/.config/Trellan/Trellan.conf, where the
// manual page says they are.
void setApplicationNames();

// How the main window opens: by itself, or with the Practice window over it
// (--practice), at a level and from a seed when given.
struct WindowStart {
    struct Practice {
        std::optional<int> level;
        std::optional<std::uint64_t> seed;
    };
    std::optional<Practice> practice;
};

// What a command line asks for, once read.
struct Request {
    enum class Mode { Window, Help, Version, AnswerKey, Export, Worksheet };
    Mode mode = Mode::Window;
    WindowStart window = {}; // for Mode::Window
    answers::AnswerKeyRequest key = {}; // for Mode::AnswerKey
    ExportRequest picture = {}; // for Mode::Export
    WorksheetRequest worksheet = {}; // for Mode::Worksheet
};

// Reads `arguments` (the program's name first) into a request, or refuses
// them with the one line said on standard error.
Result<Request> readCommandLine(QStringList arguments);

// What main() does next: open the window as `window` says, or end with
// `status` when the command line has done all it was asked.
struct Launch {
    std::optional<WindowStart> window;
    ExitStatus status = ExitStatus::Done;
};

// Reads the command line before any application object exists, so that
// nothing here needs a display, and runs the commands that need no window.
// Answers --help and --version on standard output and unusable options on
// standard error.
Launch runCommandLine(int& argc, char* argv[]);

} // namespace trellan
