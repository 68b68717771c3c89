#pragma once

#include "core/working.h"
#include "words/file_written.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace graph {

class DrawingRecord;

// Working written down one place after another: a page, or a column of one.
// Each step's heading is bold, its lines are indented under it, as a pupil
// writes them (core::PupilText). What no longer fits below goes on in the
// next place, from its top; a heading never stays behind without its first
// line, nor a title without its first step. A block taller than a whole
// place (a fraction of a thousand digits) is drawn from the top of its own
// place and cut at its foot.
class WorkingFlow {
public:
    // Starts in `place` at `top`, in device units of the painter's device;
    // `next` gives the place after a full one (turning the page if needed).
    WorkingFlow(
        QPainter& painter, QRect place, int top, std::function<QRect()> next, qreal points = 11);

    // The steps under a bold title when one is given.
    void write(const QString& title, const std::vector<core::WorkingStep>& steps);

    // Where the next text would start in the place now written in.
    int top() const { return y_; }

private:
    int height(const QString& text, const QFont& font, int left) const;
    void put(const QString& text, const QFont& font, int left, int spaceAbove, int keepWith);

    QPainter& painter_;
    QRect place_;
    int y_;
    std::function<QRect()> next_;
    QFont body_, heading_, title_;
    int indent_ = 0;
};

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
