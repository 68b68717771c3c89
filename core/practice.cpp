#include "core/practice.h"

#include "core/blanks.h"
#include "core/equation.h"
#include "core/exact_number.h"
#include "core/said.h"
#include "core/written_number.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

namespace core::practice {

namespace {

// An answer is typed into a one-line field: its blanks are spaces and tabs
// (core/blanks.h's IsBlank), and a line end is something else typed.

constexpr std::string_view lowerLetters = "abcdefghijklmnopqrstuvwxyz";

// U+00C0 to U+00DF and U+00E0 to U+00FF without their accents; nothing for
// the signs and letters that have no plain form here (× ÷ Þ þ). "ÿ", the
// one small letter whose capital lies elsewhere, is read apart.
constexpr std::string_view latinLetters[32] { "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e",
    "e", "e", "i", "i", "i", "i", "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u",
    "y", "", "ss" };

// A letter as the word tables below write it: small, without its accent
// ("É" and "é" are "e", "ß" is "ss"), and a typographic apostrophe as "'",
// so that "Non définie", "non definie" and "NON DÉFINIE" are one answer.
// Only ASCII and the Latin-1 letters change, so that no locale comes into
// it; `bytes` is how many bytes of the text the character takes.
struct Folded {
    std::string_view letters;
    std::size_t bytes;
};

Folded foldedAt(std::string_view text, std::size_t at)
{
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 'A' && c <= 'Z')
        return { lowerLetters.substr(c - 'A', 1), 1 };
    if (c == 0xC3 && at + 1 < text.size()) {
        // U+00C0 to U+00FF: capitals, then small letters in the same order.
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0xBF) {
            const std::string_view base = next == 0xBF ? "y" : latinLetters[(next - 0x80) % 32];
            if (!base.empty())
                return { base, 2 };
        }
    }
    if (text.substr(at).starts_with("\xE2\x80\x99")) // ’
        return { "'", 3 };
    return { text.substr(at, 1), 1 };
}

// The text as the word tables write it, letter by letter.
std::string folded(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const Folded f = foldedAt(text, at);
        out += f.letters;
        at += f.bytes;
    }
    return out;
}

// The words of a text folded as above, one blank between them, without a
// full stop at the end: "  The SAME\tline. " is "the same line".
std::string words(std::string_view text)
{
    text = Trimmed(text);
    while (!text.empty() && (text.back() == '.' || text.back() == '!'))
        text.remove_suffix(1);
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
        out += c;
    }
    return folded(out);
}

template <std::size_t N>
bool saysOneOf(const std::string& said, const std::string_view (&phrases)[N])
{
    return std::find(std::begin(phrases), std::end(phrases), said) != std::end(phrases);
}

// What pupils write for a vertical line's slope, for lines that never meet,
// and so on, in English, German, French and Spanish whatever the chosen
// language: a right answer in any of them is right. Written as words()
// leaves a text: small letters, no accents, one blank between words.
constexpr std::string_view noSlopeWords[] { "undefined", "not defined", "does not exist",
    "it does not exist", "none", "no slope", "no gradient", "it is undefined", "slope is undefined",
    "m is undefined", "the slope is undefined",
    // Deutsch
    "nicht definiert", "undefiniert", "nicht definierbar", "ist nicht definiert",
    "sie ist nicht definiert", "die steigung ist nicht definiert", "existiert nicht",
    "gibt es nicht", "keine", "keine steigung",
    // Français
    "non definie", "non defini", "indefinie", "indefini", "pas definie", "pas defini",
    "elle n'est pas definie", "la pente n'est pas definie", "la pente est non definie",
    "n'existe pas", "elle n'existe pas", "aucune", "pas de pente",
    // Español
    "no definida", "no definido", "indefinida", "indefinido", "no esta definida",
    "la pendiente no esta definida", "no existe", "ninguna", "no tiene pendiente",
    "sin pendiente" };
constexpr std::string_view infiniteSlopeWords[] { "infinite", "infinity", "\xE2\x88\x9E",
    "unendlich", "infini", "infinie", "infinito", "infinita" };
