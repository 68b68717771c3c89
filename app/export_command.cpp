#include "app/export_command.h"

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

#include <QGuiApplication>

#include <cstdio>

namespace trellan {

namespace {

void complain(const QString& text)
{
    const QByteArray bytes = (QStringLiteral("trellan: ") + text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

// The texts given on the command line over the start-up texts.
core::TypedFields typedFields(const ExportRequest& request)
{
    core::TypedFields typed = core::startUpTexts;
    for (int k = 0; k < 4; ++k) {
        if (k < request.line1.size())
            typed.line1[static_cast<std::size_t>(k)] = request.line1[k].toStdString();
        if (k < request.line2.size())
            typed.line2[static_cast<std::size_t>(k)] = request.line2[k].toStdString();
    }
    if (request.range.size() > 0)
        typed.lower = request.range[0].toStdString();
    if (request.range.size() > 1)
        typed.upper = request.range[1].toStdString();
    return typed;
}

} // namespace

int exportPicture(int& argc, char** argv, const ExportRequest& request)
{
    // Nothing is shown: with no display to use, draw off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    look::installFontSubstitutions(); // the tick numbers' face, as on screen

    // Drawn as the window's Draw Both Lines draws it, without a window, and
    // without the labels the window may show over it.
    const core::TypedFields typed = typedFields(request);
    const core::CommandResult outcome = core::BothLines(typed, false);
    if (outcome.stop) {
        complain(bad_input::warning(*outcome.stop));
        return 1;
    }
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
    if (!written) {
        complain(QStringLiteral("cannot write '%1': %2").arg(request.file, *written.failure));
        return 1;
    }
    return 0;
}

} // namespace trellan
