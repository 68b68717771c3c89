#include "app/json_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <array>

namespace answers {

namespace {

enum class ByteKind : unsigned char { Plain, Escaped, Wide };

constexpr std::array<ByteKind, 256> byteKinds = [] {
    std::array<ByteKind, 256> kinds {};
    for (std::size_t b = 0; b < kinds.size(); ++b)
        kinds[b] = b >= 0x80                    ? ByteKind::Wide
            : b < 0x20 || b == '"' || b == '\\' ? ByteKind::Escaped
                                                : ByteKind::Plain;
    return kinds;
}();

// Appends `text` escaped, runs of bytes that need no escape copied whole.
// With `stopAtWide`, stops at the first byte above ASCII and says so.
bool appendEscaped(std::string& out, std::string_view text, bool stopAtWide)
{
    static constexpr char hex[] = "0123456789abcdef";
    const std::size_t size = text.size();
    std::size_t k = 0;
    for (;;) {
        const std::size_t run = k;
        ByteKind kind = ByteKind::Plain;
        while (k < size
            && ((kind = byteKinds[static_cast<unsigned char>(text[k])]) == ByteKind::Plain
                || (kind == ByteKind::Wide && !stopAtWide)))
            ++k;
        out.append(text.data() + run, k - run);
        if (k == size)
            return true;
        if (kind == ByteKind::Wide)
            return false;
        const char c = text[k++];
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
    const std::size_t start = out.size();
    if (!appendEscaped(out, text, true)) {
        // Beyond ASCII: written again from the start, as Qt reads it.
        out.resize(start);
        if (QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8()) {
            // Qt's reading drops one byte order mark at the start.
            if (text.starts_with("\xEF\xBB\xBF"))
                text.remove_prefix(3);
            appendEscaped(out, text, false);
        } else {
            // Qt's reading of the bad bytes, which UTF-8 then writes back whole.
            const QByteArray read
                = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
            appendEscaped(out,
                std::string_view(read.constData(), static_cast<std::size_t>(read.size())), false);
        }
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
    if (members_.empty())
        members_.reserve(16); // room for the largest object of a row at once
    members_.push_back({ key, at, values_.size() - at });
}

std::string JsonObject::text() const
{
    // Of equal keys, the last given (written last in values_) comes last.
    std::vector<Member> sorted = members_;
    std::sort(sorted.begin(), sorted.end(), [](const Member& a, const Member& b) {
        return a.key < b.key || (a.key == b.key && a.at < b.at);
    });
    std::string out;
    out.reserve(values_.size() + 8 * members_.size() + 2);
    out += '{';
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const Member& m = sorted[k];
        if (k + 1 < sorted.size() && sorted[k + 1].key == m.key)
            continue;
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
