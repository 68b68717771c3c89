#pragma once

namespace graph {

class Canvas;

// Whether the numbers at the range's far ends, which the tick marks print
// just beyond the picture's right and bottom edges, are printed again inside
// it (for printed pages, whose grids are numbered at both ends).
enum class EndNumbers { Cut, Shown };

// Why the tick marks ended.
enum class TickStop {
    Done, // every tick and number on both axes is drawn
    ScaleRefused, // the canvas refused the scale (L, L)-(U, U); nothing is drawn
    CounterOverflow, // a bound's whole number lies beyond the 16-bit counters; nothing is drawn
    CounterAtLimit, // the x-axis ticks are drawn, then the counter could not step past 32767
};

// The plot frame for the range L..U: the scale (L, L)-(U, U), a grid line at
// every whole number from Int(L) to Int(U) across (colour 5) and down
// (colour 8) in width 1, the two axes (colour 12) in width 2, and the face of
// the numbers to come. A step that cannot be done is left out: a scale the
// canvas refuses leaves the old one, and with a bound beyond the single range
// no line of the frame is drawn. The canvas is left at width 2.
void drawFrame(Canvas& canvas, double L, double U);

// On the frame just drawn: the scale (L, L)-(U, U) again, then for each whole
// number k from Int(L) to Int(U) the tick (k, 0.2)-(k, -0.2) with k printed
// where it ends, and after all of them the tick (-0.2, k)-(0.2, k) with -k
// printed where it ends (the user's y is the panel's -y). Ticks are colour 12
// in the canvas's width. What was drawn before a stop stays.
TickStop drawTickMarks(Canvas& canvas, double L, double U);

// After the tick marks for L..U: the number of the x-axis's last tick, and
// that of the y-axis's bottom tick, where their own do not wholly show, are
// printed again on the other side of their axis, ending at the picture's edge
// (above the x-axis at its right end, left of the y-axis at its foot), so
// that they do not run into their neighbours' numbers.
void drawEndNumbers(Canvas& canvas, double L, double U);

} // namespace graph
