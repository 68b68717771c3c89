// Linked into every widget test: the test starts as the program does, with
// the classic face names mapped onto the installed faces before any window
// is made.

#include "look/fonts.h"

#include <QCoreApplication>

static void installFaces()
{
    look::installFontSubstitutions();
}

Q_COREAPP_STARTUP_FUNCTION(installFaces)
