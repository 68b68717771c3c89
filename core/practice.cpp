#include "core/practice.h"

#include "core/blanks.h"
#include "core/equation.h"
#include "core/exact_number.h"

#include <cstddef>
#include <string>

namespace core::practice {

namespace {

constexpr std::string_view minusSign = "\xE2\x88\x92"; // U+2212

// An answer is typed into a one-line field: its blanks are spaces and tabs
// (core/blanks.h's IsBlank), and a line end is something else typed.

// The words of a text in small letters, one blank between them: "  The
// SAME\tline " is "the same line". Only ASCII letters change case, so that
// no locale comes into it.
std::string words(std::string_view text)
{
    std::string out;
    bool gap = false;
    for (const char c : Trimmed(text)) {
        if (IsBlank(c)) {
            gap = true;
            continue;
        }
        if (gap)
            out += ' ';
        gap = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// Reads a text from the start, piece by piece, each piece taken off as it
// is read.
class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text)
    {
    }

    bool atEnd() const { return at_ == text_.size(); }

    void skipBlanks()
    {
        while (!atEnd() && IsBlank(text_[at_]))
            ++at_;
    }

    bool take(std::string_view piece)
    {
        if (text_.substr(at_).starts_with(piece)) {
            at_ += piece.size();
            return true;
        }
        return false;
    }

    std::string_view digits()
    {
        const std::size_t from = at_;
        while (!atEnd() && IsDigit(text_[at_]))
            ++at_;
        return text_.substr(from, at_ - from);
    }

    // A signed number: sign, digits, point, fraction, repeating digits in
    // brackets. Nothing when the text here is not one or it is beyond the
    // limits of exact work.
    std::optional<mpq_class> number()
    {
        bool negative = false;
        if (take("-") || take(minusSign))
            negative = true;
        else
            take("+");
        skipBlanks();
        const std::string_view whole = digits();
        std::string_view fraction, repeating;
        bool repeats = false;
        if (take(".")) {
            fraction = digits();
            if (take("(")) {
                repeating = digits();
                if (repeating.empty() || !take(")"))
                    return std::nullopt;
                repeats = true;
            }
        }
        if (whole.empty() && fraction.empty() && !repeats)
            return std::nullopt;
        auto q = valueOf(whole, fraction, repeating, repeats);
        if (q && negative)
            *q = -*q;
        return q;
    }

private:
    // whole.fraction(repeating), checked against the limits on the lengths
    // alone before any big number is made.
    static std::optional<mpq_class> valueOf(
        std::string_view whole, std::string_view fraction, std::string_view repeating, bool repeats)
    {
        // Zeros before the whole part and, when nothing repeats, after the
        // fraction change nothing and cost nothing.
        const std::size_t first = whole.find_first_not_of('0');
        whole = first == std::string_view::npos ? std::string_view {} : whole.substr(first);
        if (!repeats) {
            const std::size_t last = fraction.find_last_not_of('0');
            fraction = last == std::string_view::npos ? std::string_view {}
                                                      : fraction.substr(0, last + 1);
        }
        if (whole.size() > static_cast<std::size_t>(exact::MaxIntegerDigits)
            || fraction.size() + repeating.size()
                > static_cast<std::size_t>(exact::MaxFractionDigits))
            return std::nullopt;

        // w.d(r) = wd / 10^|d| + r / (10^|d| (10^|r| - 1)). GMP adds only
        // reduced fractions, so each is reduced first.
        mpz_class head(0), scale(1);
        if (!whole.empty() || !fraction.empty())
            head.set_str(std::string(whole) + std::string(fraction), 10);
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, fraction.size());
        mpq_class q(head, scale);
        q.canonicalize();
        if (repeats) {
            mpz_class nines;
            mpz_ui_pow_ui(nines.get_mpz_t(), 10, repeating.size());
            nines -= 1;
            mpq_class period(mpz_class(std::string(repeating), 10), scale * nines);
            period.canonicalize();
            q += period;
        }
        return q;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool isLine(const exact::Line& line)
{
    return line.kind == exact::LineKind::Line || line.kind == exact::LineKind::Vertical;
}

// The same line, compared exactly: both with slope m and intercept b, or
// both vertical at the same x.
bool sameLine(const exact::Line& one, const exact::Line& two)
{
    if (one.kind != two.kind)
        return false;
    if (one.kind == exact::LineKind::Line)
        return one.slope == two.slope && one.yIntercept.at == two.yIntercept.at;
    if (one.kind == exact::LineKind::Vertical)
        return one.xIntercept.at == two.xIntercept.at;
    return false;
}

// A point as "(x, y)" or "x, y". An opening bracket must be closed at the
// end, so that "(2, 4" is refused; a closing one alone may end a repeating
// decimal ("1, 0.(3)").
std::optional<std::pair<mpq_class, mpq_class>> readPoint(std::string_view text)
{
    text = Trimmed(text);
    if (text.starts_with('(')) {
        if (text.size() < 2 || !text.ends_with(')'))
            return std::nullopt;
        text = text.substr(1, text.size() - 2);
    }
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
        return std::nullopt;
    const auto x = ReadAnswerNumber(text.substr(0, comma));
    const auto y = ReadAnswerNumber(text.substr(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return std::pair { *x, *y };
}

Mark markOf(bool right)
{
    return right ? Mark::Right : Mark::Wrong;
}

bool isEmpty(std::string_view typed)
{
    return Trimmed(typed).empty();
}

} // namespace

std::string_view StepId(Question question)
{
    switch (question) {
    case Question::Slope1:
        return "slope1";
    case Question::Yint1:
        return "yint1";
    case Question::Equation1:
        return "equation1";
    case Question::Slope2:
        return "slope2";
    case Question::Yint2:
        return "yint2";
    case Question::Equation2:
        return "equation2";
    case Question::Crossing:
        return "crossing";
    }
    return {};
}

std::optional<mpq_class> ReadAnswerNumber(std::string_view text)
{
    Reader r(text);
    r.skipBlanks();
    auto q = r.number();
    if (!q)
        return std::nullopt;
    r.skipBlanks();
    if (r.take("/")) {
        r.skipBlanks();
        const auto divisor = r.number();
        if (!divisor || *divisor == 0)
            return std::nullopt;
        *q /= *divisor;
        r.skipBlanks();
    }
    if (!r.atEnd())
        return std::nullopt;
    return q;
}

Mark CheckSlope(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return Mark::Empty;
    if (line.kind == exact::LineKind::Vertical)
        return markOf(words(typed) == "undefined");
    if (line.kind != exact::LineKind::Line)
        return Mark::Wrong;
    const auto m = ReadAnswerNumber(typed);
    return markOf(m && *m == line.slope);
}

Mark CheckIntercept(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return Mark::Empty;
    if (line.kind == exact::LineKind::Vertical) {
        const bool all = line.yIntercept.kind == exact::InterceptKind::All;
        return markOf(words(typed) == (all ? "all" : "none"));
    }
    if (line.kind != exact::LineKind::Line)
        return Mark::Wrong;
    if (const auto b = ReadAnswerNumber(typed))
        return markOf(*b == line.yIntercept.at);
    const auto point = readPoint(typed);
    return markOf(point && point->first == 0 && point->second == line.yIntercept.at);
}

Mark CheckEquation(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return Mark::Empty;
    if (!isLine(line))
        return Mark::Wrong;
    const Reading<exact::Equation> reading = exact::ReadEquation(typed);
    return markOf(reading && sameLine(exact::LineOf(*reading), line));
}

Mark CheckCrossing(std::string_view typed, const exact::Crossing& crossing)
{
    if (isEmpty(typed))
        return Mark::Empty;
    switch (crossing.kind) {
    case exact::CrossingKind::Parallel:
        return markOf(words(typed) == "parallel");
    case exact::CrossingKind::Same: {
        const std::string said = words(typed);
        return markOf(said == "same" || said == "same line" || said == "the same line");
    }
    case exact::CrossingKind::Point: {
        const auto point = readPoint(typed);
        return markOf(point && point->first == crossing.x && point->second == crossing.y);
    }
    case exact::CrossingKind::None:
        break;
    }
    return Mark::Wrong;
}

Mark Check(
    Question question, std::string_view typed, const exact::Line& one, const exact::Line& two)
{
    switch (question) {
    case Question::Slope1:
        return CheckSlope(typed, one);
    case Question::Yint1:
        return CheckIntercept(typed, one);
    case Question::Equation1:
        return CheckEquation(typed, one);
    case Question::Slope2:
        return CheckSlope(typed, two);
    case Question::Yint2:
        return CheckIntercept(typed, two);
    case Question::Equation2:
        return CheckEquation(typed, two);
    case Question::Crossing:
        return CheckCrossing(typed, exact::CrossingOf(one, two));
    }
    return Mark::Wrong;
}

} // namespace core::practice
