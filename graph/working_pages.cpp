#include "graph/working_pages.h"

#include "graph/drawing_record.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace graph {

int paintWorking(QPainter& painter, QPagedPaintDevice& device, const QRect& page, int top,
    const std::vector<core::WorkingStep>& steps)
{
    QFont body = painter.font();
    body.setPointSizeF(11);
    body.setBold(false);
    QFont heading = body;
    heading.setBold(true);
    painter.setFont(body);
    const int indent = painter.fontMetrics().averageCharWidth() * 3;
    int y = top;
    // A block taller than what is left of the page starts a new one; one
    // taller than a whole page (a fraction of a thousand digits) is drawn
    // from the top of its own page and cut at its foot.
    const auto put = [&](const QString& text, const QFont& font, int left, int spaceAbove) {
        painter.setFont(font);
        const QRect room(page.left() + left, 0, page.width() - left, page.height());
        const int flags = Qt::TextWrapAnywhere | Qt::AlignLeft;
        const int height = painter.boundingRect(room, flags, text).height();
        y += spaceAbove;
        if (y > page.top() && y + height > page.bottom()) {
            device.newPage();
            y = page.top();
        }
        painter.drawText(QRect(room.left(), y, room.width(), height), flags, text);
        y += height;
    };
    for (const core::WorkingStep& step : steps) {
        put(QString::fromStdString(step.heading), heading, 0,
            QFontMetrics(body, &device).height() / 2);
        for (const std::string& line : step.lines)
            put(QString::fromStdString(core::PupilText(line)), body, indent, 0);
    }
    painter.setFont(body);
    return y;
}

words::FileWritten writePdfWithWorking(const DrawingRecord& record, const QString& fileName,
    const std::vector<core::WorkingStep>& steps)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return { file.errorString() };
    QPdfWriter writer(&file);
    constexpr int dotsPerInch = 1200;
    writer.setResolution(dotsPerInch);
    writer.setCreator(QStringLiteral("Trellan"));
    writer.setTitle(QStringLiteral("Graph and working"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    bool written = painter.begin(&writer);
    if (written) {
        const QRect page = writer.pageLayout().paintRectPixels(dotsPerInch);
        const QRect area(0, 0, page.width(), page.height());
        // The picture as wide as the page, keeping its shape, in at most
        // half of the page's height.
        const QSize panel = record.logicalSize();
        const qreal units = std::min(
            qreal(area.width()) / panel.width(), qreal(area.height()) / 2 / panel.height());
        record.paint(painter, units);
        paintWorking(painter, writer, area, int(panel.height() * units), steps);
        written = painter.end();
    }
    return words::finishWriting(file, written);
}

} // namespace graph
