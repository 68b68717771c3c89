#include "app/worksheet.h"

#include "app/output_files.h"
#include "core/exercises.h"
#include "core/solution.h"
#include "graph/canvas.h"
#include "graph/outcome_drawing.h"
#include "graph/working_pages.h"
#include "look/fonts.h"
#include "look/graph_place.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <utility>
#include <vector>

namespace trellan {

namespace {

// Pages are laid out in the screen's pixels, 96 to an inch, and drawn at the
// PDF's finer resolution, where whole dots snap lines invisibly.
constexpr int dotsPerInch = 1200;
constexpr qreal dots = dotsPerInch / 96.0;
constexpr int pageWidth = 794, pageHeight = 1123; // A4
constexpr int margin = 48;
constexpr int columns = 2, rows = 2; // exercises on a page
constexpr int gridSize = 300; // the graph's picture, square

QString exerciseText(int n, const core::Exercise& e)
{
    return QStringLiteral("%1. %2.").arg(n).arg(QString::fromStdString(core::ExerciseSentence(e)));
}

class Pages {
public:
    Pages(QIODevice& device, const QString& title, const QString& footer)
        : writer_(&device)
        , title_(title)
        , footer_(footer)
    {
        writer_.setResolution(dotsPerInch);
        writer_.setCreator(QStringLiteral("Trellan"));
        writer_.setTitle(title);
        writer_.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        ok_ = painter_.begin(&writer_);
        if (ok_)
            startPage();
    }

    bool ok() const { return ok_; }
    QPainter& painter() { return painter_; }

    // The top-left corner of the k-th exercise's cell, in pixels.
    QPoint cell(int k)
    {
        const int onPage = k % (columns * rows);
        if (k > 0 && onPage == 0) {
            writer_.newPage();
            startPage();
        }
        const int cellWidth = (pageWidth - 2 * margin) / columns;
        const int cellHeight = (pageHeight - 2 * margin - 80) / rows;
        return { margin + (onPage % columns) * cellWidth,
            margin + 44 + (onPage / columns) * cellHeight };
    }

    // Text in the box, wrapped; returns the height it took, in pixels.
    int text(const QRect& box, const QString& text, qreal points = 10, bool bold = false)
    {
        QFont font = look::windowFont(QStringLiteral("MS Sans Serif"), points, bold);
        painter_.setFont(font);
        const QRectF area(box.x() * dots, box.y() * dots, box.width() * dots, 10000);
        const QRectF used = painter_.boundingRect(area, Qt::TextWordWrap, text);
        painter_.drawText(area, Qt::TextWordWrap, text);
        return static_cast<int>(used.height() / dots) + 4;
    }

    void line(int x1, int y, int x2)
    {
        painter_.setPen(QPen(Qt::black, dots * 0.75));
        painter_.drawLine(QPointF(x1 * dots, y * dots), QPointF(x2 * dots, y * dots));
    }

    // A command's picture at `at`, drawn as vectors by the graph's own code.
    void picture(QPoint at, const core::CommandResult& result)
    {
        painter_.save();
        painter_.translate(at.x() * dots, at.y() * dots);
        graph::Canvas canvas(painter_, { gridSize, gridSize }, dots);
        canvas.setFont(look::mainWindowFont());
        graph::drawOutcome(canvas, nullptr, result);
        canvas.finish();
        painter_.restore();
    }

    // An exercise's working on a page of its own, going on to more pages
    // when it is long.
    void working(const QString& heading, const std::vector<core::WorkingStep>& steps)
    {
        writer_.newPage();
        startPage();
        const int top = margin + 30;
        const int used = text({ margin, top, pageWidth - 2 * margin, 30 }, heading, 11, true);
        const QRect area(QPoint(margin * dots, top * dots),
            QPoint((pageWidth - margin) * dots, (pageHeight - margin - 10) * dots));
        graph::paintWorking(painter_, writer_, area, (top + used) * dots, steps);
    }

    bool end() { return painter_.end(); }

private:
    void startPage()
    {
        ++page_;
        text({ margin, margin - 16, pageWidth - 2 * margin, 30 }, title_, 13, true);
        text({ margin, pageHeight - margin, pageWidth - 2 * margin, 20 },
            QStringLiteral("%1 · page %2").arg(footer_).arg(page_), 8);
    }

