#include "main_window/widgets/result_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace result_box {

namespace {

// A line edit keeps this many pixels clear on each side of its text.
constexpr int lineEditMargin = 2;

QString tooltip(bool cut, const QString& text, const QString& exact)
{
    if (!cut)
        return exact;
    if (exact.isEmpty())
        return text;
    return text + u'\n' + exact;
}

} // namespace

bool Fits(const QLineEdit* box, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth = box->hasFrame()
        ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box)
        : 0;
    const QMargins margins = box->textMargins();
    const int width
        = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width()
        - margins.left() - margins.right() - 2 * lineEditMargin;
    return box->fontMetrics().horizontalAdvance(text) <= width;
}

void Show(QLineEdit* box, const QString& text, const QString& exact)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(tooltip(!Fits(box, text), text, exact));
}

void Describe(QLabel* label, const QString& exact)
{
    const QString text = label->text();
    const bool cut = label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width();
    label->setToolTip(tooltip(cut, text, exact));
}

} // namespace result_box
