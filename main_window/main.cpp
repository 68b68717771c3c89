#include "look/fonts.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    look::FontConfigurationLoader fontConfiguration; // beside the display connection
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trellan"));
    fontConfiguration.wait();
    look::installFontSubstitutions();
    Form1 window;
    window.show();
    return app.exec();
}
