#include "core/exact_line.h"
#include "core/practice.h"

#include <gtest/gtest.h>
#include <string>

// Practice takes the words for a slope, a crossing and an intercept in
// English, German, French and Spanish whatever the chosen language, in any
// case and with or without accents: a right answer is never marked wrong.
namespace {

using core::exact::LineThrough;
using core::practice::Check;
using core::practice::Mark;
using core::practice::Question;

const core::exact::Line half = LineThrough(0, 3, 2, 4); // y = x/2 + 3
const core::exact::Line falling = LineThrough(0, 6, 6, 0); // meets half at (2, 4)
const core::exact::Line halfHigher = LineThrough(0, 5, 2, 6);
const core::exact::Line halfAgain = LineThrough(-6, 0, 4, 5);
const core::exact::Line upright = LineThrough(2, 0, 2, 5); // x = 2
const core::exact::Line yAxis = LineThrough(0, 1, 0, 5);

struct WordRow {
    const char* name;
    Question question;
    const core::exact::Line* one;
    const core::exact::Line* two;
    const char* typed;
    Mark mark;
};

class PracticeWordsTest : public testing::TestWithParam<WordRow> { };

TEST_P(PracticeWordsTest, MarksTheAnswer)
{
    const WordRow& row = GetParam();
    EXPECT_EQ(Check(row.question, row.typed, *row.one, *row.two), row.mark);
}

constexpr auto R = Mark::Right, W = Mark::Wrong, N = Mark::NotRead;
using enum Question;

const WordRow wordRows[] = {
    { "de_nicht_definiert", Slope1, &upright, &half, "nicht definiert", R },
    { "de_undefiniert_capital", Slope1, &upright, &half, "Undefiniert.", R },
    { "de_nicht_definiert_of_slanted", Slope1, &half, &falling, "nicht definiert", W },
    { "fr_non_definie", Slope1, &upright, &half, "non définie", R },
    { "fr_non_definie_capitals", Slope1, &upright, &half, "NON DÉFINIE", R },
    { "fr_pas_definie", Slope1, &upright, &half, "pas définie", R },
    { "es_no_esta_definida", Slope1, &upright, &half, "No está definida", R },
    { "de_infinite_asks_again", Slope1, &upright, &half, "unendlich", N },
    { "de_parallel", Crossing, &half, &halfHigher, "sind parallel", R },
    { "de_parallel_of_crossing_lines", Crossing, &half, &falling, "parallel", W },
    { "de_dieselbe_gerade", Crossing, &half, &halfAgain, "dieselbe Gerade", R },
    { "de_die_gleiche_gerade", Crossing, &half, &halfAgain, "Die gleiche Gerade", R },
    { "de_dieselbe_gerade_of_parallel", Crossing, &half, &halfHigher, "dieselbe Gerade", W },
    { "de_point_with_und", Crossing, &half, &falling, "x = 2 und y = 4", R },
    { "fr_paralleles", Crossing, &half, &halfHigher, "parallèles", R },
    { "fr_droites_paralleles", Crossing, &half, &halfHigher, "droites paralleles", R },
    { "fr_la_meme_droite", Crossing, &half, &halfAgain, "la même droite", R },
    { "fr_confondues", Crossing, &half, &halfAgain, "Confondues.", R },
    { "fr_apostrophe", Slope1, &upright, &half, "elle n’existe pas", R },
    { "es_paralelas", Crossing, &half, &halfHigher, "paralelas", R },
    { "es_la_misma_recta", Crossing, &half, &halfAgain, "la misma recta", R },
    { "es_coinciden", Crossing, &half, &halfAgain, "coinciden", R },
    { "es_paralela_of_same", Crossing, &half, &halfAgain, "paralela", W },
    { "de_slope_label", Slope1, &half, &falling, "Steigung: 1/2", R },
    { "fr_slope_label", Slope1, &half, &falling, "la pente = 0.5", R },
    { "es_slope_label", Slope1, &half, &falling, "Pendiente = 1/2", R },
    { "de_intercept_label", Yint1, &half, &falling, "y-Achsenabschnitt = 3", R },
    { "fr_intercept_label", Yint1, &half, &falling, "ordonnée à l'origine : 3", R },
    { "es_intercept_label", Yint1, &half, &falling, "Ordenada en el origen: 3", R },
    { "de_no_intercept", Yint1, &upright, &half, "keinen", R },
    { "fr_every_point", Yint2, &half, &yAxis, "tous les points", R },
    { "es_no_intercept_of_axis", Yint2, &half, &yAxis, "no existe", W },
};

INSTANTIATE_TEST_SUITE_P(Words, PracticeWordsTest, testing::ValuesIn(wordRows),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
