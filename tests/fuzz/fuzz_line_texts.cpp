// The line texts and the crossing point on any end points and any texts.
// Input: four doubles X1, Y1, X2, Y2 (bytes 0-31, missing bytes zero, a
// non-finite one skips the input), then up to four texts separated by "|".
// Every operation yields a text in the written form or raises exactly one of
// DivisionByZero, Overflow and TypeMismatch, and only where that error
// belongs: a vertical line has no slope, a horizontal one no x-axis
// crossing, a text read back fails only when it is not a number.
#include "core/crossing.h"
#include "core/line.h"
#include "core/number_text.h"
#include "fuzz_check.h"
#include "outcome.h"
#include "written_number.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

using fuzz::Attempt;
using fuzz::Failure;
using fuzz::FailureName;
using Text = fuzz::Outcome<std::string>;

bool hasInfOrNan(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// A number the program wrote: the written form, `significant` digits.
void checkNumber(const char* what, std::string_view text, int significant = 15)
{
    const std::string t(text);
    FUZZ_CHECK(!hasInfOrNan(t), "%s is \"%s\"", what, t.c_str());
    const auto form = fuzz::ReadWritten(t);
    FUZZ_CHECK(form && fuzz::IsCanonical(*form, significant, significant),
        "%s is \"%s\", not a written number", what, t.c_str());
}

void checkNumber(const char* what, const Text& t)
{
    if (t.value)
        checkNumber(what, *t.value);
}

void checkFailure(const char* what, Failure got, std::initializer_list<Failure> allowed)
{
    FUZZ_CHECK(std::find(allowed.begin(), allowed.end(), got) != allowed.end(), "%s raised %s",
        what, FailureName(got));
}

// How reading a text back ends.
Failure readBack(std::string_view text)
{
    return Attempt("TextToNumber", [&] { return core::TextToNumber(text); }).failure;
}

void checkEquation(std::string_view S, std::string_view B)
{
    const std::string e = core::EquationText(S, B);
    const std::string expected = " Y = " + std::string(S) + " X +  " + std::string(B);
    FUZZ_CHECK(e == expected, "EquationText gave \"%s\"", e.c_str());
}

using Crossing = fuzz::Outcome<core::Crossing>;

Crossing crossing(
    std::string_view s1, std::string_view s2, std::string_view b1, std::string_view b2)
{
    return Attempt("FindCrossing", [&] { return core::FindCrossing(s1, s2, b1, b2); });
}

// Its caption, and the same lines taken in the other order.
void checkCrossing(const Crossing& c, const Crossing& swapped)
{
    // The slopes differ whenever a point is computed, so their difference
    // is never zero.
    checkFailure(
        "FindCrossing", c.failure, { Failure::None, Failure::Overflow, Failure::TypeMismatch });
    if (!c.value)
        return;
    const core::Crossing& k = *c.value;
    switch (k.kind) {
    case core::CrossingKind::Parallel:
        FUZZ_CHECK(k.caption == core::ParallelCaption, "\"%s\"", k.caption.c_str());
        break;
    case core::CrossingKind::Same:
        FUZZ_CHECK(k.caption == core::SameLineCaption, "\"%s\"", k.caption.c_str());
        break;
    case core::CrossingKind::Point: {
        const std::string& s = k.caption;
        const std::size_t comma = s.find(",  ");
        FUZZ_CHECK(
            s.size() > 5 && s.front() == '(' && s.back() == ')' && comma != std::string::npos,
            "crossing caption \"%s\"", s.c_str());
        checkNumber("the crossing's X", std::string_view(s).substr(1, comma - 1), 15);
        checkNumber(
            "the crossing's Y", std::string_view(s).substr(comma + 3, s.size() - comma - 4), 7);
        break;
    }
    }
    if (swapped.value) {
        const core::Crossing& o = *swapped.value;
        FUZZ_CHECK(o.kind == k.kind, "\"%s\" one way, \"%s\" the other", k.caption.c_str(),
            o.caption.c_str());
        if (k.kind == core::CrossingKind::Point) {
            const auto x = [](const std::string& s) { return s.substr(0, s.find(',')); };
            FUZZ_CHECK(x(k.caption) == x(o.caption), "\"%s\" one way, \"%s\" the other",
                k.caption.c_str(), o.caption.c_str());
        }
    }
}

// The failure SlopeText must end with, or None when it may succeed (it can
// still overflow in the division).
Failure slopeFailure(const core::EndPoints& p)
{
    if (!std::isfinite(p.Y2 - p.Y1))
        return Failure::Overflow;
    if (p.X1 == p.X2)
        return p.Y1 == p.Y2 ? Failure::Overflow : Failure::DivisionByZero;
    if (!std::isfinite(p.X2 - p.X1))
        return Failure::Overflow;
    return Failure::None;
}

Text slopeText(const core::EndPoints& p)
{
    const Text S = Attempt("SlopeText", [&] { return core::SlopeText(p); });
    const Failure expected = slopeFailure(p);
    if (expected == Failure::None)
        checkFailure("SlopeText", S.failure, { Failure::None, Failure::Overflow });
    else
        FUZZ_CHECK(S.failure == expected, "SlopeText of (%g, %g), (%g, %g) raised %s, not %s", p.X1,
            p.Y1, p.X2, p.Y2, FailureName(S.failure), FailureName(expected));
    checkNumber("the slope", S);
    const core::EndPoints back { p.X2, p.Y2, p.X1, p.Y1 };
    FUZZ_CHECK(Attempt("SlopeText", [&] { return core::SlopeText(back); }) == S,
        "swapping the end points changed the slope \"%s\"", S.value ? S.value->c_str() : "");
    return S;
}

// An x-axis crossing: DivisionByZero only when the slope is zero or the line
// vertical.
void checkXIntercept(const char* what, const Text& x, const Text& S)
{
    checkFailure(what, x.failure, { Failure::None, Failure::Overflow, Failure::DivisionByZero });
    if (x.failure == Failure::DivisionByZero)
        FUZZ_CHECK(S.failure == Failure::DivisionByZero || S.value == "0",
            "%s divided by zero, yet the slope is \"%s\"", what, S.value ? S.value->c_str() : "");
    checkNumber(what, x);
}

// Both x-axis forms are minus the intercept over the slope: they part only in
// the last digits, the first from the intercept as written.
void checkXInterceptsAgree(const Text& B, const Text& x1, const Text& x2)
{
    if (!B.value || !x1.value || !x2.value)
        return;
    const double b = core::TextToNumber(*B.value);
    const double a1 = core::TextToNumber(*x1.value);
    const double a2 = core::TextToNumber(*x2.value);
    constexpr double tiny = 1e-290; // below this the quotients lose digits
    if (std::fabs(b) < tiny || std::fabs(a1) < tiny || std::fabs(a2) < tiny)
        return;
    FUZZ_CHECK(std::fabs(a1 - a2) <= 2e-14 * std::max(std::fabs(a1), std::fabs(a2)),
        "x-axis crossings \"%s\" and \"%s\" for intercept \"%s\"", x1.value->c_str(),
        x2.value->c_str(), B.value->c_str());
}

// The texts the window derives for one line, each from the previous ones.
struct LineTexts {
    Text S, B;
};

LineTexts deriveLine(const core::EndPoints& p)
{
    LineTexts line { slopeText(p), {} };
    const Text& S = line.S;
    if (!S.value)
        return line;
    line.B = Attempt("InterceptText", [&] { return core::InterceptText(*S.value, p.X2, p.Y2); });
    const Text& B = line.B;
    checkFailure(
        "InterceptText of a written slope", B.failure, { Failure::None, Failure::Overflow });
    checkNumber("the intercept", B);
    if (!B.value)
        return line;
    checkEquation(*S.value, *B.value);
    FUZZ_CHECK(!hasInfOrNan(core::EquationText(*S.value, *B.value)), "equation");

    const Text x1 = Attempt(
        "XInterceptFromIntercept", [&] { return core::XInterceptFromIntercept(*B.value, p); });
    const Text x2
        = Attempt("XInterceptFromSlope", [&] { return core::XInterceptFromSlope(*S.value, p); });
    checkXIntercept("XInterceptFromIntercept", x1, S);
    checkXIntercept("XInterceptFromSlope", x2, S);
    checkXInterceptsAgree(B, x1, x2);

    // A horizontal line: slope "0", intercept its own height, no x-axis crossing.
    if (p.Y1 == p.Y2) {
        FUZZ_CHECK(*S.value == "0" && *B.value == core::NumberToText(p.Y2),
            "horizontal at %g: slope \"%s\", intercept \"%s\"", p.Y2, S.value->c_str(),
            B.value->c_str());
        const Failure expected = p.Y2 == 0 ? Failure::Overflow : Failure::DivisionByZero;
        FUZZ_CHECK(x1.failure == expected && x2.failure == expected,
            "horizontal at %g: x-axis crossings raised %s and %s", p.Y2, FailureName(x1.failure),
            FailureName(x2.failure));
    }
    return line;
}

// Texts typed anywhere: a text that does not read back fails the operation
// with the error of its reading.
void checkGivenTexts(const core::EndPoints& p, const std::array<std::string, 4>& t, const Text& S)
{
    const Failure read0 = readBack(t[0]);
    const Failure read1 = readBack(t[1]);

    const Text B = Attempt("InterceptText", [&] { return core::InterceptText(t[0], p.X2, p.Y2); });
    if (read0 != Failure::None)
        FUZZ_CHECK(B.failure == read0, "InterceptText raised %s, its slope text %s",
            FailureName(B.failure), FailureName(read0));
    else
        checkFailure("InterceptText", B.failure, { Failure::None, Failure::Overflow });
    checkNumber("the intercept", B);

    const Text x1 = Attempt(
        "XInterceptFromIntercept", [&] { return core::XInterceptFromIntercept(t[1], p); });
    const Text x2
        = Attempt("XInterceptFromSlope", [&] { return core::XInterceptFromSlope(t[0], p); });
    if (read1 != Failure::None)
        FUZZ_CHECK(x1.failure == read1, "XInterceptFromIntercept raised %s, its text %s",
            FailureName(x1.failure), FailureName(read1));
    else
        checkXIntercept("XInterceptFromIntercept", x1, S);
    if (read0 != Failure::None)
        FUZZ_CHECK(x2.failure == read0, "XInterceptFromSlope raised %s, its text %s",
            FailureName(x2.failure), FailureName(read0));
    else
        checkXIntercept("XInterceptFromSlope", x2, S);

    checkEquation(t[0], t[1]);

    const Crossing c = crossing(t[0], t[1], t[2], t[3]);
    checkCrossing(c, crossing(t[1], t[0], t[3], t[2]));
    const bool allRead = read0 == Failure::None && read1 == Failure::None
        && readBack(t[2]) == Failure::None && readBack(t[3]) == Failure::None;
    if (allRead)
        checkFailure("FindCrossing", c.failure, { Failure::None, Failure::Overflow });
    else
        FUZZ_CHECK(!c.value, "FindCrossing read \"%s\", \"%s\", \"%s\", \"%s\"", t[0].c_str(),
            t[1].c_str(), t[2].c_str(), t[3].c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<double, 4> xy {};
    std::memcpy(xy.data(), data, std::min(size, sizeof xy));
    for (const double v : xy)
        if (!std::isfinite(v))
            return 0;
    const core::EndPoints p { xy[0], xy[1], xy[2], xy[3] };

    std::array<std::string, 4> texts;
    if (size > sizeof xy) {
        std::string_view rest(reinterpret_cast<const char*>(data) + sizeof xy, size - sizeof xy);
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const std::size_t bar = k + 1 < texts.size() ? rest.find('|') : std::string_view::npos;
            texts[k] = std::string(rest.substr(0, bar));
            if (bar == std::string_view::npos)
                break;
            rest.remove_prefix(bar + 1);
        }
    }

    const LineTexts one = deriveLine(p);
    // Line two: the same points mirrored in y = x.
    const LineTexts two = deriveLine({ p.Y1, p.X1, p.Y2, p.X2 });
    if (one.S.value && one.B.value) {
        const Crossing self = crossing(*one.S.value, *one.S.value, *one.B.value, *one.B.value);
        FUZZ_CHECK(self.value && self.value->kind == core::CrossingKind::Same,
            "a line does not coincide with itself");
        if (two.S.value && two.B.value) {
            const Crossing c = crossing(*one.S.value, *two.S.value, *one.B.value, *two.B.value);
            checkFailure(
                "FindCrossing of written texts", c.failure, { Failure::None, Failure::Overflow });
            checkCrossing(c, crossing(*two.S.value, *one.S.value, *two.B.value, *one.B.value));
        }
    }
    checkGivenTexts(p, texts, one.S);
    return 0;
}
