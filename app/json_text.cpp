#include "app/json_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>

namespace answers {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

void appendEscaped(std::string& out, std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            out += c;
            continue;
        }
        out += '\\';
        switch (c) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case '\b':
            out += 'b';
            break;
        case '\f':
            out += 'f';
            break;
        case '\n':
            out += 'n';
            break;
        case '\r':
            out += 'r';
            break;
        case '\t':
            out += 't';
            break;
        default:
            out += "u00";
            out += hex[u >> 4];
            out += hex[u & 0xf];
        }
    }
}

} // namespace

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    if (isAscii(text)) {
        appendEscaped(out, text);
    } else if (QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8()) {
        // Qt's reading drops one byte order mark at the start.
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        appendEscaped(out, text);
    } else {
        // Qt's reading of the bad bytes, which UTF-8 then writes back whole.
        const QByteArray read
            = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
        appendEscaped(
            out, std::string_view(read.constData(), static_cast<std::size_t>(read.size())));
    }
    out += '"';
}

void JsonObject::addString(std::string_view key, std::string_view text)
{
    std::string json;
    json.reserve(text.size() + 2);
    appendJsonString(json, text);
    addJson(key, std::move(json));
}

void JsonObject::addNull(std::string_view key)
{
    addJson(key, "null");
}

void JsonObject::addInteger(std::string_view key, long long value)
{
    addJson(key, std::to_string(value));
}

void JsonObject::addJson(std::string_view key, std::string json)
{
    const auto same = std::find_if(
        members_.begin(), members_.end(), [key](const auto& m) { return m.first == key; });
    if (same != members_.end())
        same->second = std::move(json);
    else
        members_.emplace_back(key, std::move(json));
}

std::string JsonObject::text() const
{
    std::vector<const std::pair<std::string_view, std::string>*> sorted;
    sorted.reserve(members_.size());
    std::size_t size = 2;
    for (const auto& m : members_) {
        sorted.push_back(&m);
        size += m.first.size() + m.second.size() + 4;
    }
    std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->first < b->first; });
    std::string out;
    out.reserve(size);
    out += '{';
    for (const auto* m : sorted) {
        if (out.size() > 1)
            out += ',';
        appendJsonString(out, m->first);
        out += ':';
        out += m->second;
    }
    out += '}';
    return out;
}

} // namespace answers
