#pragma once

#include <string_view>

// Blanks and digits in typed text, for every reader of it. A blank is one
// of four ASCII characters, never a letter of any language, and a digit is
// 0 to 9, whatever the locale says. Which blanks a reader skips depends on
// where its text comes from; two readers that must agree share one of the
// sets below.
namespace core {

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Blanks within one line: a space or a tab. A pupil's answer and a field of
// a CSV row are one line each; a line end in them is not a blank but
// something else typed.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The blanks a typed number may hold anywhere, as Val reads it: a space, a
// tab or a line feed, and no carriage return. The window's fields read
// numbers so, and everything that must read a number as the window does
// (the answer key, the working's "as typed") skips exactly these.
constexpr bool IsNumberBlank(char c)
{
    return IsBlank(c) || c == '\n';
}

// Blanks with either line end: an equation or a spreadsheet cell may come
// pasted with the line end of the place it was copied from, in either
// system's form.
constexpr bool IsBlankOrLineEnd(char c)
{
    return IsNumberBlank(c) || c == '\r';
}

// The text without the blanks, of the kind given, at its ends.
constexpr std::string_view Trimmed(std::string_view text, bool (*isBlank)(char) = IsBlank)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace core
