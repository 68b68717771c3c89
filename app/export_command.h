#pragma once

#include "app/failure.h"

#include <QString>
#include <QStringList>

namespace trellan {

// What `--export` asks for: the file, and the texts to type into the
// window's fields (an empty list keeps the start-up texts).
struct ExportRequest {
    QString file;
    QStringList line1; // X1 Y1 X2 Y2, or one equation
    QStringList line2;
    QStringList range; // lower upper
    double scale = 1;
    bool working = false; // the working on A4 pages below the picture (PDF)
};

// Draws both lines as the window's Draw Both Lines would, without showing a
// window, and writes the picture. Fails with SomeFailed when the command
// stopped with a warning or the file could not be written (and nothing is
// written).
Outcome exportPicture(int& argc, char** argv, const ExportRequest& request);

} // namespace trellan
