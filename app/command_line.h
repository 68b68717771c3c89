#pragma once

#include <cstdint>
#include <optional>
#include <variant>

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

// Reads the command line before any application object exists, so that
// nothing here needs a display. Answers --help and --version on standard
// output and unusable options on standard error. Returns the exit status
// when the program has finished, or how the window should open.
std::variant<int, WindowStart> runCommandLine(int& argc, char* argv[]);

} // namespace trellan
