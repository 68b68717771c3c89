#pragma once

#include <QtGlobal>

class QPlainTextEdit;
class QString;

// Lines of a plain text box that break between words, as a reader expects,
// without a long unbroken text holding the window. Breaking between words
// makes the toolkit look for the end of a word at every line it lays out, so
// a word of n characters costs time in n * n: a pasted megabyte without a
// blank held the window for most of a minute. While the box holds a word
// longer than LongestWord it breaks its lines anywhere instead, and goes back
// to breaking between words once no such word is left.
namespace word_wrap {

// The longest word, with the blanks that follow it, in UTF-16 units, that
// leaves lines breaking between words; two and a half lines of the report
// box. A megabyte of words this long takes about a tenth longer to lay out
// than the same megabyte broken anywhere; words four times as long add over a
// third.
inline constexpr qsizetype LongestWord = 250;

// The longest stretch of `text` with nowhere to break a line, in UTF-16
// units: the longest word, where the words end wherever a line may break.
qsizetype longestWord(const QString& text);

// Makes `box` break its lines between words, for good.
void betweenWords(QPlainTextEdit* box);

} // namespace word_wrap
