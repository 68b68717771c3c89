#pragma once

#include "core/errors.h"

namespace core {

// Double arithmetic that never yields an infinity or a NaN. Each operation is
// one IEEE operation rounded to nearest; a result beyond the double range is
// core::Overflow, a non-zero number divided by zero core::DivisionByZero and
// zero divided by zero core::Overflow.
double Add(double a, double b);
double Subtract(double a, double b);
double Multiply(double a, double b);
double Divide(double a, double b);

// The single nearest x; core::Overflow when x lies beyond the single range
// (that is, when it would round to an infinity).
float ToSingle(double x);

// Whether x narrows to a single without overflowing.
bool FitsSingle(double x);

} // namespace core
