#pragma once

#include <QRect>

namespace look {

// Both windows' layouts are measured in twips: 15 to a pixel at 96 dots per
// inch.
constexpr int twipsPerPixel = 15;

// The nearest whole pixel (no length is a whole and a half pixel: 15 is odd).
constexpr int pixels(int twips)
{
    return (twips >= 0 ? twips + twipsPerPixel / 2 : twips - twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return { pixels(left), pixels(top), pixels(width), pixels(height) };
}

} // namespace look
