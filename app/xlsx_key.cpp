#include "app/xlsx_key.h"

#include "app/xlsx_library.h"
#include "core/said.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace answers {

namespace {

// A cell holds at most this many characters.
constexpr std::size_t cellLength = 32767;

// Column widths, in characters, by what a column holds.
double widthOf(const std::string& field)
{
    if (field == "row")
        return 6;
    if (field == "report" || field == "working")
        return 70;
    if (field == "warning" || field == "error" || field == "note")
        return 45;
    if (field.find("eqn") != std::string::npos || field.find("equation") != std::string::npos)
        return 28;
    if (field.starts_with("line"))
        return 11;
    return 16;
}

// Cells wrapped at the column's width: the many-line ones.
bool wraps(const std::string& field)
{
    return field == "report" || field == "working";
}

// `text` cut to at most `size` bytes, a character not split.
std::string_view cutUtf8(std::string_view text, std::size_t size)
{
    if (text.size() <= size)
        return text;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    return text.substr(0, size);
}

// Whether `text` is a whole number, which is then `number`.
bool wholeNumber(const std::string& text, long long& number)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && at == end;
}

// A row or a workbook written only in part.
trellan::Failure failed(std::string message)
{
    return { std::move(message), trellan::ExitStatus::SomeFailed };
}

} // namespace

struct XlsxKey::Workbook {
    const XlsxLibrary* x = nullptr; // the library's functions
    std::string unopened; // why the library could not be opened
    lxw_workbook* book = nullptr;
    lxw_worksheet* answers = nullptr;
    lxw_format* text = nullptr; // "@": what is typed into it later stays text too
    lxw_format* wrapped = nullptr;
    lxw_format* header = nullptr;
    lxw_format* number = nullptr; // the row's number, which sorts as one
    std::vector<bool> wrap; // by column
    std::vector<bool> numbers; // by column: a number cell
    lxw_row_t row = 0; // the next row to write
};

XlsxKey::XlsxKey(
    const std::string& path, const KeyOrigin& origin, const std::string& temporaryFolder)
    : book_(std::make_unique<Workbook>())
{
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    std::string folder = temporaryFolder;
    if (!folder.empty())
        options.tmpdir = folder.data();
    Workbook& w = *book_;
    w.x = xlsxLibrary(w.unopened);
    if (!w.x)
        return;
    const XlsxLibrary& x = *w.x;
    w.book = x.workbook_new_opt(path.c_str(), &options);
    if (!w.book)
        return;
    w.text = x.workbook_add_format(w.book);
    x.format_set_num_format(w.text, "@");
    x.format_set_align(w.text, LXW_ALIGN_VERTICAL_TOP);
    w.wrapped = x.workbook_add_format(w.book);
    x.format_set_num_format(w.wrapped, "@");
    x.format_set_align(w.wrapped, LXW_ALIGN_VERTICAL_TOP);
    x.format_set_text_wrap(w.wrapped);
    w.header = x.workbook_add_format(w.book);
    x.format_set_bold(w.header);
    x.format_set_num_format(w.header, "@");
    x.format_set_align(w.header, LXW_ALIGN_VERTICAL_TOP);
    x.format_set_text_wrap(w.header);
    w.number = x.workbook_add_format(w.book);
    x.format_set_num_format(w.number, "0");
    x.format_set_align(w.number, LXW_ALIGN_VERTICAL_TOP);

    w.answers = x.workbook_add_worksheet(w.book, "Answers");
    const std::vector<std::string> fields = columnNames(Headers::Fields, origin.working);
    const std::vector<std::string> words = columnNames(Headers::Words, origin.working);
    // Widths come before the first row: rows go to disk as they are written.
    for (std::size_t c = 0; c < fields.size(); ++c) {
        w.wrap.push_back(wraps(fields[c]));
        w.numbers.push_back(fields[c] == "row");
        const auto column = static_cast<lxw_col_t>(c);
        x.worksheet_set_column(w.answers, column, column, widthOf(fields[c]),
            w.numbers.back()    ? w.number
                : w.wrap.back() ? w.wrapped
                                : w.text);
    }
    x.worksheet_freeze_panes(w.answers, 1, 0);
    for (std::size_t c = 0; c < words.size(); ++c)
        x.worksheet_write_string(
            w.answers, 0, static_cast<lxw_col_t>(c), words[c].c_str(), w.header);
    w.row = 1;

    lxw_worksheet* about = x.workbook_add_worksheet(w.book, "About");
    x.worksheet_set_column(about, 0, 0, 14, w.header);
    x.worksheet_set_column(about, 1, 1, 90, w.text);
    const std::pair<std::string, std::string> lines[] = {
        { core::Say(TRELLAN_WORDS("answer key", "Command line")), origin.commandLine },
        { core::Say(TRELLAN_WORDS("answer key", "Range")),
            core::Say(TRELLAN_WORDS("answer key", "%1 to %2"), { origin.lower, origin.upper }) },
        { core::Say(TRELLAN_WORDS("answer key", "Version")), origin.version },
    };
    lxw_row_t at = 0;
    for (const auto& [name, value] : lines) {
        x.worksheet_write_string(about, at, 0, name.c_str(), w.header);
        x.worksheet_write_string(
            about, at, 1, std::string(cutUtf8(value, cellLength)).c_str(), w.text);
        ++at;
    }
}

