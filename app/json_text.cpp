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

// Runs of bytes that need no escape are copied whole.
bool isPlain(char c)
{
    return static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\';
}

void appendEscaped(std::string& out, std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    while (!text.empty()) {
        const auto plain = std::find_if_not(text.begin(), text.end(), isPlain);
        out.append(text.begin(), plain);
        text.remove_prefix(static_cast<std::size_t>(plain - text.begin()));
        if (text.empty())
            break;
        const char c = text.front();
        text.remove_prefix(1);
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
            out += hex[static_cast<unsigned char>(c) >> 4];
            out += hex[c & 0xf];
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
    const std::size_t at = values_.size();
    appendJsonString(values_, text);
    added(key, at);
}

void JsonObject::addNull(std::string_view key)
{
    addJson(key, "null");
}

void JsonObject::addInteger(std::string_view key, long long value)
{
    const std::size_t at = values_.size();
    values_ += std::to_string(value);
    added(key, at);
}

void JsonObject::addJson(std::string_view key, std::string_view json)
{
    const std::size_t at = values_.size();
    values_ += json;
    added(key, at);
}

void JsonObject::added(std::string_view key, std::size_t at)
{
    const Member m { key, at, values_.size() - at };
    const auto same = std::find_if(
        members_.begin(), members_.end(), [key](const Member& o) { return o.key == key; });
    if (same != members_.end())
        *same = m;
    else
        members_.push_back(m);
}

std::string JsonObject::text() const
{
    std::vector<Member> sorted = members_;
    std::sort(sorted.begin(), sorted.end(),
        [](const Member& a, const Member& b) { return a.key < b.key; });
    std::string out;
    out.reserve(values_.size() + 8 * members_.size() + 2);
    out += '{';
    for (const Member& m : sorted) {
        if (out.size() > 1)
            out += ',';
        appendJsonString(out, m.key);
        out += ':';
        out.append(values_, m.at, m.size);
    }
    out += '}';
    return out;
}

} // namespace answers
