#include "app/output_files.h"

#include "words/language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace trellan {

namespace {

namespace fs = std::filesystem;

fs::path pathOf(const QString& name)
{
    return fs::path(QFile::encodeName(name).toStdString());
}

QString why(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Flushes the file's contents to the disk: a full disk may say so only now.
QString synced(const QString& file)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return why(errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    return result == 0 ? QString() : why(error);
}

// The new file gets the mode the file it replaces had, or a new file's.
void takeMode(const QString& written, const QString& target)
{
    struct stat old { };
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(written).constData(), mode);
}

QString quoted(const QString& name)
{
    return u'\'' + name + u'\'';
}

} // namespace

bool sameFile(const QString& one, const QString& other)
{
    std::error_code error;
    const fs::path a = pathOf(one), b = pathOf(other);
    if (fs::exists(a, error) && fs::exists(b, error))
        return fs::equivalent(a, b, error);
    const fs::path x = fs::weakly_canonical(fs::absolute(a, error), error);
    const fs::path y = fs::weakly_canonical(fs::absolute(b, error), error);
    return !x.empty() && x == y;
}

OutputFiles::~OutputFiles()
{
    discard();
}

Result<QString> OutputFiles::stage(const QString& name)
{
    File file { name, name, name, {} };
    // A device or a pipe, standard output among them, takes the bytes as
    // they come.
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        files_.push_back(file);
        return file.written;
    }
    // A link is written through: its target is replaced, the link stays.
    if (info.isSymLink() && info.exists())
        file.target = info.canonicalFilePath();
    const QFileInfo target(file.target);
    QTemporaryFile temporary(
        target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return Failure { words::translate("command line", "cannot write %1: %2")
                             .arg(quoted(name), temporary.errorString())
                             .toStdString(),
            ExitStatus::CannotRun };
    file.written = temporary.fileName();
    files_.push_back(file);
    return file.written;
}

void OutputFiles::failed(const QString& name, const QString& why)
{
    for (File& file : files_)
        if (file.name == name && file.failure.isEmpty())
            file.failure
                = why.isEmpty() ? words::translate("command line", "the write failed") : why;
}

Outcome OutputFiles::commit()
{
    for (File& file : files_)
        if (file.failure.isEmpty() && file.written != file.target)
            file.failure = synced(file.written);
    QStringList notWritten, leftOut;
    for (const File& file : files_) {
        if (!file.failure.isEmpty())
            notWritten << words::translate("command line", "cannot write %1: %2")
                              .arg(quoted(file.name), file.failure);
        else
            leftOut << quoted(file.name);
    }
    if (!notWritten.isEmpty()) {
        discard();
        QString line = notWritten.join(QStringLiteral("; "));
        if (!leftOut.isEmpty())
            line += QStringLiteral("; ")
                + (leftOut.size() == 1
                        ? words::translate("command line", "%1 was not written either")
                        : words::translate("command line", "%1 were not written either"))
                      .arg(leftOut.join(QStringLiteral(", ")));
        return Failure { line.toStdString(), ExitStatus::SomeFailed };
    }
    // Each is whole on the disk: renaming them cannot run out of room.
    for (File& file : files_) {
        if (file.written == file.target)
            continue;
        takeMode(file.written, file.target);
        if (std::rename(QFile::encodeName(file.written).constData(),
                QFile::encodeName(file.target).constData())
            != 0)
            notWritten << words::translate("command line", "cannot write %1: %2")
                              .arg(quoted(file.name), why(errno));
        else
            file.written = file.target;
    }
    discard();
    if (!notWritten.isEmpty())
        return Failure { notWritten.join(QStringLiteral("; ")).toStdString(),
            ExitStatus::SomeFailed };
    return done;
}

void OutputFiles::discard()
{
    for (const File& file : files_)
        if (file.written != file.target)
            QFile::remove(file.written);
    files_.clear();
}

} // namespace trellan
