// The answer key's reading of a sheet on any bytes: the separator guessed is
// one of the three and a comma where nothing else could separate; every cell
// is given to the window as typed or, in a file whose separator is not a
// comma, with its one comma made a point, and then it reads in full; the
// note is empty exactly when every cell reads in full (or is too large to
// read) and starts with the first cell that does not.
#include "app/cell_notes.h"
#include "app/csv_dialect.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "fuzz_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool tooLarge(const std::string& text)
{
    try {
        core::Val(text);
        return false;
    } catch (const core::ArithmeticError&) {
        return true;
    }
}

std::string cellName(std::size_t k)
{
    static constexpr std::array<const char*, 4> names = { "X1", "Y1", "X2", "Y2" };
    return "line " + std::to_string(k / 4 + 1) + " " + names[k % 4];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    constexpr std::array<std::size_t, 1> rowSizes = { 8 };
    const char separator = answers::guessSeparator(bytes, rowSizes);
    FUZZ_CHECK(separator == ',' || separator == ';' || separator == '\t', "guessed %d", separator);
    if (bytes.find(';') == std::string_view::npos && bytes.find('\t') == std::string_view::npos)
        FUZZ_CHECK(separator == ',', "guessed %d with no semicolon and no tab", separator);

    // The cells: the bytes cut at each 0x1F, the first byte choosing the
    // decimal comma.
    if (bytes.empty())
        return 0;
    const bool decimalComma = bytes[0] & 1;
    std::array<std::string, 8> cells;
    std::string_view rest = bytes.substr(1);
    for (std::string& cell : cells) {
        const std::size_t cut = std::min(rest.find('\x1f'), rest.size());
        cell = rest.substr(0, cut);
        rest.remove_prefix(std::min(cut + 1, rest.size()));
    }
    std::array<std::string, 8> typed = cells;
    const std::string note = answers::readCells(typed, decimalComma);

    std::size_t firstNoted = cells.size();
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const std::string& was = cells[k];
        const std::string& is = typed[k];
        if (is != was) {
            FUZZ_CHECK(decimalComma && std::ranges::count(was, ',') == 1,
                "cell %zu changed without a decimal comma", k);
            std::string point = was;
            point[point.find(',')] = '.';
            FUZZ_CHECK(
                is == point && core::ReadsInFull(is), "cell %zu given as '%s'", k, is.c_str());
        }
        if (firstNoted == cells.size() && !core::ReadsInFull(was) && !tooLarge(is))
            firstNoted = k;
    }
    if (firstNoted == cells.size())
        FUZZ_CHECK(note.empty(), "a note on plain numbers: %s", note.c_str());
    else
        FUZZ_CHECK(note.starts_with(cellName(firstNoted) + " "), "the note '%s' for cell %zu",
            note.c_str(), firstNoted);
    return 0;
}
