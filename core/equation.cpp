#include "core/equation.h"

#include "core/blanks.h"
#include "core/said.h"
#include "core/written_number.h"

#include <cstdint>
#include <vector>

namespace core::exact {

namespace {

// A number in an equation may grow by working out products and powers; past
// this many binary digits in a numerator or denominator (about 4000 decimal
// digits) it is beyond exact work, like a typed number past the limits.
constexpr std::size_t MostBits = 13300;

enum class Kind {
    Number,
    X,
    Y,
    Plus,
    Minus,
    Times,
    Divide,
    Power, // "^"
    Superscript, // "²" or "³", the power in `value`
    Open,
    Close,
    Equals,
    End,
    Unknown,
};

struct Token {
    Kind kind;
    std::size_t from, to; // bytes of the text
    mpq_class value; // a Number's, a Superscript's power
};

// Why the text cannot be read, with the bytes it is about; thrown inside the
// reader only and turned into a Reading's Problem at its door.
struct Refusal {
    std::string problem;
    std::size_t from, to;
};

// The signs written beyond ASCII, in UTF-8.
struct Sign {
    std::string_view bytes;
    Kind kind;
    int power = 0;
};
constexpr Sign wideSigns[] = {
    { "\xE2\x88\x92", Kind::Minus }, // − minus sign
    { "\xE2\x80\x93", Kind::Minus }, // – dash, as word processors turn "-"
    { "\xE2\x80\x90", Kind::Minus }, // ‐ hyphen
    { "\xC2\xB7", Kind::Times }, // ·
    { "\xE2\x8B\x85", Kind::Times }, // ⋅
    { "\xC3\x97", Kind::Times }, // ×
    { "\xC3\xB7", Kind::Divide }, // ÷
    { "\xE2\x81\x84", Kind::Divide }, // ⁄ fraction slash
    { "\xC2\xB2", Kind::Superscript, 2 }, // ²
    { "\xC2\xB3", Kind::Superscript, 3 }, // ³
    { "\xC2\xA0", Kind::End }, // no-break space: a blank, never a token
};

// The length of the UTF-8 character that starts at `at`, at least 1.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    n = std::min(n, text.size() - at);
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80)
            return k;
    return n;
}

std::size_t scanNumber(std::string_view text, std::size_t at)
{
    std::size_t k = at;
    while (k < text.size() && IsDigit(text[k]))
        ++k;
    if (k < text.size() && text[k] == '.') {
        ++k;
        while (k < text.size() && IsDigit(text[k]))
            ++k;
    }
    // An exponent only when digits follow: "2e" is 2 and a stray letter.
    if (k < text.size() && (text[k] == 'E' || text[k] == 'e')) {
        std::size_t e = k + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e]))
                ++e;
            k = e;
        }
    }
    return k;
}

// The number that starts at `at`, if one does: a mixed number ("1 1/2",
// "1½") as on paper, unless it would be a divisor's or a power's whole
// part ("1/2 1/2" is no mixed number); a fraction character; or a decimal.
std::optional<Token> numberAt(
    std::string_view text, std::size_t at, const std::vector<Token>& before)
{
    const char c = text[at];
    const bool afterOperator = !before.empty()
        && (before.back().kind == Kind::Divide || before.back().kind == Kind::Power);
    if (IsDigit(c) && !afterOperator)
        if (const auto mixed = MixedNumberAt(text.substr(at)))
            return Token { Kind::Number, at, at + mixed->bytes, mixed->value };
    if (const auto character = FractionCharacterAt(text.substr(at)))
        return Token { Kind::Number, at, at + character->bytes, character->value };
    // A point may start a number: ".5", and ".(3)" for a third.
    const auto startsAfterPoint = [&] {
        return at + 1 < text.size()
            && (IsDigit(text[at + 1])
                || (text[at + 1] == '(' && at + 2 < text.size() && IsDigit(text[at + 2])));
    };
    if (!IsDigit(c) && !(c == '.' && startsAfterPoint()))
        return std::nullopt;
    const std::size_t end = scanNumber(text, at);
    // A repeating decimal: "0.(3)" is a third, as a pupil writes it, not 0
    // times 3.
    const std::string_view number = text.substr(at, end - at);
    if (number.find('.') != std::string_view::npos
        && number.find_first_of("Ee") == std::string_view::npos && end < text.size()
        && text[end] == '(') {
        std::size_t close = end + 1;
        while (close < text.size() && IsDigit(text[close]))
            ++close;
        if (close > end + 1 && close < text.size() && text[close] == ')') {
            const auto repeating = ReadWrittenNumber(text.substr(at, close + 1 - at));
            if (!repeating)
                throw Refusal { repeating.problem().what, at, close + 1 };
            return Token { Kind::Number, at, close + 1, *repeating };
        }
    }
    if (number == ".")
        return std::nullopt; // a point with no digits is no number: ".(3x)"
    const auto value = Read(number);
    if (!value)
        throw Refusal {
            Say(TRELLAN_WORDS("equation", "This number is too large to work with exactly")), at, end
        };
    return Token { Kind::Number, at, end, *value };
}

