#pragma once

#include <stdexcept>

namespace core {

// The three ways a computation on field values can fail. No value in the
// program is ever an infinity or a NaN: an operation that would produce one
// raises one of these instead.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A non-zero number divided by zero.
class DivisionByZero : public ArithmeticError {
public:
    DivisionByZero()
        : ArithmeticError("Division by zero")
    {
    }
};

// Zero divided by zero, a result beyond the double range, a number typed
// beyond the double range, a drawing coordinate beyond the single range, or a
// whole number beyond the 16-bit range.
class Overflow : public ArithmeticError {
public:
    Overflow()
        : ArithmeticError("Overflow")
    {
    }
};

// A text read back as a number that is not one.
class TypeMismatch : public ArithmeticError {
public:
    TypeMismatch()
        : ArithmeticError("Type mismatch")
    {
    }
};

} // namespace core
