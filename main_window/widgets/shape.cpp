#include "main_window/widgets/shape.h"

#include <QPainter>

Shape::Shape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (fill_.alpha() > 0)
        painter.fillRect(rect(), fill_);
    if (outlineWidth_ > 0) {
        // The outline lies inside the rectangle.
        QPen pen(outline_, outlineWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal inset = outlineWidth_ / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}