std::vector<Token> scan(std::string_view text)
{
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        // Line ends too: an equation is often pasted, or read from a cell.
        if (IsBlankOrLineEnd(c)) {
            ++at;
            continue;
        }
        if (const auto number = numberAt(text, at, tokens)) {
            // Two numbers with only blanks between them are a slip, never a
            // product.
            if (!tokens.empty() && tokens.back().kind == Kind::Number)
                throw Refusal { Say(TRELLAN_WORDS("equation",
                                    "Two numbers stand side by side here: write one number, a "
                                    "mixed number such as 2 1/3, or \"*\" between them")),
                    tokens.back().from, number->to };
            tokens.push_back(*number);
            at = number->to;
            continue;
        }
        Kind kind = Kind::Unknown;
        std::size_t length = 1;
        int power = 0;
        switch (c) {
        case 'x':
        case 'X':
            kind = Kind::X;
            break;
        case 'y':
        case 'Y':
            kind = Kind::Y;
            break;
        case '+':
            kind = Kind::Plus;
            break;
        case '-':
            kind = Kind::Minus;
            break;
        case '*':
            kind = Kind::Times;
            break;
        case '/':
            kind = Kind::Divide;
            break;
        case '^':
            kind = Kind::Power;
            break;
        case '(':
            kind = Kind::Open;
            break;
        case ')':
            kind = Kind::Close;
            break;
        case '=':
            kind = Kind::Equals;
            break;
        default:
            length = characterLength(text, at);
            for (const Sign& s : wideSigns)
                if (text.substr(at, s.bytes.size()) == s.bytes) {
                    kind = s.kind;
                    length = s.bytes.size();
                    power = s.power;
                }
        }
        if (kind != Kind::End)
            tokens.push_back({ kind, at, at + length, mpq_class(power) });
        at += length;
    }
    tokens.push_back({ Kind::End, text.size(), text.size(), mpq_class(0) });
    return tokens;
}

// a x + b y + c, what every part of a linear equation works out to.
struct Affine {
    mpq_class x, y, c;
    bool constant() const { return x == 0 && y == 0; }
};

Affine operator+(Affine p, const Affine& q)
{
    return { p.x + q.x, p.y + q.y, p.c + q.c };
}

Affine operator-(const Affine& p)
{
    return { -p.x, -p.y, -p.c };
}

Affine scaled(const Affine& p, const mpq_class& k)
{
    return { p.x * k, p.y * k, p.c * k };
}

bool tooLarge(const mpq_class& q)
{
    return mpz_sizeinbase(q.get_num_mpz_t(), 2) > MostBits
        || mpz_sizeinbase(q.get_den_mpz_t(), 2) > MostBits;
}

bool tooLarge(const Affine& p)
{
    return tooLarge(p.x) || tooLarge(p.y) || tooLarge(p.c);
}

class Parser {
public:
    Parser(std::string_view text, std::vector<Token> tokens)
        : text_(text)
        , tokens_(std::move(tokens))
    {
    }

    Equation equation()
    {
        const Affine left = side(Kind::Equals);
        ++next_; // the "="
        const Affine right = side(Kind::End);
        const Affine both = left + -right;
        if (both.constant()) {
            const std::string why = seenVariable_
                ? Say(TRELLAN_WORDS("equation", "x and y cancel out here, so this is no line"))
                : Say(TRELLAN_WORDS("equation", "There is no x or y here, so this is no line"));
            throw Refusal { why, 0, text_.size() };
        }
        return { both.x, both.y, -both.c };
    }

private:
    const Token& peek() const { return tokens_[next_]; }
    const Token& take() { return tokens_[next_++]; }

    std::string_view piece(std::size_t from, std::size_t to) const
    {
        return Trimmed(text_.substr(from, to - from), IsBlankOrLineEnd);
    }

    // One side of the equation, which must end at `end`.
    Affine side(Kind end)
    {
        if (peek().kind == end) {
            const bool before = end == Kind::Equals;
            throw Refusal { before ? Say(TRELLAN_WORDS("equation", "There is nothing before \"=\""))
                                   : Say(TRELLAN_WORDS("equation", "There is nothing after \"=\"")),
                peek().from, peek().to };
        }
        const Affine value = sum();
        if (peek().kind != end)
            throw misplaced(peek());
        return value;
    }

