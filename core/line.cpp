#include "core/line.h"

#include "core/checked.h"
#include "core/number_text.h"

namespace core {

namespace {

double slope(const EndPoints& p)
{
    const double d = Subtract(p.Y2, p.Y1);
    const double e = Subtract(p.X2, p.X1);
    return Divide(d, e);
}

} // namespace

std::string SlopeText(const EndPoints& p)
{
    return NumberToText(slope(p));
}

std::string InterceptText(std::string_view S, double X2, double Y2)
{
    const double s = TextToNumber(S);
    const double p = Multiply(s, X2);
    const double q = Subtract(p, Y2);
    const double b = -q;
    return NumberToText(b);
}

std::string EquationText(std::string_view S, std::string_view B)
{
    std::string text = " Y = ";
    text += S;
    text += " X +  ";
    text += B;
    return text;
}

std::string XInterceptFromIntercept(std::string_view YA, const EndPoints& p)
{
    const double n = -TextToNumber(YA);
    const double m = slope(p);
    return NumberToText(Divide(n, m));
}

std::string XInterceptFromSlope(std::string_view S, const EndPoints& p)
{
    const double s = TextToNumber(S);
    const double n = Subtract(Multiply(p.X2, s), p.Y2);
    const double m = slope(p);
    return NumberToText(Divide(n, m));
}

std::string VerticalInterceptText(double c)
{
    return c == 0 ? "all" : "none";
}

std::string VerticalEquationText(double c)
{
    return " X = " + NumberToText(c);
}

} // namespace core
