#include "app/command_line.h"
#include "look/fonts.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    trellan::setApplicationNames();
    const std::variant<int, trellan::WindowStart> start = trellan::runCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&start))
        return *status;

    look::FontConfigurationLoader fontConfiguration; // beside the display connection
    QApplication app(argc, argv);
    fontConfiguration.wait();
    look::installFontSubstitutions();
    Form1 window;
    window.show();
    if (const auto& practice = std::get<trellan::WindowStart>(start).practice)
        window.openPractice(practice->level, practice->seed);
    return app.exec();
}
