#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QStringList>

// A push button that shows a picture of its face (see paintButtonFace)
// instead of a caption: it fills its background colour (the palette's Button
// role) and draws the picture centred on it, cut at its edges where the picture is larger than the
// button. The words of the picture become the button's accessible name.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QStringList& words, QSize pictureSize, const QColor& faceColour,
        const QColor& background, QWidget* parent = nullptr);

    // Pixels added between the letters of the words.
    void setLetterSpacing(qreal pixels);
    qreal letterSpacing() const { return letterSpacing_; }

    // The words, one entry a line, and the picture they are drawn on; a
    // picture grows where its words would be drawn too small to read.
    const QStringList& words() const { return words_; }
    QSize pictureSize() const { return pictureSize_; }
    void setPictureSize(QSize size);

    // The picture's size when the button was made, before any fitting.
    QSize madePictureSize() const { return madePictureSize_; }

    // The picture at the given device pixel ratio: the one stored at build
    // time when there is one (main_window/faces/stored_faces.h), else painted.
    QPixmap picture(qreal devicePixelRatio = 1) const;
    // The size of the picture stored at build time for its words and its
    // present size: the size the window's fitting gave the picture then,
    // starting from this one; an invalid size when none was stored.
    QSize storedPictureSize() const;

    // The picture painted now, and the key it is stored under, at its present
    // size or at `size`.
    QPixmap paintedPicture(qreal devicePixelRatio = 1) const;
    QString faceKey(qreal devicePixelRatio) const
    {
        return faceKey(devicePixelRatio, pictureSize_);
    }
    QString faceKey(qreal devicePixelRatio, QSize size) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Return press the button as the space bar does: down while
    // held, one click on release, however long the key repeats.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QStringList words_;
    QSize pictureSize_;
    QSize madePictureSize_;
    QColor faceColour_;
    qreal letterSpacing_ = 0;
    mutable QPixmap cachedPicture_;
};
