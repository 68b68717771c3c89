#include "main_window/widgets/edit_frame.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

EditFrame* EditFrame::attach(QLineEdit* box)
{
    return new EditFrame(box);
}

EditFrame::EditFrame(QLineEdit* box)
    : QWidget(box)
    , box_(box)
{
    setObjectName(QStringLiteral("editFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    box->setCursor(Qt::IBeamCursor);
    box->installEventFilter(this);
    follow();
}

bool EditFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_) {
        switch (event->type()) {
        case QEvent::Enter:
            over_ = true;
            follow();
            break;
        case QEvent::Leave:
            over_ = false;
            follow();
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EditFrame::follow()
{
    setGeometry(box_->rect());
    // Below what is put on the box later, such as the read mark.
    setVisible(over_ || box_->hasFocus());
}

void EditFrame::paintEvent(QPaintEvent* /*event*/)
{
    // The grey of a field's sunken edge, one pixel wide: it shows on the
    // lilac and the blue alike, and is no focus mark's dotted black.
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
