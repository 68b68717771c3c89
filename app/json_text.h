#pragma once

#include <string>
#include <string_view>
#include <vector>

// A JSON object written as Qt's JSON document writes it in its compact form,
// byte for byte, without building the document: members in the order of
// their keys, no blanks, strings as UTF-8 with only the quote, the backslash
// and the control characters escaped.
namespace answers {

// `text` as a JSON string, quotes included. Text that is not UTF-8 is read
// as Qt reads it, each bad sequence becoming U+FFFD.
void appendJsonString(std::string& out, std::string_view text);

class JsonObject {
public:
    // Keys are ASCII and must outlive the object; a key given twice keeps
    // its last value.
    void addString(std::string_view key, std::string_view text);
    void addNull(std::string_view key);
    void addInteger(std::string_view key, long long value);
    // `json` is already a JSON value: an object or an array written here.
    void addJson(std::string_view key, std::string_view json);

    // The object, members sorted by key.
    std::string text() const;

private:
    struct Member {
        std::string_view key;
        std::size_t at, size; // its value in values_
    };
    void added(std::string_view key, std::size_t at);

    std::vector<Member> members_;
    std::string values_; // the values as written, one after another
};

} // namespace answers