    Refusal misplaced(const Token& t) const
    {
        if (t.kind == Kind::Close)
            return { Say(TRELLAN_WORDS("equation", "This \")\" has no \"(\" before it")), t.from,
                t.to };
        if (t.kind == Kind::Unknown)
            return { Say(TRELLAN_WORDS("equation", "\"%1\" cannot be part of an equation"),
                         { piece(t.from, t.to) }),
                t.from, t.to };
        return { Say(TRELLAN_WORDS("equation", "\"%1\" cannot stand here"),
                     { piece(t.from, t.to) }),
            t.from, t.to };
    }

    Affine sum()
    {
        Affine value = term();
        while (peek().kind == Kind::Plus || peek().kind == Kind::Minus) {
            const bool minus = take().kind == Kind::Minus;
            const Affine next = term();
            value = value + (minus ? -next : next);
        }
        return value;
    }

    static bool startsFactor(Kind k)
    {
        return k == Kind::Number || k == Kind::X || k == Kind::Y || k == Kind::Open;
    }

    // Products and quotients, left to right; a factor written next to the
    // one before it multiplies it.
    Affine term()
    {
        const std::size_t from = peek().from;
        Affine value = signedFactor();
        for (;;) {
            const Kind k = peek().kind;
            if (k == Kind::Times || k == Kind::Divide) {
                ++next_;
                const Token& at = peek();
                const Affine by = signedFactor();
                value = k == Kind::Times ? times(value, by, from) : over(value, by, from, at.from);
            } else if (startsFactor(k)) {
                value = times(value, power(), from);
            } else {
                return value;
            }
        }
    }

    Affine times(const Affine& p, const Affine& q, std::size_t from) const
    {
        if (!p.constant() && !q.constant())
            throw curve(piece(from, last()), from);
        return checked(p.constant() ? scaled(q, p.c) : scaled(p, q.c), from);
    }

    Affine over(const Affine& p, const Affine& q, std::size_t from, std::size_t divisor) const
    {
        if (!q.constant())
            throw curve(piece(from, last()), from);
        if (q.c == 0)
            throw Refusal { Say(TRELLAN_WORDS("equation", "Dividing by 0 has no answer")), divisor,
                last() };
        return checked(scaled(p, 1 / q.c), from);
    }

    Affine checked(const Affine& p, std::size_t from) const
    {
        if (tooLarge(p))
            throw Refusal { Say(TRELLAN_WORDS("equation",
                                "The numbers here grow too large to work with exactly")),
                from, last() };
        return p;
    }

    Refusal curve(std::string_view what, std::size_t from) const
    {
        return { Say(TRELLAN_WORDS("equation", "%1 makes a curve, not a straight line"), { what }),
            from, last() };
    }

    std::size_t last() const { return tokens_[next_ - 1].to; }

    // Brackets, signs and powers nest by calling down again: a text of
    // thousands of "(" would run out of stack before it ran out of text.
    // No equation a pupil writes comes near this depth.
    static constexpr int deepest = 200;

    Affine signedFactor()
    {
        if (depth_ >= deepest)
            throw Refusal { Say(TRELLAN_WORDS("equation",
                                "The brackets, signs or powers here nest too deeply to read")),
                peek().from, peek().to };
        ++depth_;
        struct Up {
            int& depth;
            ~Up() { --depth; }
        } up { depth_ };
        if (peek().kind == Kind::Minus) {
            ++next_;
            return -signedFactor();
        }
        if (peek().kind == Kind::Plus) {
            ++next_;
            return signedFactor();
        }
        return power();
    }

    Affine power()
    {
        const std::size_t from = peek().from;
        Affine base = primary();
        const std::size_t baseEnd = last();
        while (peek().kind == Kind::Power || peek().kind == Kind::Superscript) {
            mpq_class exponent;
            if (take().kind == Kind::Superscript) {
                exponent = tokens_[next_ - 1].value;
            } else {
                const std::size_t at = peek().from;
                const Affine e = signedFactor();
                if (!e.constant() || e.c.get_den() != 1)
                    throw Refusal { Say(TRELLAN_WORDS(
                                        "equation", "A power must be a whole number, as in x²")),
                        at, last() };
                exponent = e.c;
            }
            base = raised(base, exponent, piece(from, baseEnd), from);
        }
        return base;
    }

