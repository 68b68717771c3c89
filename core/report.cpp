#include "core/report.h"

#include <initializer_list>

namespace core {

std::string ResultsReport(const ReportFields& f)
{
    const std::initializer_list<std::string_view> pieces = {
        " Intersection: ",
        f.caption,
        "\r\n",
        " P1 = ( ",
        f.x1,
        " , ",
        f.y1,
        " ) , P2 = ( ",
        f.x2,
        " , ",
        f.y2,
        " )  ",
        "     Equation 1:  ",
        f.equation1,
        "\r\n",
        " P3 = ( ",
        f.x1b,
        " , ",
        f.y1b,
        " ) , P4 = ( ",
        f.x2b,
        " , ",
        f.y2b,
        " ) ",
        "     Equation 2:  ",
        f.equation2,
        "\r\n\n\r\n",
    };
    std::string report;
    for (const std::string_view piece : pieces)
        report.insert(report.end(), piece.begin(), piece.end());
    return report;
}

} // namespace core
