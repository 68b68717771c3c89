#pragma once

#include <QString>

// The folder a picture or a report was last saved in, kept in the settings
// between runs so that the next save dialog opens there.
namespace saved_folder {

enum class Kind { Picture, Report };

// The remembered folder, or the user's documents folder at first.
QString last(Kind kind);

// The file name a save dialog proposes: "lines.png" or "report.txt" in the
// remembered folder, so that Save works at once and the name says what it
// holds.
QString proposedName(Kind kind);

// Remembers the folder of a file just chosen.
void remember(Kind kind, const QString& fileName);

} // namespace saved_folder
