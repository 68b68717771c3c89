#include "core/exact_answers.h"

#include "core/errors.h"
#include "core/line.h"
#include "core/number_text.h"

#include <cmath>

namespace core {

namespace {

// A binary format: `precision` significant bits, a last bit worth at least
// 2^lowest (the subnormals), and every number from 2^limit on infinite.
struct Format {
    long precision, lowest, limit;
};
constexpr Format doubleFormat { 53, -1074, 1024 };
constexpr Format singleFormat { 24, -149, 128 };

long bits(const mpz_class& z)
{
    return static_cast<long>(mpz_sizeinbase(z.get_mpz_t(), 2));
}

// |q| = n / d is written as m 2^e with m a whole number of at most
// `precision` bits; m is the quotient of n / (d 2^e), rounded by comparing
// twice the remainder with the divisor, so nothing is rounded before it.
double nearest(const mpq_class& q, const Format& format)
{
    if (q == 0)
        return 0;
    const mpz_class n = abs(q.get_num());
    const mpz_class& d = q.get_den();
    // n/d lies in (2^(e+precision-1), 2^(e+precision+1)).
    long e = bits(n) - bits(d) - format.precision;
    mpz_class m, r, divisor;
    const auto divide = [&] {
        mpz_class dividend = n;
        divisor = d;
        if (e >= 0)
            mpz_mul_2exp(divisor.get_mpz_t(), divisor.get_mpz_t(), static_cast<mp_bitcnt_t>(e));
        else
            mpz_mul_2exp(dividend.get_mpz_t(), dividend.get_mpz_t(), static_cast<mp_bitcnt_t>(-e));
        mpz_fdiv_qr(m.get_mpz_t(), r.get_mpz_t(), dividend.get_mpz_t(), divisor.get_mpz_t());
    };
    if (e < format.lowest)
        e = format.lowest;
    divide();
    if (bits(m) > format.precision) {
        ++e;
        divide();
    }
    const int half = cmp(mpz_class(r * 2), divisor);
    if (half > 0 || (half == 0 && mpz_odd_p(m.get_mpz_t())))
        ++m;
    if (m != 0 && bits(m) + e > format.limit)
        throw Overflow();
    // m has at most precision + 1 bits and e is in range: both steps exact.
    const double magnitude = std::ldexp(m.get_d(), static_cast<int>(e));
    return q < 0 ? -magnitude : magnitude;
}

std::string interceptText(const exact::Intercept& at)
{
    switch (at.kind) {
    case exact::InterceptKind::All:
        return "all";
    case exact::InterceptKind::None:
        return "none";
    case exact::InterceptKind::At:
        break;
    }
    return NumberToText(NearestDouble(at.at));
}

} // namespace

double NearestDouble(const mpq_class& q)
{
    return nearest(q, doubleFormat);
}

float NearestSingle(const mpq_class& q)
{
    return static_cast<float>(nearest(q, singleFormat));
}

std::string ExactSlopeText(const exact::Line& line)
{
    return NumberToText(NearestDouble(line.slope));
}

std::string ExactInterceptText(const exact::Line& line)
{
    return interceptText(line.yIntercept);
}

std::string ExactVerticalEquationText(const exact::Line& line)
{
    return VerticalEquationText(NearestDouble(line.xIntercept.at));
}

std::string ExactXInterceptText(const exact::Line& line)
{
    return interceptText(line.xIntercept);
}

Crossing ExactCrossing(const exact::Line& one, const exact::Line& two)
{
    const exact::Crossing c = exact::CrossingOf(one, two);
    if (c.kind == exact::CrossingKind::Same)
        return { CrossingKind::Same, SameLineCaptionSaid() };
    if (c.kind == exact::CrossingKind::Parallel)
        return { CrossingKind::Parallel, ParallelCaptionSaid() };
    return CrossingPoint(NearestDouble(c.x), NearestSingle(c.y));
}

} // namespace core
