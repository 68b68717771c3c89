#include "app/cell_notes.h"

#include "core/blanks.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "core/said.h"
#include "core/written_number.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace answers {

namespace {

constexpr std::array<std::string_view, 4> coordinates = { "X1", "Y1", "X2", "Y2" };

// The number the window reads, as it would write it; nothing when it is
// beyond the double range.
std::optional<std::string> readAs(std::string_view text)
{
    try {
        return core::NumberToText(core::Val(text));
    } catch (const core::ArithmeticError&) {
        return std::nullopt;
    }
}

// The cell with its one comma made a point, when that reads in full.
std::optional<std::string> withPoint(std::string_view cell)
{
    if (std::ranges::count(cell, ',') != 1)
        return std::nullopt;
    std::string text(cell);
    text[text.find(',')] = '.';
    if (!core::ReadsInFull(text))
        return std::nullopt;
    return text;
}

} // namespace

std::string readCells(std::span<std::string> cells, bool decimalComma, core::Arithmetic arithmetic)
{
    std::string note;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        std::string& cell = cells[k];
        if (core::ReadsInFull(cell))
            continue;
        const std::string line = std::to_string(k / 4 + 1);
        const std::string_view coordinate = coordinates[k % coordinates.size()];
        std::string said;
        const auto written = arithmetic == core::Arithmetic::Exact
            ? core::exact::WrittenFraction(cell)
            : std::nullopt;
        if (written) {
            said = core::Say(TRELLAN_WORDS("answer key", "line %1 %2 '%3' read as %4"),
                { line, coordinate, cell, core::exact::FractionText(*written) });
        } else if (std::optional<std::string> point
            = decimalComma ? withPoint(cell) : std::nullopt) {
            if (const std::optional<std::string> read = readAs(*point))
                said = core::Say(
                    TRELLAN_WORDS("answer key", "line %1 %2 '%3' read as %4 (decimal comma)"),
                    { line, coordinate, cell, *read });
            cell = std::move(*point);
            // A line end left in a cell is no number either: Val reads such
            // a cell as 0, like an empty one.
        } else if (std::ranges::all_of(cell, core::IsBlankOrLineEnd)) {
            said = core::Say(
                TRELLAN_WORDS("answer key", "line %1 %2 empty, read as 0"), { line, coordinate });
        } else if (const std::optional<std::string> read = readAs(cell)) {
            said = core::Say(TRELLAN_WORDS("answer key", "line %1 %2 '%3' read as %4"),
                { line, coordinate, cell, *read });
        }
        if (said.empty())
            continue;
        if (!note.empty())
            note += "; ";
        note += said;
    }
    return note;
}

} // namespace answers
