// Runs every test class of the About window and the program's icon.

#include <QApplication>

int runSplashLookTests(int argc, char** argv);
int runSplashOpenTests(int argc, char** argv);
int runIconTests(int argc, char** argv);
int runVersionTests(int argc, char** argv);

int main(int argc, char** argv)
{
    // The faces the window names are mapped as the program maps them, when
    // the application starts (tests/faces_at_start.cpp), and not by the main
    // window: none is made here.
    QApplication app(argc, argv);
    int failures = 0;
    failures += runSplashLookTests(argc, argv);
    failures += runSplashOpenTests(argc, argv);
    failures += runIconTests(argc, argv);
    failures += runVersionTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
