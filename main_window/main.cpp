#include "look/fonts.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trellan"));
    look::installFontSubstitutions();
    Form1 window;
    window.show();
    return app.exec();
}
