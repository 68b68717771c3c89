#pragma once

#include <optional>

namespace trellan {

// Names the program for QSettings and the window system before anything asks
// for them. The settings land in ~/.config/Trellan/Trellan.conf, where the
// manual page says they are.
void setApplicationNames();

// Reads the command line before any application object exists, so that
// nothing here needs a display. Answers --help and --version on standard
// output and unusable options on standard error. Returns the exit status
// when the program has finished, or nothing when the window should open.
std::optional<int> runCommandLine(int& argc, char* argv[]);

} // namespace trellan
