#pragma once

#include "core/errors.h"
#include "fuzz_check.h"

#include <exception>
#include <optional>
#include <utility>

namespace fuzz {

// How a core operation ended: with a value, or with one of the three
// arithmetic errors. Anything else it raises is a broken property.
enum class Failure { None, DivisionByZero, Overflow, TypeMismatch };

const char* FailureName(Failure f);

template <typename T> struct Outcome {
    std::optional<T> value;
    Failure failure = Failure::None;

    bool operator==(const Outcome&) const = default;
};

template <typename F>
auto Attempt(const char* what, F&& operation) -> Outcome<decltype(operation())>
{
    try {
        return { std::forward<F>(operation)(), Failure::None };
    } catch (const core::DivisionByZero&) {
        return { std::nullopt, Failure::DivisionByZero };
    } catch (const core::Overflow&) {
        return { std::nullopt, Failure::Overflow };
    } catch (const core::TypeMismatch&) {
        return { std::nullopt, Failure::TypeMismatch };
    } catch (const std::exception& e) {
        FUZZ_FAIL("%s raised \"%s\", which is none of the three arithmetic errors", what, e.what());
    } catch (...) {
        FUZZ_FAIL("%s raised something that is not an exception", what);
    }
}

} // namespace fuzz
