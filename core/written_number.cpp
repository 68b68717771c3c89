#include "core/written_number.h"

#include "core/blanks.h"
#include "core/exact_number.h"
#include "core/said.h"

#include <array>
#include <string>

namespace core::exact {

namespace {

constexpr std::string_view minusSign = "\xE2\x88\x92"; // U+2212
// What a word processor makes of a typed "-".
constexpr std::string_view dash = "\xE2\x80\x93"; // U+2013
constexpr std::string_view hyphen = "\xE2\x80\x90"; // U+2010
constexpr std::string_view fractionSlash = "\xE2\x81\x84"; // U+2044

struct Character {
    std::string_view text;
    long numerator, denominator;
};

// The fraction characters a keyboard or a word processor puts in, in UTF-8.
constexpr std::array<Character, 15> fractionCharacters { {
    { "\xC2\xBD", 1, 2 }, // ½
    { "\xE2\x85\x93", 1, 3 }, // ⅓
    { "\xE2\x85\x94", 2, 3 }, // ⅔
    { "\xC2\xBC", 1, 4 }, // ¼
    { "\xC2\xBE", 3, 4 }, // ¾
    { "\xE2\x85\x95", 1, 5 }, // ⅕
    { "\xE2\x85\x96", 2, 5 }, // ⅖
    { "\xE2\x85\x97", 3, 5 }, // ⅗
    { "\xE2\x85\x98", 4, 5 }, // ⅘
    { "\xE2\x85\x99", 1, 6 }, // ⅙
    { "\xE2\x85\x9A", 5, 6 }, // ⅚
    { "\xE2\x85\x9B", 1, 8 }, // ⅛
    { "\xE2\x85\x9C", 3, 8 }, // ⅜
    { "\xE2\x85\x9D", 5, 8 }, // ⅝
    { "\xE2\x85\x9E", 7, 8 }, // ⅞
} };

// Brackets around a number nest at most this deep: "-(-(2))" is a pupil's,
// a thousand of them is not, and the reader recurses once for each.
constexpr int maxDepth = 20;

// A number is written on one line: its blanks are spaces and tabs
// (core/blanks.h's IsBlank), as in Practice's fields.

// Characters, not bytes, before a place in UTF-8 text.
std::size_t charactersIn(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::size_t digitsAt(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - at;
}

std::size_t blanksAt(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && IsBlank(text[end]))
        ++end;
    return end - at;
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view {} : digits.substr(first);
}

bool tooLong(std::string_view wholeDigits)
{
    return withoutLeadingZeros(wholeDigits).size() > static_cast<std::size_t>(MaxIntegerDigits);
}

mpz_class wholeOf(std::string_view digits)
{
    digits = withoutLeadingZeros(digits);
    return digits.empty() ? mpz_class(0) : mpz_class(std::string(digits), 10);
}

// whole.fraction(repeating), checked against the limits on the lengths
// alone before any big number is made.
std::optional<mpq_class> decimalValue(
    std::string_view whole, std::string_view fraction, std::string_view repeating, bool repeats)
{
    // Zeros before the whole part and, when nothing repeats, after the
    // fraction change nothing and cost nothing.
    whole = withoutLeadingZeros(whole);
    if (!repeats) {
        const std::size_t last = fraction.find_last_not_of('0');
        fraction
            = last == std::string_view::npos ? std::string_view {} : fraction.substr(0, last + 1);
    }
    if (whole.size() > static_cast<std::size_t>(MaxIntegerDigits)
        || fraction.size() + repeating.size() > static_cast<std::size_t>(MaxFractionDigits))
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

// Reads a number from the start of a text, piece by piece.
class Scanner {
public:
    explicit Scanner(std::string_view text)
        : text_(text)
    {
    }

    Reading<mpq_class> whole()
    {
        auto q = signedNumber(0);
        if (!q)
            return q;
        skipBlanks();
        if (at_ != text_.size())
            return leftOver();
        return q;
    }

private:
    bool atEnd() const { return at_ == text_.size(); }
    std::string_view rest() const { return text_.substr(at_); }

    void skipBlanks() { at_ += blanksAt(text_, at_); }

    bool take(std::string_view piece)
    {
        if (!rest().starts_with(piece))
            return false;
        at_ += piece.size();
        return true;
    }

    bool takeSlash() { return take("/") || take(fractionSlash); }

    Problem problem(std::string what, std::size_t from, std::size_t to) const
    {
        return { std::move(what), charactersIn(text_.substr(0, from)),
            charactersIn(text_.substr(from, to - from)) };
    }
    Problem problemHere(std::string_view what) const
    {
        return problem(std::string(what), at_, text_.size());
    }

    // Signs and the blanks around them; whether they make a minus. "+ -3"
    // is -3 and "- -3" is 3, as in an equation.
    bool takeSign()
    {
        bool negative = false;
        for (;;) {
            skipBlanks();
            if (take("-") || take(minusSign) || take(dash) || take(hyphen))
                negative = !negative;
            else if (!take("+"))
                break;
        }
        return negative;
    }

    // An optional sign, then the number.
    Reading<mpq_class> signedNumber(int depth)
    {
        const bool negative = takeSign();
        auto q = unsignedNumber(depth);
        if (q && negative)
            *q = -*q;
        return q;
    }

    // A bracket, a mixed number, a fraction character, or a decimal with an
    // optional divisor.
    Reading<mpq_class> unsignedNumber(int depth)
    {
        if (rest().starts_with('(')) {
            auto q = bracket(depth);
            return q ? divided(std::move(*q), depth) : q;
        }
        if (const auto mixed = MixedNumberAt(rest())) {
            at_ += mixed->bytes;
            return mixed->value;
        }
        if (const auto character = FractionCharacterAt(rest())) {
            at_ += character->bytes;
            return character->value;
        }
        auto q = decimal();
        return q ? divided(std::move(*q), depth) : q;
    }

    Reading<mpq_class> bracket(int depth)
    {
        const std::size_t open = at_;
        if (depth >= maxDepth)
            return problemHere(
                Say(TRELLAN_WORDS("reading", "there are too many brackets around this number")));
        take("(");
        auto q = signedNumber(depth + 1);
        if (!q)
            return q;
        skipBlanks();
        if (!take(")"))
            return problem(
                Say(TRELLAN_WORDS("reading", "a bracket is not closed")), open, open + 1);
        return q;
    }

    // "/" and a divisor after a number read: a signed decimal or a bracket.
    Reading<mpq_class> divided(mpq_class q, int depth)
    {
        const std::size_t before = at_;
        skipBlanks();
        if (!takeSlash()) {
            at_ = before;
            return q;
        }
        const bool negative = takeSign();
        const std::size_t from = at_;
        auto divisor = rest().starts_with('(') ? bracket(depth) : decimal();
        if (!divisor)
            return divisor;
        if (*divisor == 0)
            return problem(
                Say(TRELLAN_WORDS("reading", "a number cannot be divided by 0")), from, at_);
        q /= *divisor;
        return negative ? mpq_class(-q) : q;
    }

    // Digits with an optional point, fraction and repeating part.
    Reading<mpq_class> decimal()
    {
        const std::size_t from = at_;
        const std::string_view whole = rest().substr(0, digitsAt(text_, at_));
        at_ += whole.size();
        std::string_view fraction, repeating;
        bool repeats = false;
        if (take(".")) {
            fraction = rest().substr(0, digitsAt(text_, at_));
            at_ += fraction.size();
            if (take("(")) {
                repeating = rest().substr(0, digitsAt(text_, at_));
                at_ += repeating.size();
                if (repeating.empty() || !take(")"))
                    return problem(Say(TRELLAN_WORDS("reading",
                                       "the repeating digits go in brackets after the point, "
                                       "as in 0.(3)")),
                        from, at_);
                repeats = true;
            }
        }
        if (whole.empty() && fraction.empty() && !repeats) {
            at_ = from;
            return problemHere(NotANumberAdvice());
        }
        if (auto q = decimalValue(whole, fraction, repeating, repeats))
            return std::move(*q);
        return problem(Say(TRELLAN_WORDS("reading", "too large to work with exactly")), from, at_);
    }

    // What to write instead when a number was read but more text follows.
    Problem leftOver() const
    {
        const std::string_view text = text_;
        // "2,5": a decimal comma.
        if (text[at_] == ',' && at_ > 0 && IsDigit(text[at_ - 1])) {
            const std::size_t digits = digitsAt(text, at_ + 1);
            if (digits > 0 && blanksAt(text, at_ + 1 + digits) + at_ + 1 + digits == text.size()) {
                std::string pointed(text);
                pointed[at_] = '.';
                const std::string_view shown = Trimmed(pointed);
                if (digits == 3) {
                    std::string joined(text);
                    joined.erase(at_, 1);
                    return problem(Say(TRELLAN_WORDS("reading",
                                           "write %1 without a comma, or %2 with a point"),
                                       { Trimmed(joined), shown }),
                        at_, at_ + 1);
                }
                return problem(Say(TRELLAN_WORDS("reading", "write %1 with a point"), { shown }),
                    at_, at_ + 1);
            }
        }
        // "1 000" or "2 3": digits after a blank.
        if (IsDigit(text[at_]) && at_ > 0 && IsBlank(text[at_ - 1])) {
            if (isThousandsGroups(text.substr(at_)))
                return problem(
                    Say(TRELLAN_WORDS("reading", "write %1 without blanks between the digits"),
                        { withoutBlanks(Trimmed(text)) }),
                    at_, text.size());
            const std::size_t digits = digitsAt(text, at_);
            const std::size_t slash = at_ + digits + blanksAt(text, at_ + digits);
            if (slash < text.size()
                && (text[slash] == '/' || text.substr(slash).starts_with(fractionSlash)))
                return problem(Say(TRELLAN_WORDS("reading",
                                   "in a mixed number the fraction is less than 1, as in 2 1/3")),
                    at_, text.size());
            return problem(Say(TRELLAN_WORDS("reading",
                               "write one number: a mixed number is a whole number and a "
                               "fraction less than 1, as in 2 1/3")),
                at_, text.size());
        }
        return problem(NotANumberAdvice(), at_, text.size());
    }

    static std::string withoutBlanks(std::string_view text)
    {
        std::string out;
        for (const char c : text)
            if (!IsBlank(c))
                out += c;
        return out;
    }

    // "000", "000 000.5": groups of three digits after single blanks, as a
    // thousands separator writes them; the last may have a point and more.
    static bool isThousandsGroups(std::string_view text)
    {
        std::size_t at = 0;
        for (;;) {
            if (digitsAt(text, at) != 3)
                return false;
            at += 3;
            if (at == text.size() || text[at] == '.')
                return true;
            if (text[at] != ' ' || at + 1 == text.size())
                return false;
            ++at;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

std::string NotANumberAdvice()
{
    return Say(TRELLAN_WORDS("reading", "write a number, such as 3, -1.5, 2/3 or 1 1/2"));
}

Reading<mpq_class> ReadWrittenNumber(std::string_view text)
{
    Scanner scanner(text);
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return Problem { NotANumberAdvice(), 0, charactersIn(text) };
    return scanner.whole();
}

std::optional<mpq_class> WrittenFraction(std::string_view text)
{
    bool fraction = text.find('/') != std::string_view::npos
        || text.find(fractionSlash) != std::string_view::npos;
    for (const Character& c : fractionCharacters)
        fraction = fraction || text.find(c.text) != std::string_view::npos;
    if (!fraction)
        return std::nullopt;
    auto q = ReadWrittenNumber(text);
    if (!q)
        return std::nullopt;
    return std::move(*q);
}

Reading<mpq_class> ReadField(std::string_view text)
{
    if (auto q = WrittenFraction(text))
        return std::move(*q);
    return Read(text);
}

std::optional<NumberAt> FractionCharacterAt(std::string_view text)
{
    for (const Character& c : fractionCharacters)
        if (text.starts_with(c.text))
            return NumberAt { mpq_class(c.numerator, c.denominator), c.text.size() };
    return std::nullopt;
}

std::optional<std::string_view> FractionCharacter(const mpq_class& q)
{
    for (const Character& c : fractionCharacters)
        if (q == mpq_class(c.numerator, c.denominator))
            return c.text;
    return std::nullopt;
}

std::optional<NumberAt> MixedNumberAt(std::string_view text)
{
    const std::size_t wholeDigits = digitsAt(text, 0);
    if (wholeDigits == 0 || tooLong(text.substr(0, wholeDigits)))
        return std::nullopt;
    const mpz_class whole = wholeOf(text.substr(0, wholeDigits));
    std::size_t at = wholeDigits;
    const std::size_t blanks = blanksAt(text, at);
    at += blanks;
    if (const auto character = FractionCharacterAt(text.substr(at)))
        return NumberAt { whole + character->value, at + character->bytes };
    if (blanks == 0)
        return std::nullopt;

    // A proper fraction of whole numbers: "1/2", "1 / 2", "1⁄2".
    const std::size_t numeratorDigits = digitsAt(text, at);
    if (numeratorDigits == 0)
        return std::nullopt;
    const std::string_view numerator = text.substr(at, numeratorDigits);
    at += numeratorDigits;
    at += blanksAt(text, at);
    if (text.substr(at).starts_with('/'))
        at += 1;
    else if (text.substr(at).starts_with(fractionSlash))
        at += fractionSlash.size();
    else
        return std::nullopt;
    at += blanksAt(text, at);
    const std::size_t denominatorDigits = digitsAt(text, at);
    if (denominatorDigits == 0)
        return std::nullopt;
    const std::string_view denominator = text.substr(at, denominatorDigits);
    at += denominatorDigits;
    // "1 1/2.5" and "1 1.5/2" are not fractions of whole numbers.
    if (at < text.size() && text[at] == '.')
        return std::nullopt;
    if (numerator.find_first_not_of('0') != std::string_view::npos && tooLong(numerator))
        return std::nullopt;
    if (tooLong(denominator))
        return std::nullopt;
    const mpz_class p = wholeOf(numerator), q = wholeOf(denominator);
    if (q == 0 || p >= q)
        return std::nullopt;
    mpq_class part(p, q);
    part.canonicalize();
    return NumberAt { whole + part, at };
}

} // namespace core::exact
