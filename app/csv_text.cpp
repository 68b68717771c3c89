#include "app/csv_text.h"

namespace answers {

void appendCsvField(std::string& out, std::string_view text)
{
    if (!out.empty())
        out += ',';
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out += '"';
}

} // namespace answers
