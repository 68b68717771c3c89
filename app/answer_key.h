#pragma once

#include "app/failure.h"
#include "app/key_columns.h"
#include "core/line_commands.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// The answer key: pairs of lines read as CSV, each answered with the texts
// the window shows and the exact values, written row by row as CSV or JSON
// Lines. Nothing here needs a display or an application object.
namespace answers {

enum class Format { Csv, Jsonl, Xlsx };

struct AnswerKeyRequest {
    std::optional<std::string> file; // standard input when none, or "-"
    Format format = Format::Csv;
    std::string lower = "-10"; // the range fields' texts
    std::string upper = "10";
    // Designed reproduces the original program's double arithmetic.
    core::Arithmetic arithmetic = core::Arithmetic::Exact;
    // Found from the first rows when not given: ',', ';' or '\t'.
    std::optional<char> separator;
    Headers headers = Headers::Fields; // the CSV header's names
    std::optional<std::string> output; // standard output when none
    // For the workbook's "About" sheet.
    std::string commandLine;
    std::string version;
    bool working = false; // each answer worked out step by step as well
};

// Reads `in` to its end and writes the key to `out` as each row completes,
// so memory does not grow with the number of rows. A row that cannot be
// answered is named, with the reason, on `err` (after "program: ") and in
// its own output row; the rows after it are still answered. SomeFailed
// when any row was. When no whole key was written, why, not yet said:
// CannotRun when the input cannot be read, SomeFailed when the output
// failed.
trellan::Result<trellan::ExitStatus> writeAnswerKey(std::FILE* in, std::FILE* out, std::FILE* err,
    const AnswerKeyRequest& request, std::string_view program);

// The same on the request's file or standard input, to the request's output
// or standard output; a workbook is not written to a terminal.
trellan::ExitStatus runAnswerKey(const AnswerKeyRequest& request, std::string_view program);

} // namespace answers
