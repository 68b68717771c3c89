#pragma once

#include <QSaveFile>
#include <QString>

#include <optional>

namespace words {

// How writing a file ended: written whole, or left as it was, with the
// reason in the words the system gave.
struct FileWritten {
    std::optional<QString> failure;

    explicit operator bool() const { return !failure; }
};

// Ends a write through QSaveFile: the file is put in place when all of it
// was `written`, and otherwise left as it was. The last buffered bytes are
// flushed here: commit() would put the file in place even when they did not
// fit on the disk.
inline FileWritten finishWriting(QSaveFile& file, bool written)
{
    if (!written || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return { why };
    }
    if (!file.commit())
        return { file.errorString() };
    return {};
}

} // namespace words
