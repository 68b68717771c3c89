#include "core/checked.h"

#include "core/errors.h"

#include <cmath>

namespace core {

namespace {

double finite(double r)
{
    if (!std::isfinite(r))
        throw Overflow();
    return r;
}

} // namespace

double Add(double a, double b)
{
    return finite(a + b);
}

double Subtract(double a, double b)
{
    return finite(a - b);
}

double Multiply(double a, double b)
{
    return finite(a * b);
}

double Divide(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0)
            throw Overflow();
        throw DivisionByZero();
    }
    return finite(a / b);
}

float ToSingle(double x)
{
    // Half an ulp above the largest single: from here on (ties go to the
    // even mantissa, which is the infinity) the nearest single is infinite.
    constexpr double limit = 0x1.ffffffp127;
    if (!std::isfinite(x) || std::fabs(x) >= limit)
        throw Overflow();
    return static_cast<float>(x);
}

bool FitsSingle(double x)
{
    try {
        ToSingle(x);
        return true;
    } catch (const Overflow&) {
        return false;
    }
}

} // namespace core
