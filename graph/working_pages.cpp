#include "graph/working_pages.h"

#include "graph/drawing_record.h"
#include "words/language.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextOption>
#include <QtMath>

namespace graph {

namespace {

// Lines break between words, and inside a word only when it is wider than
// the place (a long fraction).
QTextOption wrapping()
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

WorkingFlow::WorkingFlow(
    QPainter& painter, QRect place, int top, std::function<QRect()> next, qreal points)
    : painter_(painter)
    , place_(place)
    , y_(top)
    , next_(std::move(next))
    , body_(painter.font())
{
    body_.setPointSizeF(points);
    body_.setBold(false);
    heading_ = body_;
    heading_.setBold(true);
    title_ = heading_;
    title_.setPointSizeF(points * 1.2);
    painter_.setFont(body_);
    indent_ = painter_.fontMetrics().averageCharWidth() * 3;
}

int WorkingFlow::height(const QString& text, const QFont& font, int left) const
{
    painter_.setFont(font);
    const QRectF room(place_.left() + left, 0, place_.width() - left, place_.height());
    return qCeil(painter_.boundingRect(room, text, wrapping()).height());
}

void WorkingFlow::put(
    const QString& text, const QFont& font, int left, int spaceAbove, int keepWith)
{
    const int h = height(text, font, left);
    y_ += spaceAbove;
    if (y_ > place_.top() && y_ + h + keepWith > place_.bottom()) {
        place_ = next_();
        y_ = place_.top();
    }
    painter_.setFont(font);
    painter_.drawText(QRectF(place_.left() + left, y_, place_.width() - left, h), text, wrapping());
    y_ += h;
}

void WorkingFlow::write(const QString& title, const std::vector<core::WorkingStep>& steps)
{
    const int gap = QFontMetrics(body_, painter_.device()).height() / 2;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const core::WorkingStep& step = steps[k];
        const QString heading = QString::fromStdString(step.heading);
        const int first = step.lines.empty()
            ? 0
            : height(QString::fromStdString(core::PupilText(step.lines.front())), body_, indent_);
        if (k == 0 && !title.isEmpty())
            put(title, title_, 0, y_ > place_.top() ? gap * 3 : 0,
                height(heading, heading_, 0) + gap + first);
        put(heading, heading_, 0, gap, first);
        for (const std::string& line : step.lines)
            put(QString::fromStdString(core::PupilText(line)), body_, indent_, 0, 0);
    }
    painter_.setFont(body_);
}

int paintWorking(QPainter& painter, QPagedPaintDevice& device, const QRect& page, int top,
    const std::vector<core::WorkingStep>& steps)
{
    WorkingFlow flow(painter, page, top, [&device, page] {
        device.newPage();
        return page;
    });
    flow.write({}, steps);
    return flow.top();
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
    writer.setTitle(words::translate("printed working", "Graph and working"));
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
