// trellan_face_gen FILE: paints the faces of the main window's picture
// buttons, at device pixel ratios 1 and 2, into FILE for the program to
// embed (main_window/faces/stored_faces.h). The faces come from the window's own
// buttons, so what is stored is what the window would paint.
#include "look/fonts.h"
#include "main_window/faces/picture_button.h"
#include "main_window/faces/stored_faces.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: trellan_face_gen FILE\n");
        return 1;
    }
    look::installFontSubstitutions();
    Form1 window;
    window.showWarnings = false;

    QByteArray faces;
    for (const PictureButton* button : window.findChildren<PictureButton*>()) {
        for (const qreal ratio : { 1.0, 2.0 })
            faces
                += storedFaceEntry(button->faceKey(ratio), button->paintedPicture(ratio).toImage());
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(faces) != faces.size() || !file.commit()) {
        std::fprintf(stderr, "trellan_face_gen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
