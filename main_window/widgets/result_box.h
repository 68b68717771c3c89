#pragma once

class QLabel;
class QLineEdit;
class QString;

// How a command shows a result: the box shows the start of its text, as a
// box that has just been given a text does, however long the text; the
// whole text stays selectable. The tooltip gives the whole text when it does
// not fit the box, then the result's exact value.
namespace result_box {

void show(QLineEdit* box, const QString& text, const QString& exact);

// The crossing label: its caption is set elsewhere, with its colour and
// weight; this gives it the same tooltip.
void describe(QLabel* label, const QString& exact);

// Whether `text` fits the width a box shows its text in.
bool fits(const QLineEdit* box, const QString& text);

// From now on, while the box has no focus, a text too wide for it is
// painted with its numbers shortened (short_numbers.h) instead of cut at
// the edge. Its text, what Ctrl+C copies and what a screen reader reads
// stay whole; with the focus it shows the whole text for editing. A text
// that fits is painted by the box itself, untouched.
void shortenWhenCut(QLineEdit* box);
void shortenWhenCut(QLabel* label);

// What the box or label paints while it has no focus.
QString shown(const QLineEdit* box);
QString shown(const QLabel* label);

} // namespace result_box
