#pragma once

#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <optional>

namespace words {

// How writing a file ended: written whole, or left as it was, with the
// reason in the words the system gave.
struct FileWritten {
    std::optional<QString> failure;

    explicit operator bool() const { return !failure; }
};

// Why a write failed: the file's own words, or the system's (`error`, the
// errno of the failed write) when the file has none, as when a writer on
// top of it stopped without telling it why.
inline QString whyNotWritten(const QFileDevice& file, int error)
{
    const bool said
        = file.error() != QFileDevice::NoError && file.error() != QFileDevice::UnspecifiedError;
    if (said || error == 0)
        return file.errorString();
    return QString::fromLocal8Bit(std::strerror(error));
}

// Ends a write through QSaveFile: the file is put in place when all of it
// was `written`, and otherwise left as it was. The last buffered bytes are
// flushed here: commit() would put the file in place even when they did not
// fit on the disk.
inline FileWritten finishWriting(QSaveFile& file, bool written)
{
    if (!written || !file.flush()) {
        const QString why = whyNotWritten(file, errno);
        file.cancelWriting();
        return { why };
    }
    if (!file.commit())
        return { file.errorString() };
    return {};
}

} // namespace words
