#include "app/answer_key.h"

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
    std::FILE* out = stdout;
    if (request.output) {
        out = std::fopen(request.output->c_str(), "wb");
        if (!out) {
            const std::string why = std::strerror(errno);
            if (in != stdin)
                std::fclose(in);
            return report(program, "cannot write '" + *request.output + "': " + why);
        }
    }
    ExitStatus status = writeAnswerKey(in, out, stderr, request, program);
    if (in != stdin)
        std::fclose(in);
    if (out != stdout && std::fclose(out) != 0 && status != ExitStatus::CannotRun)
        status = report(program, "cannot write '" + *request.output + "': " + std::strerror(errno));
    return status;
}

} // namespace answers
