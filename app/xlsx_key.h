#pragma once

#include "app/answer_rows.h"
#include "app/failure.h"

#include <memory>
#include <string>

// The answer key as a workbook a teacher opens in a spreadsheet: a sheet
// "Answers" with a frozen, bold header in plain words and every answer a
// text cell exactly as the window writes it, so that nothing turns into a
// date or a rounded number; the report wrapped; a sheet "About" with how
// the key was made.
namespace answers {

struct KeyOrigin {
    std::string commandLine;
    std::string lower, upper; // the range fields' texts
    std::string version; // the product and its version
    bool working = false; // a column holds the working
};

class XlsxKey {
public:
    // Starts the workbook at `path`. Rows are written to disk as they come,
    // in `temporaryFolder` (the system's when empty), so memory does not
    // grow with their number.
    XlsxKey(
        const std::string& path, const KeyOrigin& origin, const std::string& temporaryFolder = {});
    ~XlsxKey();
    XlsxKey(const XlsxKey&) = delete;
    XlsxKey& operator=(const XlsxKey&) = delete;

    // The next row, the header's cells' order; fails when the row cannot be
    // written whole (it lies beyond the sheet's last row, or a cell holds
    // more than a cell holds, which is cut to fit).
    trellan::Outcome addRow(const Cells& cells);

    // Writes the workbook out; fails, saying why, when any of it could
    // not be written.
    trellan::Outcome close();

private:
    struct Workbook;
    std::unique_ptr<Workbook> book_;
};

} // namespace answers
