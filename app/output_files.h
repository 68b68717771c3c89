#pragma once

#include "app/failure.h"

#include <QString>

#include <vector>

namespace trellan {

// Whether two names are the same file: compared as files when both exist,
// links and "./" resolved, and by their resolved paths when not.
bool sameFile(const QString& one, const QString& other);

// The files one command writes. Each is written under a temporary name
// beside it and put in place only when every one of them was written whole:
// a full disk or a failed write leaves the files as they were, and no
// temporary file behind. A file that is not a plain file (a terminal,
// /dev/null) is written directly.
class OutputFiles {
public:
    OutputFiles() = default;
    ~OutputFiles(); // what was not put in place is removed
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    // The name to write `name`'s contents to, for any writer that opens a
    // path itself; refused (CannotRun) when the folder takes no new file.
    Result<QString> stage(const QString& name);

    // The write to `name` failed, for the reason given.
    void failed(const QString& name, const QString& why);

    // Puts every file in place once all are on disk; or, when any failed,
    // none, with one line naming each file not written and why
    // (SomeFailed).
    Outcome commit();

    // Puts nothing in place.
    void discard();

private:
    struct File {
        QString name; // as given
        QString target; // where it goes: a link's target
        QString written; // the temporary file, or the target when written directly
        QString failure; // why it was not written; empty while it may be
    };
    std::vector<File> files_;
};

} // namespace trellan
