#include "core/exact_line.h"
#include "core/exact_number.h"
#include "core/working.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <regex>
#include <string>

// Every working the engine writes is checked by reading its lines back:
// each chain "label = a = b" is evaluated exactly, every value must equal
// the one before it under the same label, and the last value must be the
// step's result, which must be the exact answer.
namespace {

using core::exact::CrossingKind;
using core::exact::FractionText;
using core::exact::InterceptKind;
using core::exact::LineKind;

// Reads the arithmetic the working writes: numbers ("3", "2.5", ".5",
// "0.1(6)"), + - * /, brackets and a leading minus. Nothing for anything
// else: a letter, a word, a comma.
class Evaluator {
public:
    explicit Evaluator(std::string_view text)
        : text_(text)
    {
    }

    std::optional<mpq_class> value()
    {
        auto v = sum();
        skipBlanks();
        return v && at_ == text_.size() ? v : std::nullopt;
    }

private:
    void skipBlanks()
    {
        while (at_ < text_.size() && text_[at_] == ' ')
            ++at_;
    }

    bool take(char c)
    {
        skipBlanks();
        return at_ < text_.size() && text_[at_] == c && ++at_;
    }

    // Applies each operator of `ops` to what `next` reads, left to right.
    template <typename Next> std::optional<mpq_class> chainOf(const char* ops, Next next)
    {
        auto v = (this->*next)();
        for (char op; v && (take(op = ops[0]) || take(op = ops[1]));) {
            const auto r = (this->*next)();
            if (!r || (op == '/' && *r == 0))
                return std::nullopt;
            if (op == '+')
                *v += *r;
            else if (op == '-')
                *v -= *r;
            else if (op == '*')
                *v *= *r;
            else
                *v /= *r;
        }
        return v;
    }

    std::optional<mpq_class> sum() { return chainOf("+-", &Evaluator::product); }
    std::optional<mpq_class> product() { return chainOf("*/", &Evaluator::factor); }

    std::optional<mpq_class> factor()
    {
        if (take('-')) {
            auto v = factor();
            return v ? std::optional<mpq_class>(-*v) : std::nullopt;
        }
        if (take('(')) {
            auto v = sum();
            return v && take(')') ? v : std::nullopt;
        }
        skipBlanks();
        const std::string whole = digits();
        std::string fraction, repeating;
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            fraction = digits();
            if (at_ < text_.size() && text_[at_] == '(' && ++at_
                && ((repeating = digits()).empty() || !take(')')))
                return std::nullopt;
        }
        if (whole.empty() && fraction.empty())
            return std::nullopt;
        const mpz_class shift = power(fraction.size());
        mpq_class v(mpz_class("0" + whole + fraction, 10), shift);
        if (!repeating.empty())
            v += mpq_class(mpz_class(repeating, 10), shift * (power(repeating.size()) - 1));
        v.canonicalize();
        return v;
    }

    std::string digits()
    {
        const std::size_t from = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            ++at_;
        return std::string(text_.substr(from, at_ - from));
    }

    static mpz_class power(std::size_t n)
    {
        mpz_class p;
        mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
        return p;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<mpq_class> evaluate(std::string_view text)
{
    return Evaluator(text).value();
}

std::vector<std::string> chain(const std::string& line)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = line.find(" = ", from)) != std::string::npos; from = at + 3)
        parts.push_back(line.substr(from, at - from));
    parts.push_back(line.substr(from));
    return parts;
}

// What no pupil writes: a zero with a minus ("-0 / 2", "(-0)"), and a
// coefficient of 1 ("1 x", "-1 x").
bool writtenAsAPupilWould(const std::string& line)
{
    static const std::regex minusZero("(^|[^0-9.])-0($|[^0-9.])");
    static const std::regex coefficientOne("(^|[^0-9./a-z])1 x");
    return !std::regex_search(line, minusZero) && !std::regex_search(line, coefficientOne);
}

