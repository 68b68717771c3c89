// Runs every test class of the About window and the program's icon.

#include "main_window/fonts.h"

#include <QApplication>

int runSplashLookTests(int argc, char** argv);
int runSplashOpenTests(int argc, char** argv);
int runIconTests(int argc, char** argv);
int runVersionTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The faces the window names are mapped as the program maps them.
    installFontSubstitutions();
    int failures = 0;
    failures += runSplashLookTests(argc, argv);
    failures += runSplashOpenTests(argc, argv);
    failures += runIconTests(argc, argv);
    failures += runVersionTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
