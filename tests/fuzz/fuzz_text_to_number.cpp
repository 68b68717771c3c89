// TextToNumber on any bytes: it accepts exactly the decimal form, fails with
// TypeMismatch on anything else and with Overflow only beyond the double
// range, reads the nearest double (as strtod does), and a text that
// NumberToText would write comes back unchanged through it.
#include "core/errors.h"
#include "core/number_text.h"
#include "fuzz_check.h"
#include "written_number.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

enum class Outcome { Number, Mismatch, Overflow };

// The largest double's 15-digit text lies just past it; it reads back as it.
bool isLargestText(std::string_view text)
{
    if (!text.empty() && text[0] == '-')
        text.remove_prefix(1);
    return text == "1.79769313486232E+308";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Outcome outcome = Outcome::Number;
    double v = 0;
    try {
        v = core::TextToNumber(text);
    } catch (const core::TypeMismatch&) {
        outcome = Outcome::Mismatch;
    } catch (const core::Overflow&) {
        outcome = Outcome::Overflow;
    } // anything else escapes and aborts

    const bool decimal = fuzz::IsDecimalNumber(text);
    FUZZ_CHECK((outcome == Outcome::Mismatch) == !decimal, "\"%s\": %s", text.c_str(),
        decimal ? "a decimal number was rejected as not a number"
                : "a text that is not a decimal number was accepted");
    if (!decimal)
        return 0;

    const double nearest = std::strtod(text.c_str(), nullptr);
    if (outcome == Outcome::Overflow) {
        FUZZ_CHECK(std::isinf(nearest) && !isLargestText(text),
            "\"%s\" overflowed, yet its nearest double is %.17g", text.c_str(), nearest);
        return 0;
    }
    FUZZ_CHECK(std::isfinite(v), "\"%s\" gave %g", text.c_str(), v);
    if (isLargestText(text))
        FUZZ_CHECK(
            v == (text[0] == '-' ? -DBL_MAX : DBL_MAX), "\"%s\" gave %.17g", text.c_str(), v);
    else
        FUZZ_CHECK(v == nearest, "\"%s\": %.17g, nearest double %.17g", text.c_str(), v, nearest);
    if (!isLargestText(text))
        FUZZ_CHECK(core::Val(text) == v, "\"%s\": Val and TextToNumber differ", text.c_str());

    // Written and read back, a number keeps its text.
    const std::string written = core::NumberToText(v);
    try {
        const double again = core::TextToNumber(written);
        FUZZ_CHECK(core::NumberToText(again) == written, "\"%s\" reads back as %.17g",
            written.c_str(), again);
    } catch (const core::ArithmeticError& e) {
        FUZZ_FAIL("\"%s\" does not read back: %s", written.c_str(), e.what());
    }

    // A text in the written form with at most 15 digits is what NumberToText
    // writes for its own value, as long as that value has full precision.
    const auto form = fuzz::ReadWritten(text);
    if (form && fuzz::IsCanonical(*form, 15, 15)
        && (form->digits.empty() || std::fabs(v) >= DBL_MIN))
        FUZZ_CHECK(written == text, "\"%s\" reads as %.17g, which is written \"%s\"", text.c_str(),
            v, written.c_str());
    return 0;
}
