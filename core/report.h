#pragma once

#include <string>
#include <string_view>

namespace core {

// The texts a results report quotes: the crossing caption, both lines' end
// points exactly as typed, and both equations.
struct ReportFields {
    std::string_view caption;
    std::string_view x1, y1, x2, y2; // line one: t1..t4
    std::string_view equation1;
    std::string_view x1b, y1b, x2b, y2b; // line two: t1_b..t4_b
    std::string_view equation2;
};

// The plain-text report of both lines and their crossing point, CR LF pieces
// included, ending in CR LF LF CR LF.
std::string ResultsReport(const ReportFields& f);

} // namespace core
