#include "app/answer_key.h"
#include "app/output_files.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

// Where the key is read from and written to: the files named, or the
// standard streams.
namespace answers {

using trellan::ExitStatus;

namespace {

ExitStatus report(std::string_view program, const std::string& message)
{
    trellan::tell(program, message);
    return ExitStatus::CannotRun;
}

} // namespace

ExitStatus runAnswerKey(const AnswerKeyRequest& request, std::string_view program)
{
    if (request.format == Format::Xlsx && !request.output && isatty(fileno(stdout))) {
        return report(program,
            "a workbook is not text for a terminal: name its file with -o key.xlsx, or redirect "
            "standard output to one");
    }
    std::FILE* in = stdin;
    if (request.file && *request.file != "-") {
        in = std::fopen(request.file->c_str(), "rb");
        if (!in) {
            return report(program, "cannot read '" + *request.file + "': " + std::strerror(errno));
        }
    }
    // The key goes to a file beside its name, put in place once whole.
    trellan::OutputFiles files;
    const QString name = request.output ? QFile::decodeName(request.output->c_str()) : QString();
    std::FILE* out = stdout;
    if (request.output) {
        const trellan::Result<QString> staged = files.stage(name);
        out = staged ? std::fopen(QFile::encodeName(*staged).constData(), "wb") : nullptr;
        if (!out) {
            const std::string why = staged ? std::strerror(errno) : std::string();
            if (in != stdin)
                std::fclose(in);
            if (!staged)
                return trellan::tell(program, staged.failure());
            return report(program, "cannot write '" + *request.output + "': " + why);
        }
    }
    ExitStatus status = writeAnswerKey(in, out, stderr, request, program);
    if (in != stdin)
        std::fclose(in);
    if (out == stdout)
        return status;
    // writeAnswerKey has said why the stream failed; a half key, or one
    // whose input could not be read, is not put in place.
    const bool failed = std::ferror(out) != 0;
    if (std::fclose(out) != 0 && !failed && status != ExitStatus::CannotRun)
        files.failed(name, QString::fromLocal8Bit(std::strerror(errno)));
    if (failed || status == ExitStatus::CannotRun) {
        files.discard();
        return failed ? ExitStatus::SomeFailed : status;
    }
    if (const trellan::Outcome committed = files.commit(); !committed)
        return trellan::tell(program, committed.failure());
    return status;
}

} // namespace answers
