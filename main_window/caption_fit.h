#pragma once

#include <QString>

class QFont;
class QLabel;
class QWidget;

// Captions that boxes lie over (form1_fit.cpp): what shows of them is
// fitted to the boxes, in whichever language they are.
namespace caption_fit {

// A heading runs on under the box that follows it. Its text is cut after
// the last whole word of its first `captionLength` characters that ends
// before the box.
void endTextBefore(QLabel* heading, const QWidget* box, qsizetype captionLength);

// The crossings' row, "X-int = ( _ , 0 )   Y-int = ( 0 , _ )", with blanks
// where its two boxes lie, as wide as in the English design whatever the
// names' widths.
QString interceptFrame(const QFont& font, int blanksBeforeLast);

} // namespace caption_fit
