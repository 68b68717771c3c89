#include "core/report.h"

namespace core {

std::string ResultsReport(const ReportFields& f)
{
    std::string r;
    r.reserve(160);
    r.append(" Intersection: ").append(f.caption).append("\r\n");
    r.append(" P1 = ( ").append(f.x1).append(" , ").append(f.y1);
    r.append(" ) , P2 = ( ").append(f.x2).append(" , ").append(f.y2).append(" )  ");
    r.append("     Equation 1:  ").append(f.equation1).append("\r\n");
    r.append(" P3 = ( ").append(f.x1b).append(" , ").append(f.y1b);
    r.append(" ) , P4 = ( ").append(f.x2b).append(" , ").append(f.y2b).append(" ) ");
    r.append("     Equation 2:  ").append(f.equation2);
    r.append("\r\n\n\r\n");
    return r;
}

} // namespace core
