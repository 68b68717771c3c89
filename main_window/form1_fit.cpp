#include "main_window/caption_fit.h"
#include "main_window/faces/button_face.h"
#include "main_window/faces/picture_button.h"
#include "main_window/form1.h"
#include "main_window/widgets/shape.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

// The design's English captions fit their controls as placed. A translated
// caption may be longer or shorter. Where boxes lie over a caption, its
// blanks and its cut follow the boxes (caption_fit); elsewhere a longer
// caption's control grows into the room the layout leaves beside it, and
// never past the next control (Form1::fitCaptions). A caption that fits
// leaves its control where the design put it.

namespace caption_fit {

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// The fewest blanks after `text` that bring the next letter to `at` or past
// it; with `nearest`, the count that brings it nearest to `at`.
QString blanksUpTo(const QFontMetrics& metrics, const QString& text, int at, bool nearest)
{
    int count = 1;
    while (metrics.horizontalAdvance(text + blanks(count)) < at)
        ++count;
    const int over = metrics.horizontalAdvance(text + blanks(count)) - at;
    if (nearest && count > 1 && at - metrics.horizontalAdvance(text + blanks(count - 1)) < over)
        --count;
    return blanks(count);
}

} // namespace

// The crossings' row: the two boxes lie over its blanks. The design's
// English row is the measure: a translated name takes as many blanks as
// bring what follows it to where it follows the English name, so that
// ", 0" starts clear of the first box and ")" stays where it was.
QString interceptFrame(const QFont& font, int blanksBeforeLast)
{
    const QString englishFirst = u"X-int = ("_qs + blanks(12);
    const QString englishMiddle = u", 0   )   Y-int = ( 0 ,"_qs;
    //: Short name of the point where a line crosses the x-axis, before " = ( x , 0 )"
    const QString first = Form1::tr("X-int") + u" = ("_qs;
    //: Short name of the point where a line crosses the y-axis, before " = ( 0 , y )"
    const QString middle = u", 0   )   "_qs + Form1::tr("Y-int") + u" = ( 0 ,"_qs;
    // The English row is its own measure.
    if (first == englishFirst.trimmed() && middle == englishMiddle)
        return englishFirst + englishMiddle + blanks(blanksBeforeLast) + u")"_qs;
    const QFontMetrics metrics(font);
    const int middleAt = metrics.horizontalAdvance(englishFirst);
    const int lastAt
        = metrics.horizontalAdvance(englishFirst + englishMiddle + blanks(blanksBeforeLast));
    const QString upToMiddle = first + blanksUpTo(metrics, first, middleAt, false) + middle;
    return upToMiddle + blanksUpTo(metrics, upToMiddle, lastAt, true) + u")"_qs;
}

// A heading runs on under the box that follows it. Its text is cut after
// the last whole word of its caption (the words before " Y =") that ends
// before the box, so no stroke of a hidden letter shows beside the box; the
// label still paints its background up to the box.
void endTextBefore(QLabel* heading, const QWidget* box, qsizetype captionLength)
{
    const int room = box->x() - heading->x();
    const QFontMetrics metrics(heading->font());
    const QString text = heading->text();
    int shown = 0;
    for (qsizetype end = 1; end <= captionLength; ++end) {
        const bool wordEnds = end == text.size() || text.at(end) == QLatin1Char(' ');
        if (!wordEnds || text.at(end - 1) == QLatin1Char(' '))
            continue;
        const QString words = text.left(end);
        const int right
            = std::max(metrics.horizontalAdvance(words), metrics.boundingRect(words).right() + 1);
        if (right >= room)
            break;
        shown = right;
    }
    // QLabel clips its text to the contents rectangle.
    heading->setContentsMargins(0, 0, heading->width() - shown, 0);
}

} // namespace caption_fit

namespace {

QString captionOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

// The width a control needs to show its one-line caption whole: the text's
// advance or its ink, whichever reaches further, and the control's margins.
int neededWidth(const QWidget* control)
{
    const QString text = captionOf(control);
    const QFontMetrics metrics(control->font());
    const int ink
        = std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
    return ink + control->width() - control->contentsRect().width();
}

// Widens `control` to the right, up to the x of `limit`.
void growRight(QWidget* control, int limit)
{
    const int width = std::min(neededWidth(control), limit - control->x());
    if (width > control->width())
        control->resize(width, control->height());
}

// The row of links at the top keeps its right end and its gaps: from the
// right, each link widens to the left and moves the ones before it along.
// The last link's text also ends inside the window, which its label
// reaches past.
template <std::size_t N>
void growRowLeftwards(const std::array<QWidget*, N>& fromRight, int windowWidth)
{
    std::array<int, N> gaps {};
    for (std::size_t k = 1; k < N; ++k)
        gaps[k] = fromRight[k - 1]->x() - (fromRight[k]->x() + fromRight[k]->width());
    int right = fromRight[0]->x() + fromRight[0]->width();
    for (std::size_t k = 0; k < N; ++k) {
        QWidget* link = fromRight[k];
        right -= gaps[k];
        const int needed = neededWidth(link);
        const int width = std::max(link->width(), needed);
        const int x = std::min(right - width, windowWidth - needed);
        link->setGeometry(x, link->y(), width, link->height());
        right = x;
    }
}

// A picture button whose words would be drawn in smaller letters than
// these grows its picture where there is room: the design's faces draw
// theirs at 12 px and more.
constexpr int legibleLetters = 11;

// Widens a picture button and its picture to the right, up to the x of
// `limit`, while its words would be drawn smaller than legibleLetters.
void growPicture(PictureButton* button, int limit)
{
    const int border = button->width() - button->pictureSize().width();
    // A picture stored at build time was made by the window after this
    // fitting, in the same letters: it has the size the fitting gave it then.
    if (const QSize stored = button->storedPictureSize(); stored.isValid()) {
        button->resize(stored.width() + border, button->height());
        button->setPictureSize(stored);
        return;
    }
    while (button->x() + button->width() < limit) {
        // Each size is a face of its own to load: smaller ones are not tried.
        if (faceLetterSize(
                button->words(), button->pictureSize(), button->letterSpacing(), legibleLetters)
            > 0)
            break;
        button->resize(button->width() + 1, button->height());
        button->setPictureSize({ button->width() - border, button->pictureSize().height() });
    }
}

} // namespace

void Form1::fitCaptions()
{
    growRowLeftwards(std::array<QWidget*, 3> { lblCredits, exactLink, practiceLink }, width());
    // The lilac panel's outline is its last column.
    growRight(Label1, Shape1->x() + Shape1->width() - 1);
    growRight(lbl_intval, lblAns->x());
    // The crossings' rows end inside the outline around the equations.
    for (QLabel* frame : { lbl_xyintline1, lbl_xyintline2 })
        growRight(frame, Shape2->x() + Shape2->width() - 2);
    growRight(lbl_mouscoord, txmin->x());
    // The gap the design leaves before the end-point boxes, at least.
    const int gap = 4;
    growPicture(static_cast<PictureButton*>(cmd_bothlines), t1->x() - gap);
}
