// trellan_show_window LANGUAGE [about]: the main window in LANGUAGE (en, de,
// fr or es), and the About window over it when asked, as a user starting
// the program in that language sees them; for the screenshots under docs/.

#include "about_window/frm_splash.h"
#include "main_window/form1.h"
#include "words/language.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2 || !words::chooseLanguage(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: trellan_show_window en|de|fr|es [about]\n");
        return 2;
    }
    QApplication app(argc, argv);
    words::installTranslators();
    Form1 window;
    window.show();
    if (argc > 2 && qstrcmp(argv[2], "about") == 0)
        frmSplash::open();
    return QApplication::exec();
}