// Checks a step's lines read back, and returns the last value under each
// label.
std::map<std::string, mpq_class> readBack(const core::WorkingStep& step)
{
    std::map<std::string, mpq_class> last;
    for (const std::string& line : step.lines) {
        EXPECT_TRUE(
            std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            << "not plain text: " << line;
        EXPECT_TRUE(writtenAsAPupilWould(line)) << step.id << ": " << line;
        const auto parts = chain(line);
        for (std::size_t k = 1; k < parts.size(); ++k) {
            const auto v = evaluate(parts[k]);
            if (!v)
                continue;
            const auto before = last.find(parts[0]);
            if (before != last.end()) {
                EXPECT_EQ(before->second, *v) << step.id << ": " << line;
            }
            last[parts[0]] = *v;
        }
    }
    return last;
}

void expectLast(
    const std::map<std::string, mpq_class>& last, const std::string& label, const mpq_class& value)
{
    const auto at = last.find(label);
    ASSERT_NE(at, last.end()) << "no value for " << label;
    EXPECT_EQ(at->second, value) << label;
}

std::string interceptText(const core::exact::Intercept& at)
{
    if (at.kind == InterceptKind::At)
        return FractionText(at.at);
    return at.kind == InterceptKind::None ? "none" : "all";
}

// A number as a pupil might type it: a whole number, a decimal with one or
// two places, or a repeat of a number already typed (for vertical,
// horizontal and identical lines).
std::string randomNumber(std::mt19937& random, const std::vector<std::string>& typed)
{
    std::uniform_int_distribution<int> kind(0, 5), whole(-12, 12), places(-999, 999);
    switch (kind(random)) {
    case 0:
    case 1:
        return std::to_string(whole(random));
    case 2: {
        const int n = places(random);
        std::string s = std::to_string(std::abs(n) / 100) + "." + std::to_string(std::abs(n) % 100);
        return n < 0 ? "-" + s : s;
    }
    default:
        if (typed.empty())
            return "0";
        return typed[std::uniform_int_distribution<std::size_t>(0, typed.size() - 1)(random)];
    }
}

TEST(WorkingProperty, EveryStepReadsBackToTheExactAnswer)
{
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<std::string> typed;
        for (int k = 0; k < 8; ++k)
            typed.push_back(randomNumber(random, typed));
        const std::array<std::string, 4> a { typed[0], typed[1], typed[2], typed[3] };
        const std::array<std::string, 4> b { typed[4], typed[5], typed[6], typed[7] };
        SCOPED_TRACE(testing::Message() << "typed: " << testing::PrintToString(typed));
        const core::exact::Line lines[2] = { core::exact::LineThrough(a[0], a[1], a[2], a[3]),
            core::exact::LineThrough(b[0], b[1], b[2], b[3]) };
        const auto steps = core::WorkingFor(a, b);
        ASSERT_EQ(steps.size(), 12U);

        for (int n = 0; n < 2; ++n) {
            const core::exact::Line& line = lines[n];
            const bool isLine = line.kind == LineKind::Line || line.kind == LineKind::Vertical;
            const auto* s = &steps[static_cast<std::size_t>(5 * n)];
            for (int k = 0; k < 5; ++k) {
                EXPECT_EQ(s[k].result.has_value(), isLine) << s[k].id;
                readBack(s[k]);
            }
            if (!isLine)
                continue;
            const auto xaxis = readBack(s[3]);
            EXPECT_EQ(s[2].result, core::exact::EquationText(line));
            EXPECT_EQ(*s[1].result, interceptText(line.yIntercept));
            EXPECT_EQ(*s[4].result, interceptText(line.yIntercept));
            EXPECT_EQ(*s[3].result, interceptText(line.xIntercept));
            if (line.kind == LineKind::Vertical) {
                EXPECT_EQ(*s[0].result, "undefined");
                continue;
            }
            EXPECT_EQ(*s[0].result, FractionText(line.slope));
            // The substituted line is read from the typed numbers, so the
            // last value checks the arithmetic itself.
            expectLast(readBack(s[0]), "m", line.slope);
            expectLast(readBack(s[1]), "b", line.yIntercept.at);
            expectLast(readBack(s[4]), "y", line.yIntercept.at);
            if (line.xIntercept.kind == InterceptKind::At)
                expectLast(xaxis, "x", line.xIntercept.at);
        }

        const core::exact::Crossing crossing = core::exact::CrossingOf(lines[0], lines[1]);
        const core::WorkingStep& cross = steps[10];
        const core::WorkingStep& relation = steps[11];
        const auto at = readBack(cross);
        readBack(relation);
        switch (crossing.kind) {
        case CrossingKind::None:
            EXPECT_EQ(cross.result, std::nullopt);
            EXPECT_EQ(relation.result, std::nullopt);
            break;
        case CrossingKind::Parallel:
        case CrossingKind::Same: {
            const std::string kind = crossing.kind == CrossingKind::Same ? "same" : "parallel";
            EXPECT_EQ(cross.result, kind);
            EXPECT_EQ(relation.result, kind);
            break;
        }
        case CrossingKind::Point: {
            std::string point = "(";
            point += FractionText(crossing.x) + ", " + FractionText(crossing.y) + ")";
            EXPECT_EQ(cross.result, point);
            expectLast(at, "y", crossing.y);
            if (at.count("x"))
                expectLast(at, "x", crossing.x);
            // Perpendicular by what it means: the directions' dot product is 0.
            const auto direction = [](const core::exact::Line& l) {
                return l.kind == LineKind::Vertical ? std::pair<mpq_class, mpq_class>(0, 1)
                                                    : std::pair<mpq_class, mpq_class>(1, l.slope);
            };
            const auto [dx1, dy1] = direction(lines[0]);
            const auto [dx2, dy2] = direction(lines[1]);
            EXPECT_EQ(relation.result, dx1 * dx2 + dy1 * dy2 == 0 ? "perpendicular" : "crossing");
            break;
        }
        }
    }
}

TEST(WorkingProperty, TheSlipsCheckSeesThem)
{
    for (const char* slip : { "x = -0 / 2", "0 = 1 x + 0", "-1 x + 2 = x", "y = (-0)" })
        EXPECT_FALSE(writtenAsAPupilWould(slip)) << slip;
    for (const char* fine :
        { "x = -0.5", "0 = 11 x + 0", "0 = 3/1 x", "m = (7 - 0) / 2", "y = -x" })
        EXPECT_TRUE(writtenAsAPupilWould(fine)) << fine;
}

TEST(WorkingProperty, TheEvaluatorReadsWhatTheWorkingWrites)
{
    EXPECT_EQ(evaluate("-(-3) / (1/2)"), mpq_class(6));
    EXPECT_EQ(evaluate("0.1(6)"), mpq_class(1, 6));
    EXPECT_EQ(evaluate("-5 - 3/2 * 4"), mpq_class(-11));
    EXPECT_EQ(evaluate(".5 - 2.25"), mpq_class(-7, 4));
    EXPECT_EQ(evaluate("1/2 x + 3"), std::nullopt);
    EXPECT_EQ(evaluate("(0, 3)"), std::nullopt);
}

} // namespace