XlsxKey::~XlsxKey()
{
    if (book_->book)
        close();
}

trellan::Outcome XlsxKey::addRow(const Cells& cells)
{
    Workbook& w = *book_;
    if (!w.book)
        return trellan::done;
    const XlsxLibrary& x = *w.x;
    if (w.row >= LXW_ROW_MAX)
        return failed(core::Say(TRELLAN_WORDS("answer key",
                                    "a sheet holds at most %1 rows below its header; this row "
                                    "was left out"),
            { std::to_string(LXW_ROW_MAX - 1) }));
    std::string problem;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (!cells[c] || cells[c]->empty())
            continue;
        const auto column = static_cast<lxw_col_t>(c);
        if (long long number = 0; w.numbers[c] && wholeNumber(*cells[c], number)) {
            x.worksheet_write_number(
                w.answers, w.row, column, static_cast<double>(number), w.number);
            continue;
        }
        lxw_format* format = w.wrap[c] ? w.wrapped : w.text;
        if (x.worksheet_write_string(w.answers, w.row, column, cells[c]->c_str(), format)
            != LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
            continue;
        // Cut in bytes, which are never fewer than the characters counted.
        x.worksheet_write_string(
            w.answers, w.row, column, std::string(cutUtf8(*cells[c], cellLength)).c_str(), format);
        problem = core::Say(TRELLAN_WORDS("answer key",
                                "a cell holds more than the %1 characters a spreadsheet cell "
                                "holds; it was cut to fit"),
            { std::to_string(cellLength) });
    }
    ++w.row;
    return problem.empty() ? trellan::done : failed(problem);
}

trellan::Outcome XlsxKey::close()
{
    Workbook& w = *book_;
    if (!w.x)
        return failed(w.unopened);
    if (!w.book)
        return failed(core::Say(TRELLAN_WORDS("answer key", "cannot start the workbook")));
    const XlsxLibrary& x = *w.x;
    // The library does not check the writes of its file of rows: on a full
    // disk it would leave rows out of a workbook it calls whole.
    std::FILE* rows = w.answers->optimize_tmpfile;
    if (rows && (std::fflush(rows) != 0 || std::ferror(rows))) {
        const int error = errno;
        x.lxw_workbook_free(w.book);
        w.book = nullptr;
        return failed(std::strerror(error));
    }
    // The library says its own errors on standard error, in its own words,
    // with the temporary file's name; the key's one line says them.
    std::fflush(stderr);
    const int shown = ::dup(STDERR_FILENO);
    const int hidden = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (shown >= 0 && hidden >= 0)
        ::dup2(hidden, STDERR_FILENO);
    const lxw_error error = x.workbook_close(w.book);
    const int why = errno;
    w.book = nullptr;
    std::fflush(stderr);
    if (shown >= 0 && hidden >= 0)
        ::dup2(shown, STDERR_FILENO);
    for (const int fd : { shown, hidden })
        if (fd >= 0)
            ::close(fd);
    if (why != 0
        && (error == LXW_ERROR_ZIP_FILE_OPERATION || error == LXW_ERROR_CREATING_XLSX_FILE))
        return failed(std::strerror(why));
    if (error != LXW_NO_ERROR)
        return failed(x.lxw_strerror(error));
    return trellan::done;
}

} // namespace answers
