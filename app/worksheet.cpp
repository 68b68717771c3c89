#include "app/worksheet.h"

#include "app/output_files.h"
#include "core/exercises.h"
#include "core/solution.h"
#include "graph/canvas.h"
#include "graph/outcome_drawing.h"
#include "graph/point_marks.h"
#include "graph/working_pages.h"
#include "look/fonts.h"
#include "look/graph_place.h"
#include "words/file_written.h"
#include "words/language.h"

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
constexpr int top = margin + 44; // below the page's title
constexpr int bottom = pageHeight - margin - 12; // above its footer
constexpr int gridSize = 300; // the graph's picture, square

// How exercises share a page: the sheet's leave room to work, the key's
// pictures stand four to a page.
struct Cells {
    int columns, rows;
};
constexpr Cells sheetCells { 1, 2 }, keyCells { 2, 2 };

QString exerciseText(int n, const core::Exercise& e)
{
    return QStringLiteral("%1. %2.").arg(
        QString::number(n), QString::fromStdString(core::ExerciseSentence(e)));
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
    QPoint cell(int k, Cells cells)
    {
        const int onPage = k % (cells.columns * cells.rows);
        if (k > 0 && onPage == 0)
            turnPage();
        const int cellWidth = (pageWidth - 2 * margin) / cells.columns;
        const int cellHeight = (bottom - top) / cells.rows;
        return { margin + (onPage % cells.columns) * cellWidth,
            top + (onPage / cells.columns) * cellHeight };
    }

    // How wide `text` is on one line, in pixels.
    int width(const QString& text, qreal points = 10)
    {
        painter_.setFont(look::windowFont(QStringLiteral("MS Sans Serif"), points));
        return static_cast<int>(
                   painter_.boundingRect(QRectF(), Qt::TextSingleLine, text).width() / dots)
            + 1;
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

    // A command's picture at `at`, drawn as vectors by the graph's own code,
    // numbered at both ends of its axes; and the marks given, over it.
    void picture(QPoint at, const core::CommandResult& result,
        const std::vector<graph::PointMark>& marks = {})
    {
        painter_.save();
        painter_.translate(at.x() * dots, at.y() * dots);
        graph::Canvas canvas(painter_, { gridSize, gridSize }, dots);
        canvas.setFont(look::mainWindowFont());
        graph::drawOutcome(canvas, nullptr, result, graph::EndNumbers::Shown);
        for (const graph::PointMark& mark : marks)
            canvas.Mark(mark);
        canvas.finish();
        painter_.restore();
    }

    // The exercises' working, one after another in two columns a page, from
    // a new page; each under its title.
    void working(const std::vector<std::pair<QString, std::vector<core::WorkingStep>>>& all)
    {
        turnPage();
        const int gutter = 24;
        const int columnTop = margin + 28; // just below the page's title
        const int width = (pageWidth - 2 * margin - gutter) / 2;
        int column = 0;
        const auto place = [&] {
            const int left = margin + column * (width + gutter);
            return QRect(QPoint(left * dots, columnTop * dots),
                QPoint((left + width) * dots, bottom * dots));
        };
        painter_.setFont(look::windowFont(QStringLiteral("MS Sans Serif"), 10));
        graph::WorkingFlow flow(
            painter_, place(), place().top(),
            [&] {
                if (++column == 2) {
                    column = 0;
                    turnPage();
                }
                return place();
            },
            10);
        for (const auto& [title, steps] : all)
            flow.write(title, steps);
    }

    bool end() { return painter_.end(); }

private:
    void turnPage()
    {
        writer_.newPage();
        startPage();
    }

    void startPage()
    {
        ++page_;
        text({ margin, margin - 16, pageWidth - 2 * margin, 30 }, title_, 13, true);
        text({ margin, pageHeight - margin, pageWidth - 2 * margin, 20 },
            words::translate("worksheet", "%1 · page %2").arg(footer_, QString::number(page_)), 8);
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
        QStringLiteral("%1          %2 ____________________   %3 __________")
            .arg(words::translate("worksheet", "Straight lines"),
                words::translate("worksheet", "Name:"), words::translate("worksheet", "Date:")),
        footer);
    if (!pages.ok())
        return false;
    // An empty numbered grid to draw on: the frame and ticks of -10..10.
    core::CommandResult grid;
    grid.range = { -10.0, 10.0 };
    const int width = pageWidth - 2 * margin;
    // Beside the grid, a line for each answer, tall enough for a fraction.
    const QString names[] = { words::translate("worksheet", "Slope"),
        words::translate("worksheet", "y-intercept"), words::translate("worksheet", "Equation"),
        words::translate("worksheet", "Crossing") };
    // The answer's name and a gap before its line, which starts further
    // right when a language's name is longer.
    int label = 78;
    for (const QString& name : names)
        label = std::max(label, pages.width(name) + 8);
    const int left = gridSize + 32, pitch = 40;
    for (std::size_t k = 0; k < sheet.size(); ++k) {
        const QPoint at = pages.cell(static_cast<int>(k), sheetCells);
        int y = at.y();
        y += pages.text(
            { at.x(), y, width, 40 }, exerciseText(static_cast<int>(k) + 1, sheet[k]), 11);
        y += pages.text({ at.x(), y, width, 20 },
            words::translate("worksheet",
                "Find each line's slope, y-intercept and equation, and where the lines "
                "cross."),
            10);
        pages.picture({ at.x(), y + 8 }, grid);
        int row = y + 8;
        const auto answerLine = [&](const QString& name) {
            row += pitch;
            pages.text({ at.x() + left, row - 16, label, 20 }, name, 10);
            pages.line(at.x() + left + label, row, at.x() + width);
        };
        for (int line = 1; line <= 2; ++line) {
            pages.text({ at.x() + left, row, width - left, 20 },
                words::translate("worksheet", "Line %1").arg(line), 10, true);
            for (const QString& name : { names[0], names[1], names[2] })
                answerLine(name);
            row += 16;
        }
        answerLine(names[3]);
    }
    return pages.end();
}

// The crossing of the exercise's lines, labelled with its exact coordinates,
// as a mark of its picture; none when they do not cross in one point.
std::vector<graph::PointMark> crossingMark(const core::Solution& solution)
{
    const core::CommandResult& drawn = solution.drawn;
    std::vector<graph::PointMark> marks = graph::outcomeMarks(drawn);
    if (!drawn.crossing || drawn.crossing->kind != core::CrossingKind::Point
        || solution.crossingPoint.empty() || marks.empty())
        return {};
    graph::PointMark mark = marks.back(); // the crossing's comes last
    mark.text = QString::fromStdString(solution.crossingPoint);
    return { mark };
}

bool writeKey(QIODevice& device, const std::vector<core::Exercise>& sheet, const QString& footer)
{
    Pages pages(device, words::translate("worksheet", "Straight lines: answers"), footer);
    if (!pages.ok())
        return false;
    const int width = (pageWidth - 2 * margin) / keyCells.columns - 24;
    std::vector<core::Solution> solutions;
    for (const core::Exercise& e : sheet)
        solutions.push_back(core::SolutionOf(e));
    for (std::size_t k = 0; k < sheet.size(); ++k) {
        const QPoint at = pages.cell(static_cast<int>(k), keyCells);
        int y = at.y();
        y += pages.text({ at.x(), y, width, 40 }, exerciseText(static_cast<int>(k) + 1, sheet[k]));
        pages.picture({ at.x(), y + 4 }, solutions[k].drawn, crossingMark(solutions[k]));
        y += gridSize + 10;
        for (const std::string& answer : solutions[k].answers)
            y += pages.text({ at.x(), y, width, 20 }, QString::fromStdString(answer), 9);
    }
    // Then how each answer is reached, step by step.
    std::vector<std::pair<QString, std::vector<core::WorkingStep>>> workings;
    for (std::size_t k = 0; k < sheet.size(); ++k)
        workings.emplace_back(
            words::translate("worksheet", "Exercise %1").arg(k + 1), solutions[k].working);
    pages.working(workings);
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
    words::installTranslators();
    look::installFontSubstitutions();

    const std::vector<core::Exercise> sheet
        = core::MakeExercises(request.exercises, request.level, request.seed);
    const QString footer = words::translate("worksheet", "Trellan worksheet · level %1 · seed %2")
                               .arg(QString::number(request.level), QString::number(request.seed));
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
            files.failed(name, words::whyNotWritten(file, errno));
    }
    return files.commit();
}

} // namespace trellan
