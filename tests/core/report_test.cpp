#include "core/report.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultsReport, WorkedExampleCharacterForCharacter)
{
    const std::string report = core::ResultsReport({ "(2,  4)", "-6", "0", "8", "7",
        " Y = 0.5 X +  3", "-7", "-5", "6", "8", " Y = 1 X +  2" });
    EXPECT_EQ(report,
        " Intersection: (2,  4)\r\n"
        " P1 = ( -6 , 0 ) , P2 = ( 8 , 7 )       Equation 1:   Y = 0.5 X +  3\r\n"
        " P3 = ( -7 , -5 ) , P4 = ( 6 , 8 )      Equation 2:   Y = 1 X +  2"
        "\r\n\n\r\n");
}

TEST(ResultsReport, EndPointsAppearAsTyped)
{
    const std::string report = core::ResultsReport({ "Parallel lines. No Intersection.", "abc",
        " 1 ", "", "7", "e1", "0", "1", "1", "2", "e2" });
    EXPECT_EQ(report,
        " Intersection: Parallel lines. No Intersection.\r\n"
        " P1 = ( abc ,  1  ) , P2 = (  , 7 )       Equation 1:  e1\r\n"
        " P3 = ( 0 , 1 ) , P4 = ( 1 , 2 )      Equation 2:  e2\r\n\n\r\n");
}

} // namespace
