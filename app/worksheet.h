#pragma once

#include "app/failure.h"

#include <QString>

#include <cstdint>

namespace trellan {

// What `--worksheet` asks for.
struct WorksheetRequest {
    QString sheet; // the pupils' PDF
    QString key; // the teacher's PDF, with pictures and answers; empty for none
    QString csv; // the exercises as the answer key reads them; empty for none
    int exercises = 8;
    int level = 1;
    std::uint64_t seed = 0;
};

// Makes the exercises and writes the sheet, the key and the CSV, with no
// display. Fails with SomeFailed when any could not be written, and then
// none is.
Outcome writeWorksheet(int& argc, char** argv, const WorksheetRequest& request);

} // namespace trellan
