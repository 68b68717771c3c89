#pragma once

#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace core {

// Why a text could not be read, in a pupil's words ("write 2.5 with a
// point"), and the piece of the text it is about: in characters (not bytes)
// from the start; a length of 0 is a place between two characters.
struct Problem {
    std::string what;
    std::size_t at = 0;
    std::size_t length = 0;

    bool operator==(const Problem&) const = default;
};

// The characters of UTF-8 text before its byte `at`: a Problem's places
// from the bytes a reader works on.
constexpr std::size_t CharactersBefore(std::string_view text, std::size_t at)
{
    std::size_t n = 0;
    for (std::size_t k = 0; k < at && k < text.size(); ++k)
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80)
            ++n;
    return n;
}

// What every reader of typed text gives back: the value read, or the
// problem that stopped it. Arithmetic that fails on values already read is
// a different matter and stays an exception (core/errors.h).
template <class T> class Reading {
public:
    Reading(T value)
        : state(std::in_place_index<0>, std::move(value))
    {
    }
    Reading(Problem problem)
        : state(std::in_place_index<1>, std::move(problem))
    {
    }

    explicit operator bool() const { return state.index() == 0; }
    bool read() const { return state.index() == 0; }

    const T& value() const
    {
        assert(read());
        return std::get<0>(state);
    }
    T& value()
    {
        assert(read());
        return std::get<0>(state);
    }
    const T& operator*() const { return value(); }
    T& operator*() { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Only when nothing was read.
    const Problem& problem() const
    {
        assert(!read());
        return std::get<1>(state);
    }

private:
    std::variant<T, Problem> state;
};

} // namespace core
