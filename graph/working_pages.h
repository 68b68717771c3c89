#pragma once

#include "core/working.h"
#include "words/file_written.h"

#include <QRect>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace graph {

class DrawingRecord;

// Writes the working down the page from `top`, within `page`, as a pupil
// writes it (core::PupilText), each step's heading in bold. When the next
// step or line no longer fits, it goes on a new page of `device`, from the
// page's top. Returns the height used on the last page.
int paintWorking(QPainter& painter, QPagedPaintDevice& device, const QRect& page, int top,
    const std::vector<core::WorkingStep>& steps);

// A PDF on A4 pages: the picture across the first page's top, then the
// working below it, on as many pages as it needs. Like writePicture, the
// file is replaced only when all of it was written.
words::FileWritten writePdfWithWorking(const DrawingRecord& record, const QString& fileName,
    const std::vector<core::WorkingStep>& steps);

} // namespace graph
