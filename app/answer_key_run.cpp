#include "app/answer_key.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

// Where the key is read from and written to: the files named, or the
// standard streams.
namespace answers {

namespace {

void report(std::string_view program, const std::string& message)
{
    std::fprintf(
        stderr, "%.*s: %s\n", static_cast<int>(program.size()), program.data(), message.c_str());
}

} // namespace

int runAnswerKey(const AnswerKeyRequest& request, std::string_view program)
{
    if (request.format == Format::Xlsx && !request.output && isatty(fileno(stdout))) {
        report(program,
            "a workbook is not text for a terminal: name its file with -o key.xlsx, or redirect "
            "standard output to one");
        return CannotRead;
    }
    std::FILE* in = stdin;
    if (request.file && *request.file != "-") {
        in = std::fopen(request.file->c_str(), "rb");
        if (!in) {
            report(program, "cannot read '" + *request.file + "': " + std::strerror(errno));
            return CannotRead;
        }
    }
    std::FILE* out = stdout;
    if (request.output) {
        out = std::fopen(request.output->c_str(), "wb");
        if (!out) {
            report(program, "cannot write '" + *request.output + "': " + std::strerror(errno));
            if (in != stdin)
                std::fclose(in);
            return CannotRead;
        }
    }
    int status = writeAnswerKey(in, out, stderr, request, program);
    if (in != stdin)
        std::fclose(in);
    if (out != stdout && std::fclose(out) != 0 && status != CannotRead) {
        report(program, "cannot write '" + *request.output + "': " + std::strerror(errno));
        status = CannotRead;
    }
    return status;
}

} // namespace answers
