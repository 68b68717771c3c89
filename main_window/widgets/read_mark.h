#pragma once

class QLineEdit;
class QString;

// A quiet mark on a typed field whose text was not all read as its number
// ("1,5" counts as 1, "abc" as 0): a small triangle in the corner away from
// the text, and a tooltip that says how the text was read. It moves nothing
// and takes no clicks or focus; typing into the field, or any new text in
// it, takes the mark away. A fraction, a mixed number or a fraction
// character is read as the pupil meant it: no mark, and the tooltip says
// "Read as 3/2".
namespace read_mark {

// Marks the field, or clears its mark, by how its text is read now.
void showHowRead(QLineEdit* field);

// Marks the field with why its text cannot be used, such as an equation that
// cannot be read. The tooltip it had comes back with the next edit.
void showProblem(QLineEdit* field, const QString& why);

// Whether the field carries the mark.
bool isMarked(const QLineEdit* field);

} // namespace read_mark
