#include "main_window/widgets/focus_mark.h"

#include <QEvent>
#include <QPainter>
#include <QPen>

FocusMark* FocusMark::attach(QWidget* target, QMargins inset)
{
    return new FocusMark(target, inset);
}

FocusMark::FocusMark(QWidget* target, QMargins inset)
    : QFocusFrame(target->parentWidget())
    , target_(target)
    , inset_(inset)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_NoSystemBackground);
    target->installEventFilter(this);
    follow();
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QFocusFrame::eventFilter(watched, event);
}

void FocusMark::follow()
{
    setGeometry(target_->geometry().marginsRemoved(inset_));
    // Qt marks a window once the focus in it has moved by Tab.
    const bool shown = target_->isVisible() && target_->hasFocus()
        && target_->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (shown) {
        raise();
        show();
    } else {
        hide();
    }
}

void FocusMark::paintEvent(QPaintEvent* /*event*/)
{
    // Every other pixel black, whatever the widget style: on the window's
    // blue and lilac and on the graph's white the dots all show.
    QPainter painter(this);
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({ 1, 1 });
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
