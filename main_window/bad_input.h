#pragma once

#include <QString>

namespace core {
struct CommandStop;
}

// Plain-words warnings for input a command cannot work with.
namespace bad_input {

// A command that ran into one of these ends at that step; what it drew and
// wrote until then stays.
struct Stop {
    QString message;
};

// Why a line command stopped, in the user's words.
QString Warning(const core::CommandStop& stop);

// The range warnings of the tick marks.
QString FieldTooLarge(const QString& fieldDescription);
QString RangeTooWide(double lower, double upper);
QString RangeEmpty(double bound);
QString RangeBeyondDrawing();

} // namespace bad_input
