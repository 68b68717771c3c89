#include "core/working_text.h"

#include "core/blanks.h"
#include "core/exact_number.h"

#include <algorithm>
#include <cctype>

namespace core::working_text {

namespace {

bool isPlainDecimal(std::string_view s)
{
    if (!s.empty() && s.front() == '-')
        s.remove_prefix(1);
    const auto point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction
        = point == std::string_view::npos ? std::string_view {} : s.substr(point + 1);
    const auto digits = [](std::string_view d) { return std::all_of(d.begin(), d.end(), IsDigit); };
    return !(whole.empty() && fraction.empty()) && digits(whole) && digits(fraction);
}

} // namespace

std::string AsTyped(std::string_view typed, const mpq_class& value)
{
    std::string s;
    for (const char c : typed)
        if (!IsNumberBlank(c))
            s += c;
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    if (isPlainDecimal(s) && s != "-" && s.back() != '.')
        return value == 0 && s.front() == '-' ? s.substr(1) : s;
    return ShortText(value);
}

std::string ShortText(const mpq_class& q)
{
    const std::string decimal = exact::DecimalText(q);
    if (decimal.find('(') == std::string::npos && decimal.find("\u2026") == std::string::npos)
        return decimal;
    return exact::FractionText(q);
}

std::string WithDecimal(const mpq_class& q)
{
    const std::string fraction = exact::FractionText(q);
    if (q.get_den() == 1)
        return fraction;
    const std::string decimal = exact::DecimalText(q);
    if (decimal.find("\u2026") != std::string::npos)
        return fraction;
    return fraction + " = " + decimal;
}

std::string TimesX(const mpq_class& m)
{
    if (m == 1)
        return "x";
    if (m == -1)
        return "-x";
    return exact::FractionText(m) + " x";
}

std::string Term(const std::string& text)
{
    return !text.empty() && text.front() == '-' ? "(" + text + ")" : text;
}

std::string Divisor(const mpq_class& q)
{
    const std::string text = exact::FractionText(q);
    return q < 0 || q.get_den() != 1 ? "(" + text + ")" : text;
}

} // namespace core::working_text
