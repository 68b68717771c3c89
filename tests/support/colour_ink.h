#pragma once

#include <QRgb>

#include <cmath>

namespace test_support {

// How much of `colour` a pixel holds over white: 1 for the colour itself, 0
// for white, below 0 for a pixel that is no mix of the two (another colour),
// so that text and lines of one colour can be told from those of another.
inline double inkOf(QRgb pixel, QRgb colour)
{
    const int p[] = { qRed(pixel), qGreen(pixel), qBlue(pixel) };
    const int c[] = { qRed(colour), qGreen(colour), qBlue(colour) };
    double t = -1;
    for (int k = 0; k < 3; ++k) {
        if (c[k] == 255) {
            if (p[k] < 250)
                return -1;
            continue;
        }
        const double part = (255.0 - p[k]) / (255.0 - c[k]);
        if (t >= 0 && std::fabs(part - t) > 0.08)
            return -1;
        t = t < 0 ? part : t;
    }
    return t;
}

} // namespace test_support