constexpr std::string_view noInterceptWords[] { "none", "no y-intercept", "no y intercept",
    "no intercept", "does not exist", "it does not exist", "doesn't exist", "there is none",
    "undefined", "it is undefined",
    // Deutsch
    "keiner", "keinen", "kein", "kein y-achsenabschnitt", "keinen y-achsenabschnitt",
    "existiert nicht", "gibt es nicht", "nicht definiert", "undefiniert",
    // Français
    "aucune", "aucun", "pas d'ordonnee a l'origine", "n'existe pas", "elle n'existe pas",
    "non definie", "indefinie", "pas definie",
    // Español
    "ninguna", "ninguno", "no tiene", "no existe", "no hay", "no tiene ordenada en el origen",
    "no definida", "indefinida", "no esta definida" };
constexpr std::string_view allInterceptWords[] { "all", "every point", "all points",
    "infinitely many", "the whole line", "whole line",
    // Deutsch
    "alle", "alle punkte", "jeder punkt", "unendlich viele", "die ganze gerade",
    // Français
    "tous", "tous les points", "une infinite", "toute la droite",
    // Español
    "todos", "todos los puntos", "infinitos", "toda la recta" };
constexpr std::string_view neverMeetWords[] { "parallel", "parallel lines", "they are parallel",
    "the lines are parallel", "no intersection", "no intersection point", "no crossing",
    "no crossing point", "no point", "no common point", "none", "no solution", "no solutions",
    "they never meet", "they do not meet", "they don't meet",
    // Deutsch
    "sind parallel", "sie sind parallel", "die geraden sind parallel", "parallele geraden",
    "kein schnittpunkt", "es gibt keinen schnittpunkt", "keine losung", "keiner",
    "sie schneiden sich nicht",
    // Français
    "paralleles", "parallele", "droites paralleles", "elles sont paralleles",
    "les droites sont paralleles", "pas de point d'intersection", "aucun point d'intersection",
    "pas de solution", "aucune solution", "elles ne se coupent pas", "aucun",
    // Español
    "paralelas", "paralela", "rectas paralelas", "son paralelas", "las rectas son paralelas",
    "no se cortan", "no hay punto de corte", "ningun punto de corte", "sin solucion",
    "no hay solucion", "no tiene solucion", "ninguno" };
constexpr std::string_view oneLineWords[] { "same", "the same", "same line", "same lines",
    "the same line", "they are the same line", "they are the same", "infinitely many",
    "infinitely many points", "infinitely many solutions", "infinite solutions", "coincident",
    "they coincide", "identical", "they are identical", "the lines are the same", "all points",
    "every point",
    // Deutsch
    "dieselbe gerade", "die gleiche gerade", "gleiche gerade", "sie sind dieselbe gerade",
    "identisch", "sie sind identisch", "die geraden sind identisch", "unendlich viele",
    "unendlich viele punkte", "unendlich viele losungen",
    // Français
    "la meme droite", "meme droite", "c'est la meme droite", "confondues", "elles sont confondues",
    "les droites sont confondues", "droites confondues", "une infinite de solutions",
    "une infinite de points",
    // Español
    "la misma recta", "misma recta", "es la misma recta", "son la misma recta", "coinciden",
    "las rectas coinciden", "coincidentes", "son coincidentes", "infinitas soluciones",
    "infinitos puntos" };

// The text after a label such as "m =" or "slope:", when it starts with
// one of the labels, in any case and with any blanks, and with or without
// its accents; the text itself when it starts with none.
template <std::size_t N>
std::string_view afterLabel(std::string_view text, const std::string_view (&labels)[N])
{
    text = Trimmed(text);
    for (const std::string_view label : labels) {
        std::size_t at = 0, matched = 0;
        while (at < text.size() && matched < label.size()) {
            const Folded f = foldedAt(text, at);
            if (label.substr(matched, f.letters.size()) != f.letters)
                break;
            matched += f.letters.size();
            at += f.bytes;
        }
        if (matched < label.size() || at == text.size())
            continue;
        std::string_view rest = Trimmed(text.substr(at));
        if (rest.starts_with('=') || rest.starts_with(':'))
            return Trimmed(rest.substr(1));
    }
    return text;
}

constexpr std::string_view slopeLabels[] { "slope", "gradient", "m", "steigung", "die steigung",
    "pente", "la pente", "pendiente", "la pendiente" };
constexpr std::string_view interceptLabels[] { "y-intercept", "y intercept", "intercept", "b", "c",
    "y-achsenabschnitt", "y-achsen-abschnitt", "achsenabschnitt", "ordonnee a l'origine",
    "l'ordonnee a l'origine", "ordonnee", "ordenada en el origen", "la ordenada en el origen",
    "ordenada al origen", "ordenada" };

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

Verdict markOf(bool right)
{
    return { right ? Mark::Right : Mark::Wrong, {} };
}

