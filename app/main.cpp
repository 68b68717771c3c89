#include "app/command_line.h"
#include "look/fonts.h"
#include "main_window/form1.h"
#include "words/language.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    trellan::setApplicationNames();
    const trellan::Launch launch = trellan::runCommandLine(argc, argv);
    if (!launch.window)
        return static_cast<int>(launch.status);

    look::FontConfigurationLoader fontConfiguration; // beside the display connection
    QApplication app(argc, argv);
    words::installTranslators(); // the language the command line chose
    fontConfiguration.wait();
    look::installFontSubstitutions();
    Form1 window;
    window.show();
    if (const auto& practice = launch.window->practice)
        window.openPractice(practice->level, practice->seed);
    return app.exec();
}
