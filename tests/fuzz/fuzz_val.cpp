// Val on any bytes: it fails only with Overflow, never yields an infinity or
// a NaN, ignores blanks wherever they stand, reads the leading number as the
// C library's strtod reads the same digits, and what it yields can be written
// and read back.
#include "core/errors.h"
#include "core/number_text.h"
#include "fuzz_check.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Val's value, or nothing when it overflowed.
std::optional<double> val(std::string_view text)
{
    try {
        return core::Val(text);
    } catch (const core::Overflow&) {
        return std::nullopt;
    }
}

// The leading [+-]digits[.digits][(E|e)[+-]digits] of a text without blanks;
// empty when no mantissa digit leads it.
std::string leadingNumber(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool anyDigit = false;
    while (i < text.size() && isDigit(text[i])) {
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit)
        return {};
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return text.substr(0, i);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> v = val(text); // anything but Overflow escapes and aborts

    if (v) {
        FUZZ_CHECK(std::isfinite(*v), "Val gave %g", *v);
        const std::string written = core::NumberToText(*v);
        try {
            const double back = core::TextToNumber(written);
            FUZZ_CHECK(core::NumberToText(back) == written, "\"%s\" reads back as %.17g",
                written.c_str(), back);
        } catch (const core::ArithmeticError& e) {
            FUZZ_FAIL("\"%s\" (Val %.17g) does not read back: %s", written.c_str(), *v, e.what());
        }
    }

    std::string compact;
    for (const char c : text)
        if (!isBlank(c))
            compact += c;
    const std::optional<double> w = val(compact);
    FUZZ_CHECK(v.has_value() == w.has_value() && (!v || *v == *w),
        "blanks changed the value: %.17g with them, %.17g without", v ? *v : NAN, w ? *w : NAN);

    const std::string number = leadingNumber(compact);
    if (number.empty()) {
        FUZZ_CHECK(v && *v == 0, "no leading number, yet Val gave %.17g", v ? *v : NAN);
        return 0;
    }
    errno = 0;
    const double expected = std::strtod(number.c_str(), nullptr);
    if (std::isinf(expected))
        FUZZ_CHECK(!v, "\"%s\" is beyond the double range, yet Val gave %.17g", number.c_str(),
            v ? *v : NAN);
    else
        FUZZ_CHECK(v && *v == expected, "\"%s\": Val %.17g, strtod %.17g", number.c_str(),
            v ? *v : NAN, expected);
    return 0;
}