Verdict notRead(std::string advice)
{
    return { Mark::NotRead, std::move(advice) };
}

struct Point {
    mpq_class x, y;
};

// The place of the bracket that closes the one at open, if any.
std::size_t closingBracket(std::string_view text, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0)
            return i;
    }
    return std::string_view::npos;
}

// A number, or a coordinate after its name ("x = -5").
Reading<mpq_class> coordinate(std::string_view text, std::string_view name)
{
    text = Trimmed(text);
    if (text.size() > 1 && (text[0] == name[0] || text[0] == name[0] - 'a' + 'A')) {
        const std::string_view rest = Trimmed(text.substr(1));
        if (rest.starts_with('=') || rest.starts_with(':'))
            text = rest.substr(1);
    }
    return exact::ReadWrittenNumber(text);
}

std::string pointAdvice()
{
    return Say(TRELLAN_WORDS("practice", "write the point as (x, y), such as (2, -1)"));
}

enum class Brackets { Optional, Required };

// A point: "(x, y)" or "x, y", with "|" or ";" in place of the comma, or
// "x = 1, y = 2" and "x = 1 and y = 2". An opening bracket must be closed at
// the end: "(2, 4" is no point. Where a number is asked for, a point needs
// its brackets, so that "2,5" is a decimal comma, not the point (2, 5).
Reading<Point> readPoint(std::string_view text, Brackets brackets = Brackets::Optional)
{
    text = Trimmed(text);
    const bool bracketed = text.starts_with('(') && closingBracket(text, 0) == text.size() - 1;
    if (!bracketed && brackets == Brackets::Required)
        return Problem { pointAdvice() };
    if (bracketed)
        text = text.substr(1, text.size() - 2);
    // Small letters to find " and " in any case; the same places as text.
    std::string small(text);
    for (char& c : small)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    std::string_view separator = ",";
    for (const std::string_view s : { "|", ";", " and ", " und ", " et ", "&" })
        if (small.find(s) != std::string::npos) {
            separator = s;
            break;
        }
    const std::size_t at = small.find(separator);
    if (at == std::string::npos
        || small.find(separator, at + separator.size()) != std::string::npos)
        return Problem { pointAdvice() };
    std::string_view first = Trimmed(text.substr(0, at));
    std::string_view second = Trimmed(text.substr(at + separator.size()));
    // "y = -8, x = -5" names its coordinates the other way round.
    if (!first.empty() && (first[0] | 0x20) == 'y' && !second.empty() && (second[0] | 0x20) == 'x')
        std::swap(first, second);
    auto x = coordinate(first, "x");
    auto y = coordinate(second, "y");
    if (!x)
        return x.problem();
    if (!y)
        return y.problem();
    return Point { *x, *y };
}

// What follows a function's name, "f(x)", "F (x)" or "g( x )", where a
// school book writes "y"; nothing when the text starts with none.
std::optional<std::string_view> afterFunctionName(std::string_view text)
{
    const auto isName = [](char c) {
        return ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) && c != 'x' && c != 'X'
            && c != 'y' && c != 'Y';
    };
    if (text.empty() || !isName(text[0]))
        return std::nullopt;
    std::size_t at = 1;
    for (const std::string_view wanted : { "(", "x", ")" }) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        if (at == text.size() || (text[at] | 0x20) != wanted[0])
            return std::nullopt;
        ++at;
    }
    return text.substr(at);
}

// A point without the name a pupil may give it: "S(-5|-8)", "P (2, 4)" and
// "(x, y) = (2, 4)" are the point (2, 4).
std::string_view withoutPointName(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (equals != std::string_view::npos) {
        std::string name;
        for (const char c : text.substr(0, equals))
            if (!IsBlank(c))
                name += static_cast<char>(c | 0x20);
        if (name == "(x,y)" || name == "(x|y)" || name == "(x;y)")
            return Trimmed(text.substr(equals + 1));
    }
    if (text.size() > 2 && ((text[0] | 0x20) >= 'a' && (text[0] | 0x20) <= 'z')
        && (text[0] | 0x20) != 'x' && (text[0] | 0x20) != 'y') {
        const std::string_view rest = Trimmed(text.substr(1));
        if (rest.starts_with('('))
            return rest;
    }
    return text;
}

bool isEmpty(std::string_view typed)
{
    return Trimmed(typed).empty();
}

