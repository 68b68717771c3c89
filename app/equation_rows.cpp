#include "app/equation_rows.h"

#include "core/equation_points.h"
#include "core/said.h"
#include "words/bad_input.h"

namespace answers {

using trellan::ExitStatus;
using trellan::Failure;

bool isEquationRow(const TypedRow& row, std::size_t fields)
{
    return fields == 2
        && (row[0].find('=') != std::string::npos || row[1].find('=') != std::string::npos);
}

trellan::Result<std::array<std::string, 4>> endPointsOf(std::string_view equation,
    const std::string& lower, const std::string& upper, std::string_view unreadable)
{
    const auto reading = core::exact::ReadEquation(equation);
    if (!reading)
        return Failure { std::string(unreadable) + reading.problem().what, ExitStatus::SomeFailed };
    const auto points = core::exact::ChooseEndPoints(*reading, lower, upper);
    if (!points)
        return Failure { bad_input::lineMissesRange(
                             QString::fromStdString(lower), QString::fromStdString(upper))
                             .toStdString(),
            ExitStatus::SomeFailed };
    return points->texts;
}

trellan::Result<TypedRow> endPointsFromEquations(
    const TypedRow& row, const std::string& lower, const std::string& upper)
{
    TypedRow chosen = row;
    for (std::size_t line = 0; line < 2; ++line) {
        const auto points = endPointsOf(row[line], lower, upper);
        if (!points)
            return Failure { core::Say(TRELLAN_WORDS("command line", "line %1: %2"),
                                 { std::to_string(line + 1), points.failure().message }),
                ExitStatus::SomeFailed };
        std::copy(points->begin(), points->end(), chosen.begin() + 4 * line);
    }
    return chosen;
}

} // namespace answers
