// The answer checker on any bytes, for a fixed pair of lines. It never
// raises; only blanks are empty for every question and nothing else is; a
// number it reads is right as the slope and the y-intercept of a line
// through it, as the same number written by the exact engine, and twice as
// a crossing point, and the same number in an equation; no text is right
// for two different answers.
#include "core/equation.h"
#include "core/practice.h"
#include "core/written_number.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace {

using core::exact::LineThrough;
using core::practice::Mark;
using core::practice::Question;

const core::exact::Line half = LineThrough(0, 3, 2, 4); // y = x/2 + 3
const core::exact::Line falling = LineThrough(0, 6, 6, 0); // y = -x + 6, meets half at (2, 4)
const core::exact::Line halfHigher = LineThrough(0, 5, 2, 6);
const core::exact::Line halfAgain = LineThrough(-6, 0, 4, 5);
const core::exact::Line upright = LineThrough(2, 0, 2, 5);
const core::exact::Line yAxis = LineThrough(0, 1, 0, 5);

bool onlyBlanks(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Whether the engine's text for q stays within what may be typed.
bool typeable(const mpq_class& q)
{
    const auto digits = [](const mpz_class& z) { return mpz_sizeinbase(z.get_mpz_t(), 10); };
    return digits(q.get_num()) <= core::exact::MaxIntegerDigits
        && digits(q.get_den()) <= core::exact::MaxIntegerDigits;
}

void checkNumber(std::string_view text, const mpq_class& q)
{
    const auto through = LineThrough(0, 0, 1, q);
    const auto level = LineThrough(0, q, 1, q);
    FUZZ_CHECK(core::practice::CheckSlope(text, through) == Mark::Right,
        "%.300s is not right as the slope it reads as", std::string(text).c_str());
    FUZZ_CHECK(core::practice::CheckIntercept(text, level) == Mark::Right,
        "%.300s is not right as the intercept it reads as", std::string(text).c_str());
    const std::string twice = std::string(text) + ", " + std::string(text);
    FUZZ_CHECK(core::practice::CheckCrossing(twice, { core::exact::CrossingKind::Point, q, q })
            == Mark::Right,
        "(%.300s, the same) is not right as the point it reads as", std::string(text).c_str());
    if (typeable(q)) {
        const std::string fraction = core::exact::FractionText(q);
        const auto again = core::exact::ReadWrittenNumber(fraction);
        FUZZ_CHECK(again && *again == q, "%.300s does not read back", fraction.c_str());
        FUZZ_CHECK(core::practice::CheckSlope(fraction, through) == Mark::Right,
            "%.300s is not right as its own slope", fraction.c_str());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const bool blank = onlyBlanks(text);
        const auto q = core::exact::ReadWrittenNumber(text);
        FUZZ_CHECK(!(blank && q), "only blanks read as a number");
        if (q) {
            checkNumber(text, *q);
            // No text reads as two different numbers: the equation reader
            // takes a number as the number reader does.
            const auto line = core::exact::ReadEquation("y = " + std::string(text));
            FUZZ_CHECK(line && line->a == 0 && line->b != 0 && line->c / line->b == *q,
                "%.300s reads as another number in an equation", std::string(text).c_str());
        }

        for (const Question question : core::practice::questions) {
            const Mark mark = core::practice::Check(question, text, half, falling).mark;
            FUZZ_CHECK((mark == Mark::Empty) == blank, "empty and blank disagree");
        }
        // One text, two different answers: never right for both.
        const auto both = [&](Question question, const core::exact::Line& a,
                              const core::exact::Line& b, const core::exact::Line& other) {
            return core::practice::Check(question, text, a, other) == Mark::Right
                && core::practice::Check(question, text, b, other) == Mark::Right;
        };
        FUZZ_CHECK(!both(Question::Slope1, half, falling, half), "right for two slopes");
        FUZZ_CHECK(!both(Question::Yint1, half, halfHigher, half), "right for two intercepts");
        FUZZ_CHECK(!both(Question::Yint1, upright, yAxis, half), "right for none and all");
        FUZZ_CHECK(!both(Question::Equation1, half, halfHigher, half), "right for two lines");
        FUZZ_CHECK(!both(Question::Equation1, half, upright, half), "right for two lines");
        FUZZ_CHECK(!both(Question::Crossing, falling, halfHigher, half), "right for two answers");
        FUZZ_CHECK(!both(Question::Crossing, halfAgain, halfHigher, half), "right for two words");
    } catch (const std::exception& e) {
        FUZZ_FAIL("the checker raised \"%s\"", e.what());
    }
    return 0;
}
