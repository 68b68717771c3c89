#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Exercises for a worksheet: pairs of lines through whole-number end points
// inside -10..10, made from a seed, so that the same seed and level give the
// same exercises on every machine.
namespace core {

// The end points of both lines: X1, Y1, X2, Y2 of line one, then of line two.
using Exercise = std::array<int, 8>;

// How hard the exercises are.
//  1: whole-number slopes other than 0, 1 and -1, crossing at whole numbers
//     inside -10..10;
//  2: fractional slopes (halves, thirds, quarters, fifths), never 0 or ±1,
//     crossing at whole numbers or halves inside -10..10;
//  3: as 2, with about one pair in four parallel, the same line, vertical,
//     horizontal or perpendicular.
// At every level a line's two end points differ, no line is an axis, and no
// two exercises of one sheet are the same.
inline constexpr int LowestLevel = 1, HighestLevel = 3;

// `count` exercises of `level` from `seed`. Fewer only when the level has
// fewer different exercises than asked for, which no sheet comes near.
std::vector<Exercise> MakeExercises(int count, int level, std::uint64_t seed);

// The exercise as the eight typed texts the window and the answer key read.
std::array<std::string, 8> ExerciseTexts(const Exercise& exercise);

// The exercise as a pupil reads it, in UTF-8, a minus written as the minus
// sign U+2212: "Line one passes through (−6, 0) and (8, 7); line two through
// (−7, −5) and (6, 8)".
std::string ExerciseSentence(const Exercise& exercise);

} // namespace core
