#pragma once

#include "core/line_commands.h"

#include <QLineEdit>

#include <array>
#include <cstddef>

// The boxes a pupil types into, in one order wherever they are passed: X1,
// Y1, X2, Y2 of line one, then of line two, then the lowest and highest
// values of the range.
using TypedBoxes = std::array<QLineEdit*, 10>;

// The property on a line's X1 box by which the main window notes that it
// rounded the line's end points from a typed equation: a QStringList of the
// equation as typed and the four texts written.
inline constexpr const char* roundedFromProperty = "roundedFrom";

// What is typed into them, as the line commands read it. A box that is gone
// (a QPointer that was cleared) reads as empty.
template <typename Box> core::TypedFields typedFieldsIn(const std::array<Box, 10>& boxes)
{
    const auto text = [&](std::size_t k) {
        const QLineEdit* box = boxes[k];
        return box ? box->text().toStdString() : std::string();
    };
    core::TypedFields typed;
    for (std::size_t k = 0; k < 4; ++k) {
        typed.line1[k] = text(k);
        typed.line2[k] = text(k + 4);
    }
    typed.lower = text(8);
    typed.upper = text(9);
    return typed;
}
