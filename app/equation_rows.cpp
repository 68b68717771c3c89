#include "app/equation_rows.h"

#include "core/equation_points.h"
#include "words/bad_input.h"

namespace answers {

bool isEquationRow(const TypedRow& row, std::size_t fields)
{
    return fields == 2
        && (row[0].find('=') != std::string::npos || row[1].find('=') != std::string::npos);
}

std::optional<std::string> endPointsFromEquations(
    TypedRow& row, const std::string& lower, const std::string& upper)
{
    const std::array<std::string, 2> equations { row[0], row[1] };
    for (std::size_t line = 0; line < 2; ++line) {
        const std::string which = "line " + std::to_string(line + 1) + ": ";
        const auto reading = core::exact::ReadEquation(equations[line]);
        if (!reading)
            return which + reading.problem().what;
        const auto points = core::exact::ChooseEndPoints(*reading, lower, upper);
        if (!points)
            return which
                + bad_input::lineMissesRange(
                    QString::fromStdString(lower), QString::fromStdString(upper))
                      .toStdString();
        for (std::size_t k = 0; k < 4; ++k)
            row[4 * line + k] = points->texts[k];
    }
    return std::nullopt;
}

} // namespace answers
