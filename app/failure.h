#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

namespace trellan {

// Every command's exit status, as the manual page lists them.
enum class ExitStatus {
    Done = 0,
    SomeFailed = 1, // some rows could not be answered, or a write failed
    CannotRun = 2, // unusable options, or the input or output cannot be opened
};

// Why a command, or a step of one, did not do what it was asked: one line
// for standard error, and the status the program ends with.
struct Failure {
    std::string message;
    ExitStatus status = ExitStatus::CannotRun;
};

// What a step gives back: its value, or why it has none.
template <class T> struct Result : std::variant<T, Failure> {
    using std::variant<T, Failure>::variant;
    explicit operator bool() const { return this->index() == 0; }
    const T& operator*() const { return std::get<0>(*this); }
    const T* operator->() const { return &std::get<0>(*this); }
    const Failure& failure() const { return std::get<1>(*this); }
};

// A step that gives back nothing but may fail.
using Outcome = Result<std::monostate>;
inline const Outcome done = std::monostate {};

// The one writer to standard error (or to `stream`): "program: message",
// a line of its own, at once.
void tell(std::string_view program, std::string_view message, std::FILE* stream = stderr);

// Says the failure and gives its status.
ExitStatus tell(std::string_view program, const Failure& failure);

} // namespace trellan
