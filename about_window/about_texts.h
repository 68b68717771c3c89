#pragma once

#include <QString>

// The fixed texts of the About window. Lines are separated by explicit line
// breaks, so each line shows on its own whatever the installed face's widths.

// "Trellan".
QString aboutTitleText();

// The one-line description under the title.
QString aboutDescriptionText();

// The licence statement with the version, then a line about open bugs.
QString aboutVersionText();

// Author, month of making and e-mail address.
QString aboutCreditsText();

// The planned features, one per line, headed "To Do".
QString aboutToDoText();

// A text's lines without their surrounding blanks, joined into sentences,
// for screen readers.
QString spokenText(const QString& text);
