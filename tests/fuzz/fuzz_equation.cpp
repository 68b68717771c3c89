// The equation reader on any bytes, and the end points chosen for what it
// reads. It never raises; a refusal says why and points inside the text; a
// read equation is a line, and the exact engine's own text for that line
// reads back to the same line; end points chosen in -10..10 lie in the range
// and, unless rounded, exactly on the line.
#include "core/equation_points.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace {

using core::exact::Equation;
using EquationReading = core::Reading<Equation>;

EquationReading read(std::string_view text)
{
    try {
        return core::exact::ReadEquation(text);
    } catch (const std::exception& e) {
        FUZZ_FAIL("ReadEquation raised \"%s\"", e.what());
    }
}

std::size_t characters(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

bool sameLine(const Equation& one, const Equation& two)
{
    // Proportional coefficients: a1 b2 = a2 b1, a1 c2 = a2 c1, b1 c2 = b2 c1.
    return one.a * two.b == two.a * one.b && one.a * two.c == two.a * one.c
        && one.b * two.c == two.b * one.c;
}

void checkPoints(const Equation& e)
{
    const mpq_class lower = -10, upper = 10;
    const auto points = core::exact::ChooseEndPoints(e, lower, upper);
    if (!points)
        return;
    mpq_class p[4];
    for (int k = 0; k < 4; ++k) {
        const auto q = core::exact::Read(points->texts[k]);
        FUZZ_CHECK(q, "end point %s is beyond the limits", points->texts[k].c_str());
        p[k] = *q;
        FUZZ_CHECK(p[k] >= lower && p[k] <= upper, "end point %s is outside -10..10",
            points->texts[k].c_str());
    }
    FUZZ_CHECK(p[0] != p[2] || p[1] != p[3], "both end points are the same");
    if (!points->rounded)
        FUZZ_CHECK(e.a * p[0] + e.b * p[1] == e.c && e.a * p[2] + e.b * p[3] == e.c,
            "an end point is off the line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const EquationReading reading = read(text);
    if (!reading) {
        const core::Problem& problem = reading.problem();
        FUZZ_CHECK(!problem.what.empty(), "refused without a reason");
        FUZZ_CHECK(problem.at + problem.length <= characters(text), "%s points beyond the text",
            problem.what.c_str());
        return 0;
    }
    // A reading is the equation or a problem, never both.
    const Equation& e = *reading;
    FUZZ_CHECK(e.a != 0 || e.b != 0, "read an equation that is no line");

    const auto own = core::exact::EquationText(core::exact::LineOf(e));
    FUZZ_CHECK(own, "a read equation has no text");
    const EquationReading again = read(*own);
    // Worked out, a number may have more digits than anyone may type.
    const bool tooLong
        = !again && again.problem().what.find(core::exact::TooLargeText) != std::string::npos;
    FUZZ_CHECK(
        tooLong || (again && sameLine(e, *again)), "\"%.300s\" does not read back", own->c_str());
    checkPoints(e);
    return 0;
}
