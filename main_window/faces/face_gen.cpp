// trellan_face_gen FOLDER: paints the faces of the main window's picture
// buttons in each language the window speaks, at device pixel ratios 1 and
// 2, into one file a language in FOLDER for the program to embed
// (main_window/faces/stored_faces.h). The faces come from the window's own
// buttons after its fitting, so what is stored is what the window would
// paint.
#include "look/fonts.h"
#include "main_window/faces/picture_button.h"
#include "main_window/faces/stored_faces.h"
#include "main_window/form1.h"
#include "words/language.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: trellan_face_gen FOLDER\n");
        return 1;
    }
    look::installFontSubstitutions();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const QString& language : words::knownLanguages()) {
        words::chooseLanguage(language);
        words::installTranslators();
        Form1 window;
        window.showWarnings = false;

        QByteArray faces;
        for (const PictureButton* button : window.findChildren<PictureButton*>()) {
            for (const qreal ratio : { 1.0, 2.0 })
                faces += storedFaceEntry(
                    button->faceKey(ratio), button->paintedPicture(ratio).toImage());
            // A picture the fitting grew is found from the size it was made
            // with too, which tells the fitting where it grew to.
            if (button->pictureSize() != button->madePictureSize())
                faces += storedFaceEntry(button->faceKey(1, button->madePictureSize()),
                    button->paintedPicture(1).toImage());
        }
        const QString path = folder.filePath(storedFacesFile(language));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(faces) != faces.size()
            || !file.commit()) {
            std::fprintf(stderr, "trellan_face_gen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
