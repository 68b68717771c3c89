// Linked into every widget test: the test starts as the program does, with
// the classic face names given to the installed faces before any window is
// made.

#include "look/fonts.h"

#include <QCoreApplication>

static void installFaces()
{
    look::FontConfigurationLoader fontConfiguration;
    fontConfiguration.wait();
    look::installFontSubstitutions();
}

Q_COREAPP_STARTUP_FUNCTION(installFaces)
