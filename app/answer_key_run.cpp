#include "app/answer_key.h"
#include "app/output_files.h"
#include "core/said.h"

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
            core::Say(TRELLAN_WORDS("command line",
                "a workbook is not text for a terminal: name its file with -o key.xlsx, or "
                "redirect standard output to one")));
    }
    std::FILE* in = stdin;
    if (request.file && *request.file != "-") {
        in = std::fopen(request.file->c_str(), "rb");
        if (!in) {
            return report(program,
                core::Say(TRELLAN_WORDS("command line", "cannot read '%1': %2"),
                    { *request.file, std::strerror(errno) }));
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
            return report(program,
                core::Say(TRELLAN_WORDS("command line", "cannot write '%1': %2"),
                    { *request.output, why }));
        }
    }
    const trellan::Result<ExitStatus> written = writeAnswerKey(in, out, stderr, request, program);
    if (in != stdin)
        std::fclose(in);
    // A key written in part, or from an input read in part, is not put in
    // place.
    if (out != stdout && std::fclose(out) != 0 && written)
        files.failed(name, QString::fromLocal8Bit(std::strerror(errno)));
    if (!written) {
        files.discard();
        return trellan::tell(program, written.failure());
    }
    if (const trellan::Outcome committed = files.commit(); !committed)
        return trellan::tell(program, committed.failure());
    return *written;
}

} // namespace answers
