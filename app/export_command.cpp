#include "app/export_command.h"

#include "graph/graph_panel.h"
#include "graph/picture_file.h"
#include "look/fonts.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

#include <cstdio>

namespace trellan {

namespace {

void complain(const QString& text)
{
    const QByteArray bytes = (QStringLiteral("trellan: ") + text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void type(QLineEdit* field, const QStringList& texts, int k)
{
    if (k < texts.size())
        field->setText(texts[k]);
}

} // namespace

int exportPicture(int& argc, char** argv, const ExportRequest& request)
{
    // Nothing is shown: with no display to use, draw off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    look::installFontSubstitutions(); // the tick numbers' face, as on screen

    // The window's own command draws the picture, hidden.
    Form1 form;
    form.showWarnings = false;
    // The picture is the command line's alone, whatever the window was last
    // set to show over it.
    form.p1->showPointMarks(false);
    QStringList warnings;
    QObject::connect(&form, &Form1::warningRaised, &form,
        [&warnings](const QString& text) { warnings.append(text); });
    QLineEdit* const one[] = { form.t1, form.t2, form.t3, form.t4 };
    QLineEdit* const two[] = { form.t1_b, form.t2_b, form.t3_b, form.t4_b };
    for (int k = 0; k < 4; ++k) {
        type(one[k], request.line1, k);
        type(two[k], request.line2, k);
    }
    type(form.txmin, request.range, 0);
    type(form.txmax, request.range, 1);
    form.cmd_bothlines_Click();
    if (!warnings.isEmpty()) {
        complain(warnings.constLast());
        return 1;
    }
    const std::optional<graph::PictureFormat> format = graph::PictureFormatOf(request.file);
    QString reason;
    if (!format
        || !graph::WritePicture(form.p1->record(), request.file, *format, request.scale, &reason)) {
        complain(QStringLiteral("cannot write '%1': %2").arg(request.file, reason));
        return 1;
    }
    return 0;
}

} // namespace trellan