    QPdfWriter writer_;
    QPainter painter_;
    QString title_, footer_;
    int page_ = 0;
    bool ok_ = false;
};

bool writeSheet(QIODevice& device, const std::vector<core::Exercise>& sheet, const QString& footer)
{
    Pages pages(device,
        QStringLiteral("Straight lines          Name: ____________________   Date: __________"),
        footer);
    if (!pages.ok())
        return false;
    // An empty numbered grid to draw on: the frame and ticks of -10..10.
    core::CommandResult grid;
    grid.range = { -10.0, 10.0 };
    const int width = (pageWidth - 2 * margin) / columns - 24;
    for (std::size_t k = 0; k < sheet.size(); ++k) {
        const QPoint at = pages.cell(static_cast<int>(k));
        int y = at.y();
        y += pages.text({ at.x(), y, width, 40 }, exerciseText(static_cast<int>(k) + 1, sheet[k]));
        pages.picture({ at.x(), y + 4 }, grid);
        y += gridSize + 22;
        for (const char* answer : { "Line 1: slope", "Line 2: slope", "Crossing" }) {
            pages.text({ at.x(), y - 14, width, 20 }, QString::fromLatin1(answer), 9);
            pages.line(at.x() + 80, y, at.x() + width);
            y += 26;
        }
    }
    return pages.end();
}

bool writeKey(QIODevice& device, const std::vector<core::Exercise>& sheet, const QString& footer)
{
    Pages pages(device, QStringLiteral("Straight lines: answers"), footer);
    if (!pages.ok())
        return false;
    const int width = (pageWidth - 2 * margin) / columns - 24;
    std::vector<core::Solution> solutions;
    for (const core::Exercise& e : sheet)
        solutions.push_back(core::SolutionOf(e));
    for (std::size_t k = 0; k < sheet.size(); ++k) {
        const QPoint at = pages.cell(static_cast<int>(k));
        int y = at.y();
        y += pages.text({ at.x(), y, width, 40 }, exerciseText(static_cast<int>(k) + 1, sheet[k]));
        pages.picture({ at.x(), y + 4 }, solutions[k].drawn);
        y += gridSize + 10;
        for (const std::string& answer : solutions[k].answers)
            y += pages.text({ at.x(), y, width, 20 }, QString::fromStdString(answer), 9);
    }
    // Then how each answer is reached, step by step.
    for (std::size_t k = 0; k < sheet.size(); ++k)
        pages.working(QStringLiteral("Exercise %1: the working").arg(k + 1), solutions[k].working);
    return pages.end();
}

// The eight columns --answers reads, with their names in a first row.
QByteArray exercisesCsv(const std::vector<core::Exercise>& sheet)
{
    QByteArray csv = "X1,Y1,X2,Y2,X1,Y1,X2,Y2\r\n";
    for (const core::Exercise& e : sheet) {
        const std::array<std::string, 8> texts = core::ExerciseTexts(e);
        for (std::size_t k = 0; k < texts.size(); ++k)
            csv += QByteArray::fromStdString(texts[k]) + (k + 1 < texts.size() ? "," : "\r\n");
    }
    return csv;
}

} // namespace

Outcome writeWorksheet(int& argc, char** argv, const WorksheetRequest& request)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    look::installFontSubstitutions();

    const std::vector<core::Exercise> sheet
        = core::MakeExercises(request.exercises, request.level, request.seed);
    const QString footer = QStringLiteral("Trellan worksheet · level %1 · seed %2")
                               .arg(request.level)
                               .arg(request.seed);
    // Everything is written first and put in place only when all of it was.
    const std::pair<QString, std::function<bool(QIODevice&)>> outputs[] = {
        { request.sheet, [&](QIODevice& file) { return writeSheet(file, sheet, footer); } },
        { request.key, [&](QIODevice& file) { return writeKey(file, sheet, footer); } },
        { request.csv,
            [&](QIODevice& file) {
                const QByteArray csv = exercisesCsv(sheet);
                return file.write(csv) == csv.size();
            } },
    };
    OutputFiles files;
    for (const auto& [name, contents] : outputs) {
        if (name.isEmpty())
            continue;
        const Result<QString> staged = files.stage(name);
        if (!staged)
            return Failure { staged.failure().message, ExitStatus::SomeFailed };
        QFile file(*staged);
        const bool written = file.open(QIODevice::WriteOnly) && contents(file) && file.flush();
        // The PDF writer does not say when its device failed; the file does.
        if (!written || file.error() != QFileDevice::NoError)
            files.failed(name, file.errorString());
    }
    return files.commit();
}

} // namespace trellan