    Affine raised(
        const Affine& base, const mpq_class& n, std::string_view what, std::size_t from) const
    {
        if (n == 1)
            return base;
        if (n == 0)
            return { 0, 0, 1 };
        if (!base.constant()) {
            std::string power(what);
            power += n == 2 ? "\xC2\xB2" : n == 3 ? "\xC2\xB3" : '^' + n.get_str();
            throw curve(power, from);
        }
        if (base.c == 0 && n < 0)
            throw Refusal { Say(TRELLAN_WORDS("equation", "Dividing by 0 has no answer")), from,
                last() };
        const mpz_class magnitude = abs(n.get_num());
        const std::size_t bits = std::max<std::size_t>(
            mpz_sizeinbase(base.c.get_num_mpz_t(), 2), mpz_sizeinbase(base.c.get_den_mpz_t(), 2));
        // 0, 1 and -1 stay as they are, whatever the power, but for the sign:
        // a power of 2 or 3 of the same parity does. Others grow with it.
        const bool small = abs(base.c) == 1 || base.c == 0;
        if (!small && (!magnitude.fits_ulong_p() || magnitude.get_ui() > MostBits / bits + 1))
            throw Refusal { Say(TRELLAN_WORDS("equation",
                                "The numbers here grow too large to work with exactly")),
                from, last() };
        const unsigned long e = small ? mpz_class(magnitude % 2).get_ui() + 2 : magnitude.get_ui();
        mpq_class value;
        mpz_pow_ui(value.get_num_mpz_t(), base.c.get_num_mpz_t(), e);
        mpz_pow_ui(value.get_den_mpz_t(), base.c.get_den_mpz_t(), e);
        if (n < 0)
            value = 1 / value;
        return checked({ 0, 0, value }, from);
    }

    Affine primary()
    {
        const Token& t = take();
        switch (t.kind) {
        case Kind::Number:
            return { 0, 0, t.value };
        case Kind::X:
            seenVariable_ = true;
            return { 1, 0, 0 };
        case Kind::Y:
            seenVariable_ = true;
            return { 0, 1, 0 };
        case Kind::Open: {
            if (peek().kind == Kind::Close)
                throw Refusal { Say(TRELLAN_WORDS(
                                    "equation", "There is nothing between \"(\" and \")\"")),
                    t.from, peek().to };
            const Affine inner = sum();
            if (peek().kind != Kind::Close) {
                if (peek().kind == Kind::End || peek().kind == Kind::Equals)
                    throw Refusal { Say(TRELLAN_WORDS("equation",
                                        "This \"(\" is never closed: a \")\" is missing")),
                        t.from, t.to };
                throw misplaced(peek());
            }
            ++next_;
            return inner;
        }
        case Kind::End:
        case Kind::Equals:
        case Kind::Close: {
            --next_;
            if (next_ == 0)
                throw misplaced(t);
            const Token& before = tokens_[next_ - 1];
            throw Refusal { Say(TRELLAN_WORDS("equation", "Something is missing after \"%1\""),
                                { piece(before.from, before.to) }),
                before.from, t.from };
        }
        default:
            --next_;
            throw misplaced(t);
        }
    }

    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    bool seenVariable_ = false;
    int depth_ = 0;
};

// Characters, not bytes, before `at`: where a text box puts its cursor.
} // namespace

Reading<Equation> ReadEquation(std::string_view text)
{
    try {
        std::vector<Token> tokens = scan(text);
        if (tokens.size() == 1)
            throw Refusal { Say(TRELLAN_WORDS(
                                "equation", "Type an equation of a line, such as y = 2x + 3")),
                0, text.size() };
        std::size_t equals = 0;
        for (const Token& t : tokens) {
            if (t.kind != Kind::Equals)
                continue;
            if (++equals == 2)
                throw Refusal { Say(TRELLAN_WORDS(
                                    "equation", "A line has only one \"=\"; here is a second")),
                    t.from, t.to };
        }
        if (equals == 0)
            throw Refusal { Say(TRELLAN_WORDS(
                                "equation", "An equation needs \"=\", as in y = 2x + 3")),
                text.size(), text.size() };
        return Parser(text, std::move(tokens)).equation();
    } catch (const Refusal& r) {
        const std::size_t at = CharactersBefore(text, r.from);
        return Problem { r.problem, at, CharactersBefore(text, r.to) - at };
    }
}

Line LineOf(const Equation& e)
{
    if (e.b == 0) {
        const mpq_class c = e.c / e.a;
        return LineThrough(c, 0, c, 1);
    }
    const mpq_class b = e.c / e.b;
    return LineThrough(0, b, 1, b - e.a / e.b);
}

} // namespace core::exact
