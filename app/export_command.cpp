#include "app/export_command.h"

#include "app/equation_rows.h"
#include "core/line_commands.h"
#include "core/start_up_texts.h"
#include "graph/canvas.h"
#include "graph/drawing_record.h"
#include "graph/outcome_drawing.h"
#include "graph/picture_file.h"
#include "graph/working_pages.h"
#include "look/fonts.h"
#include "look/graph_place.h"
#include "words/bad_input.h"
#include "words/language.h"

#include <QGuiApplication>

#include <array>
#include <optional>
#include <string>

namespace trellan {

namespace {

Failure stopped(const QString& why)
{
    return { why.toStdString(), ExitStatus::SomeFailed };
}

// The texts given on the command line over the start-up texts, unless a line
// given as its equation has no end points.
Result<core::TypedFields> typedFields(const ExportRequest& request)
{
    core::TypedFields typed = core::startUpTexts;
    if (request.range.size() > 0)
        typed.lower = request.range[0].toStdString();
    if (request.range.size() > 1)
        typed.upper = request.range[1].toStdString();
    for (const auto& [given, line] : { std::pair { &request.line1, &typed.line1 },
             std::pair { &request.line2, &typed.line2 } }) {
        if (given->size() == 1) {
            // A line given as its equation gets the end points the window
            // would choose for it in the range.
            const QString equation = given->constFirst();
            const auto points
                = answers::endPointsOf(equation.toStdString(), typed.lower, typed.upper,
                    words::translate("command line", "cannot read the equation '%1': ")
                        .arg(equation)
                        .toStdString());
            if (!points)
                return points.failure();
            *line = *points;
            continue;
        }
        for (qsizetype k = 0; k < 4 && k < given->size(); ++k)
            (*line)[static_cast<std::size_t>(k)] = (*given)[k].toStdString();
    }
    return typed;
}

} // namespace

Outcome exportPicture(int& argc, char** argv, const ExportRequest& request)
{
    // Nothing is shown: with no display to use, draw off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    words::installTranslators();
    look::installFontSubstitutions(); // the tick numbers' face, as on screen

    // Drawn as the window's Draw Both Lines draws it, without a window, and
    // without the labels the window may show over it.
    const Result<core::TypedFields> read = typedFields(request);
    if (!read)
        return read.failure();
    const core::TypedFields& typed = *read;
    const core::CommandResult outcome = core::BothLines(typed, false);
    if (outcome.stop)
        return stopped(bad_input::warning(*outcome.stop));
    graph::Canvas canvas(look::graphPictureSize);
    canvas.setFont(look::mainWindowFont());
    graph::DrawingRecord record;
    record.Cls(canvas);
    graph::drawOutcome(canvas, &record, outcome);

    const std::optional<graph::PictureFormat> format = graph::pictureFormatOf(request.file);
    const words::FileWritten written = request.working ? graph::writePdfWithWorking(record,
                                           request.file, core::WorkingFor(typed.line1, typed.line2))
        : format ? graph::writePicture(record, request.file, *format, request.scale)
                 : words::FileWritten { QString() };
    if (!written)
        return stopped(words::translate("command line", "cannot write '%1': %2")
                           .arg(request.file, *written.failure));
    return done;
}

} // namespace trellan
