#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <charconv>

namespace graph {

// A whole number as the panel prints it: a blank in place of the sign for
// zero and above, and a blank behind (" 5 ", "-3 "). Kept in place rather
// than on the heap: a wide range prints tens of thousands of them.
class TickText {
public:
    explicit TickText(int n)
    {
        std::array<char, 16> digits {};
        char* at = digits.data();
        if (n >= 0)
            *at++ = ' ';
        at = std::to_chars(at, digits.data() + digits.size() - 1, n).ptr;
        *at++ = ' ';
        for (const char* c = digits.data(); c != at; ++c)
            chars_[size_++] = static_cast<char16_t>(*c);
    }

    QStringView view() const { return { chars_.data(), size_ }; }

private:
    std::array<char16_t, 16> chars_ {};
    qsizetype size_ = 0;
};

inline QString tickText(int n)
{
    return TickText(n).view().toString();
}

} // namespace graph
