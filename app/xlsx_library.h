#pragma once

#include <optional>
#include <string>
#include <xlsxwriter.h>

// The workbook library, opened when the first workbook is written rather than
// with the program: it brings a zip library and a whole cryptography library
// (it hashes pictures) that every start would otherwise map and relocate
// before the window's first frame, for a key few starts write.
namespace answers {

// The library's functions this program calls, typed by the library's own
// header.
#define TRELLAN_XLSX_FUNCTIONS(F)                                                                  \
    F(workbook_new_opt)                                                                            \
    F(workbook_add_format)                                                                         \
    F(workbook_add_worksheet)                                                                      \
    F(workbook_close)                                                                              \
    F(lxw_workbook_free)                                                                           \
    F(lxw_strerror)                                                                                \
    F(format_set_num_format)                                                                       \
    F(format_set_align)                                                                            \
    F(format_set_text_wrap)                                                                        \
    F(format_set_bold)                                                                             \
    F(worksheet_set_column)                                                                        \
    F(worksheet_freeze_panes)                                                                      \
    F(worksheet_write_string)                                                                      \
    F(worksheet_write_number)

struct XlsxLibrary {
#define TRELLAN_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    TRELLAN_XLSX_FUNCTIONS(TRELLAN_XLSX_MEMBER)
#undef TRELLAN_XLSX_MEMBER
};

// The library opened by `file` (the name it is installed under, looked for
// where the system looks) with every function found, and left open; none
// when it cannot be opened or lacks a function, and `why` says so in the
// system's words.
std::optional<XlsxLibrary> openXlsxLibrary(const char* file, std::string& why);

// The workbook library this program was built against, opened once.
const XlsxLibrary* xlsxLibrary(std::string& why);

} // namespace answers
