#include "app/command_line.h"
#include "look/fonts.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    trellan::setApplicationNames();
    if (const std::optional<int> status = trellan::runCommandLine(argc, argv))
        return *status;

    look::FontConfigurationLoader fontConfiguration; // beside the display connection
    QApplication app(argc, argv);
    fontConfiguration.wait();
    look::installFontSubstitutions();
    Form1 window;
    window.show();
    return app.exec();
}
