#pragma once

namespace graph {

class Canvas;

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

} // namespace graph
