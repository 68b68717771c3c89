#include "core/report.h"

#include "core/said.h"

#include <initializer_list>

namespace core {

std::string ResultsReport(const ReportFields& f)
{
    // The labels in the chosen language; the spaces and line ends are the
    // report's layout.
    const std::string intersection = Say(TRELLAN_WORDS("report", "Intersection:"));
    const std::string equation1 = Say(TRELLAN_WORDS("report", "Equation 1:"));
    const std::string equation2 = Say(TRELLAN_WORDS("report", "Equation 2:"));
    const std::initializer_list<std::string_view> pieces = {
        " ",
        intersection,
        " ",
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
        "     ",
        equation1,
        "  ",
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
        "     ",
        equation2,
        "  ",
        f.equation2,
        "\r\n\n\r\n",
    };
    std::string report;
    for (const std::string_view piece : pieces)
        report.insert(report.end(), piece.begin(), piece.end());
    return report;
}

} // namespace core
