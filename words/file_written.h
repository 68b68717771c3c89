#pragma once

#include <QString>

#include <optional>

namespace words {

// How writing a file ended: written whole, or left as it was, with the
// reason in the words the system gave.
struct FileWritten {
    std::optional<QString> failure;

    explicit operator bool() const { return !failure; }
};

} // namespace words
