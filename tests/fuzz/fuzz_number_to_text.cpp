// NumberToText on raw bit patterns: a double (bytes 0-7), a single (8-11)
// and a 16-bit integer (12-13), missing bytes taken as zero. Every text is in
// the written form with the right notation, carries the correctly rounded
// 15 (double) or 7 (single) significant digits, and reads back to a number
// that is written the same way.
#include "core/errors.h"
#include "core/number_text.h"
#include "fuzz_check.h"
#include "written_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// TextToNumber of a text that NumberToText wrote: it must not fail.
double readBack(const std::string& text)
{
    try {
        return core::TextToNumber(text);
    } catch (const core::ArithmeticError& e) {
        FUZZ_FAIL("\"%s\" does not read back: %s", text.c_str(), e.what());
    }
}

// The text of x checked against its form, printf's rounding of x, and x's
// sign; `significant` digits, fixed-point below 10^fixedBelow.
void checkWritten(const std::string& text, double x, int significant, int fixedBelow)
{
    const auto form = fuzz::ReadWritten(text);
    FUZZ_CHECK(form.has_value(), "%.17g is written \"%s\"", x, text.c_str());
    FUZZ_CHECK(fuzz::IsCanonical(*form, significant, fixedBelow),
        "%.17g is written \"%s\": wrong notation, zero or digit count", x, text.c_str());
    if (x == 0) {
        FUZZ_CHECK(text == "0", "zero is written \"%s\"", text.c_str());
        return;
    }
    const fuzz::WrittenNumber rounded = fuzz::PrintfDigits(x, significant);
    FUZZ_CHECK(form->negative == (x < 0) && form->digits == rounded.digits
            && form->exponent == rounded.exponent,
        "%.17g is written \"%s\", printf rounds it to %s E%d", x, text.c_str(),
        rounded.digits.c_str(), rounded.exponent);
}

// Significant digits in the shortest text that reads back as x.
int shortestDigits(float x)
{
    std::array<char, 64> buf {};
    const auto end = std::to_chars(
        buf.data(), buf.data() + buf.size(), std::fabs(x), std::chars_format::scientific)
                         .ptr;
    int digits = 0;
    for (const char* p = buf.data(); p != end && *p != 'e'; ++p)
        if (*p != '.')
            ++digits;
    return digits;
}

void checkDouble(double x)
{
    const std::string text = core::NumberToText(x);
    checkWritten(text, x, 15, 15);
    const double back = readBack(text);
    FUZZ_CHECK(core::NumberToText(back) == text, "%.17g -> \"%s\" -> %.17g -> \"%s\"", x,
        text.c_str(), back, core::NumberToText(back).c_str());
}

void checkSingle(float x)
{
    const std::string text = core::NumberToText(x);
    checkWritten(text, static_cast<double>(x), 7, 7);
    const float back = static_cast<float>(readBack(text));
    if (shortestDigits(x) <= 7)
        FUZZ_CHECK(back == x, "%.9g -> \"%s\" -> %.9g", static_cast<double>(x), text.c_str(),
            static_cast<double>(back));
    FUZZ_CHECK(core::NumberToText(back) == text, "%.9g -> \"%s\" -> %.9g -> \"%s\"",
        static_cast<double>(x), text.c_str(), static_cast<double>(back),
        core::NumberToText(back).c_str());
}

void checkInteger(std::int16_t x)
{
    const std::string text = core::NumberToText(x);
    const auto form = fuzz::ReadWritten(text);
    FUZZ_CHECK(form && !form->scientific, "%d is written \"%s\"", x, text.c_str());
    FUZZ_CHECK(readBack(text) == x, "%d is written \"%s\"", x, text.c_str());
    FUZZ_CHECK(core::NumberToText(static_cast<double>(x)) == text,
        "%d is written \"%s\" as an integer, \"%s\" as a double", x, text.c_str(),
        core::NumberToText(static_cast<double>(x)).c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::uint8_t, 14> bytes {};
    std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());

    double d = 0;
    float f = 0;
    std::int16_t i = 0;
    std::memcpy(&d, bytes.data(), sizeof d);
    std::memcpy(&f, bytes.data() + 8, sizeof f);
    std::memcpy(&i, bytes.data() + 12, sizeof i);

    if (std::isfinite(d))
        checkDouble(d);
    if (std::isfinite(f))
        checkSingle(f);
    checkInteger(i);
    return 0;
}
