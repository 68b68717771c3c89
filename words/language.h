#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The language the program speaks: English, as designed, or German, French
// or Spanish. One is chosen at start, from --language or else the desktop,
// and then every text a person reads (the windows, the core's sentences, the
// command line's messages, Qt's own dialogs) comes in it. Numbers keep their
// digit rules and their decimal point in every language; machine names (CSV
// fields, JSON keys, option names) stay as they are.
namespace words {

// The codes the program knows, English first: "en", "de", "fr", "es".
QStringList knownLanguages();

// The language the desktop asks for (QLocale::system().uiLanguages(), which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG): the first of its
// languages the program knows, else English.
QString desktopLanguage();

// Chooses `code` ("en", "de", "fr" or "es") for the rest of the run: loads
// its translations, hands the core its way to them, and installs them and
// Qt's own into the application object once there is one (call
// installTranslators() after making it). False, and nothing changed, for a
// code the program does not know.
bool chooseLanguage(const QString& code);

// A translation of one's own in place of the program's: the tests choose
// one that marks every text it is asked for, to find texts that never pass
// through a translation. Its code is "x-own".
void chooseTranslation(std::unique_ptr<QTranslator> translation);

// The chosen language's code; "en" until one is chosen.
QString chosenLanguage();

// Installs the chosen language's translators into the application object,
// for tr() and for Qt's own texts. Call once after making the QApplication
// or QGuiApplication; again after choosing another language.
void installTranslators();

// `text` of `context` in the chosen language, with or without an
// application object: the command line speaks before there is one. Marked
// for lupdate as QCoreApplication::translate is.
QString translate(const char* context, const char* text);

} // namespace words