// The answer as a sentence may end: "(-5, -8)." and "-3 3/4." are the point
// and the number. A number's own point stays a number's: "5." is 5 either
// way.
std::string_view withoutFullStop(std::string_view typed)
{
    typed = Trimmed(typed);
    if (typed.size() > 1 && (typed.back() == '.' || typed.back() == '!'))
        typed.remove_suffix(1);
    return Trimmed(typed);
}

// The problem's advice, or the answer's own when the text is not even
// close to a number.
std::string adviceFor(const Problem& problem, Words general)
{
    return problem.what == exact::NotANumberAdvice() ? Say(general) : problem.what;
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

Verdict CheckSlope(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    const std::string_view answer = afterLabel(withoutFullStop(typed), slopeLabels);
    const std::string said = words(answer);
    if (saysOneOf(said, noSlopeWords))
        return markOf(line.kind == exact::LineKind::Vertical);
    if (saysOneOf(said, infiniteSlopeWords))
        return notRead(line.kind == exact::LineKind::Vertical
                ? Say(
                    TRELLAN_WORDS("practice", "a vertical line has no slope: write \"undefined\""))
                : Say(TRELLAN_WORDS("practice",
                    "a slope is a number, such as 3, -1.5 or 2/3; only a vertical line's is "
                    "undefined")));
    const auto m = exact::ReadWrittenNumber(answer);
    if (!m)
        return notRead(adviceFor(m.problem(),
            TRELLAN_WORDS("practice", "write the slope as a number, such as 3, -1.5 or 2/3")));
    return markOf(line.kind == exact::LineKind::Line && *m == line.slope);
}

Verdict CheckIntercept(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    const std::string_view answer = afterLabel(withoutFullStop(typed), interceptLabels);
    const std::string said = words(answer);
    const bool vertical = line.kind == exact::LineKind::Vertical;
    const bool all = vertical && line.yIntercept.kind == exact::InterceptKind::All;
    if (saysOneOf(said, allInterceptWords))
        return markOf(all);
    if (saysOneOf(said, noInterceptWords))
        return markOf(vertical && !all);
    const bool onLine = line.kind == exact::LineKind::Line;
    if (const auto b = exact::ReadWrittenNumber(answer))
        return markOf(onLine && *b == line.yIntercept.at);
    const auto point = readPoint(answer, Brackets::Required);
    if (point)
        return markOf(onLine && point->x == 0 && point->y == line.yIntercept.at);
    // What went wrong in a point is the point's to say; else the number's.
    const Problem problem = answer.starts_with('(') && point.problem().what != pointAdvice()
        ? point.problem()
        : exact::ReadWrittenNumber(answer).problem();
    return notRead(adviceFor(problem,
        TRELLAN_WORDS("practice",
            "write the y-intercept as a number, such as 3, or as a point, such as (0, 3)")));
}

Verdict CheckEquation(std::string_view typed, const exact::Line& line)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    std::string text(withoutFullStop(typed));
    if (const auto rest = afterFunctionName(text))
        text = std::string("y").append(*rest);
    if (text.find('=') == std::string::npos) {
        if (exact::ReadEquation("y = " + text))
            return notRead(
                Say(TRELLAN_WORDS("practice", "write it as an equation: y = %1"), { text }));
        return notRead(Say(TRELLAN_WORDS("practice", "write the equation as y = ...")));
    }
    const Reading<exact::Equation> reading = exact::ReadEquation(text);
    if (!reading)
        return notRead(reading.problem().what);
    return markOf(isLine(line) && sameLine(exact::LineOf(*reading), line));
}

Verdict CheckCrossing(std::string_view typed, const exact::Crossing& crossing)
{
    if (isEmpty(typed))
        return { Mark::Empty, {} };
    const std::string_view answer = withoutFullStop(typed);
    const std::string said = words(answer);
    if (saysOneOf(said, neverMeetWords))
        return markOf(crossing.kind == exact::CrossingKind::Parallel);
    if (saysOneOf(said, oneLineWords))
        return markOf(crossing.kind == exact::CrossingKind::Same);
    const auto point = readPoint(withoutPointName(answer));
    if (!point)
        return notRead(adviceFor(point.problem(),
            TRELLAN_WORDS("practice",
                "write the crossing as a point, such as (2, -1), or say \"parallel\" or \"the "
                "same line\"")));
    return markOf(crossing.kind == exact::CrossingKind::Point && point->x == crossing.x
        && point->y == crossing.y);
}

Verdict Check(
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
    return markOf(false);
}

} // namespace core::practice
