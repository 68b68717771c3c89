#include "main_window/widgets/link_button.h"

#include "main_window/widgets/enter_key.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

LinkButton::LinkButton(const QString& text, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    // Filled and written in a label's colours, not a button's.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
}

QSize LinkButton::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, text());
}

void LinkButton::paintEvent(QPaintEvent* /*event*/)
{
    // As a plain-text label draws its text: top left, in the window-text
    // colour of its palette.
    QPainter painter(this);
    const Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    style()->drawItemText(
        &painter, contentsRect(), alignment, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect
            = style()
                  ->itemTextRect(fontMetrics(), contentsRect(), alignment, isEnabled(), text())
                  .intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void LinkButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
