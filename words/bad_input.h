#pragma once

#include <QString>

#include <optional>

namespace core {
struct CommandStop;
}

// Plain-words warnings for input a command cannot work with, for the
// windows and the command line alike.
namespace bad_input {

// Why a line command stopped, in the user's words.
QString warning(const core::CommandStop& stop);

QString fieldTooLarge(const QString& fieldDescription);
QString rangeTooWide(double lower, double upper);
QString rangeEmpty(double bound);

// How a typed end point or range bound was read, when not all of it was,
// and what to type instead: "Read as 1: only the number before the comma
// counts; type 1.5 for one and a half" for "1,5", "...; type 0.5 for one
// half" for "1/2", "Read as 0: there is no number here; ..." for "abc" or an
// empty field. Nothing when the whole text is a number (blanks aside), or
// one too large to read.
std::optional<QString> howRead(const QString& typed);

// How a field that is a fraction, a mixed number or a fraction character is
// read in exact arithmetic, where it is the number the pupil meant: "Read as
// 3/2" for "1 1/2". Nothing for any other text.
std::optional<QString> readAsWritten(const QString& typed);

// What can be typed into a line's equation box, for its tooltip.
QString equationHelp();

// A line typed as its equation that does not pass through the visible range,
// its bounds as typed.
QString lineMissesRange(const QString& lower, const QString& upper);

} // namespace bad_input
