#include "core/said.h"

#include <cstddef>
#include <vector>

namespace core {

namespace {
Translation chosen = nullptr;
}

void SetTranslation(Translation translation)
{
    chosen = translation;
}

std::string Say(Words words, std::initializer_list<std::string_view> args)
{
    const std::string text = chosen ? chosen(words.context, words.text) : std::string(words.text);
    const std::vector<std::string_view> numbered(args);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '%' && k + 1 < text.size()) {
            const char next = text[k + 1];
            if (next >= '1' && next <= '9') {
                const auto n = static_cast<std::size_t>(next - '1');
                if (n < numbered.size()) {
                    out += numbered[n];
                    ++k;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

} // namespace core
