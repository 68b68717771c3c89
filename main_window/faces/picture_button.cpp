#include "main_window/faces/picture_button.h"

#include "main_window/faces/button_face.h"
#include "main_window/faces/stored_faces.h"
#include "main_window/widgets/enter_key.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>

PictureButton::PictureButton(const QStringList& words, QSize pictureSize, const QColor& faceColour,
    const QColor& background, QWidget* parent)
    : QPushButton(parent)
    , words_(words)
    , pictureSize_(pictureSize)
    , madePictureSize_(pictureSize)
    , faceColour_(faceColour)
{
    setAccessibleName(words.join(QLatin1Char(' ')));
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    setPalette(colours);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::setLetterSpacing(qreal pixels)
{
    letterSpacing_ = pixels;
    cachedPicture_ = QPixmap();
    update();
}

void PictureButton::setPictureSize(QSize size)
{
    pictureSize_ = size;
    cachedPicture_ = QPixmap();
    update();
}

QPixmap PictureButton::picture(qreal devicePixelRatio) const
{
    if (!cachedPicture_.isNull() && cachedPicture_.devicePixelRatio() == devicePixelRatio)
        return cachedPicture_;
    const QImage stored = storedFace(faceKey(devicePixelRatio));
    if (stored.isNull()) {
        cachedPicture_ = paintedPicture(devicePixelRatio);
    } else {
        cachedPicture_ = QPixmap::fromImage(stored);
        cachedPicture_.setDevicePixelRatio(devicePixelRatio);
    }
    return cachedPicture_;
}

QSize PictureButton::storedPictureSize() const
{
    return storedFaceSize(faceKey(1));
}

QPixmap PictureButton::paintedPicture(qreal devicePixelRatio) const
{
    return paintButtonFace(words_, pictureSize_, faceColour_, letterSpacing_, devicePixelRatio);
}

QString PictureButton::faceKey(qreal devicePixelRatio, QSize size) const
{
    return QStringLiteral("%1|%2x%3|%4|%5|%6")
        .arg(words_.join(QLatin1Char('/')))
        .arg(size.width())
        .arg(size.height())
        .arg(faceColour_.name(QColor::HexArgb))
        .arg(letterSpacing_)
        .arg(devicePixelRatio);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));

    // Centred on the button; a pressed button shows its face moved one pixel
    // down and right, as if pushed in.
    QRect target(
        QPoint((width() - pictureSize_.width()) / 2, (height() - pictureSize_.height()) / 2),
        pictureSize_);
    if (isDown() || isChecked())
        target.translate(1, 1);
    painter.drawPixmap(target.topLeft(), picture(devicePixelRatioF()));
    if (isDown() || isChecked()) {
        // The shadow of a pushed-in face on its top and left edges.
        painter.fillRect(QRect(target.left(), target.top(), target.width(), 1), Qt::black);
        painter.fillRect(QRect(target.left(), target.top(), 1, target.height()), Qt::black);
    }

    if (hasFocus()) {
        // A dotted ring inside the bevel, whatever the widget style.
        QPen dots(Qt::black, 1, Qt::DotLine);
        painter.setPen(dots);
        painter.drawRect(target.intersected(rect()).adjusted(3, 3, -4, -4));
    }
}

namespace {

// The same key event as if the space bar had been used.
QKeyEvent asSpace(const QKeyEvent* event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
        event->isAutoRepeat(), static_cast<quint16>(event->count()));
}

} // namespace

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (!isEnterKey(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    QPushButton::keyPressEvent(&space);
    event->setAccepted(space.isAccepted());
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!isEnterKey(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    QPushButton::keyReleaseEvent(&space);
    event->setAccepted(space.isAccepted());
}
