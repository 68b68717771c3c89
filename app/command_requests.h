#pragma once

#include "app/command_line.h"
#include "app/failure.h"

namespace trellan {

struct GivenOptions;

// Each command's request from the options given, once they are known to
// belong to it; refused when a value is unusable.
Result<answers::AnswerKeyRequest> answerKeyRequest(const GivenOptions& given);
Result<ExportRequest> exportRequest(const GivenOptions& given);
Result<WorksheetRequest> worksheetRequest(const GivenOptions& given);
Result<WindowStart> practiceStart(const GivenOptions& given);

} // namespace trellan
