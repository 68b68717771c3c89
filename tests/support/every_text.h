#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// What the language tests look at in a window. Whether every text it shows
// passed through a translation: the tests choose a translation that puts
// each text it is asked for between "⟦" and "⟧", build the window, and look
// for words outside the marks. And whether a longer text pushed one control
// over another.
namespace test_support {

// Chooses the marking translation for the window and the core alike; call
// before the window is made (after the application object exists).
void chooseMarkingTranslation();

// Back to English, the program's own texts.
void chooseEnglish();

struct ShownText {
    QString where; // the widget's object name or class, and which of its texts
    QString text;
};

// The texts `root` and every widget in it show (captions, labels, button,
// menu and tab texts, box items, tooltips, status texts, accessible names
// and descriptions, a text view's text; never what a user typed into a line
// edit) that hold a word of two letters or more outside the marks, `allowed`
// words aside (names that are never translated, such as the program's). A
// text in markup is looked at as the plain text it shows.
QList<ShownText> untranslatedTexts(const QWidget* root, const QStringList& allowed = {});

// The pairs of `window`'s own controls, hidden ones aside, whose rectangles
// overlap, as "name/name".
QStringList overlappingControls(const QWidget* window);

} // namespace test_support
