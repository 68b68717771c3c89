#pragma once

#include <QString>

namespace graph {

// A whole number as the panel prints it: a blank in place of the sign for
// zero and above, and a blank behind (" 5 ", "-3 ").
inline QString tickText(int n)
{
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n) + QLatin1Char(' ');
}

} // namespace graph
