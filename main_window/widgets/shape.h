#pragma once

#include <QColor>
#include <QWidget>

// A plain rectangle drawn behind other controls: filled or not, with an
// outline of a given colour and width. It takes no input.
class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QWidget* parent = nullptr);

    void setFill(const QColor& colour)
    {
        fill_ = colour;
        update();
    }
    void setOutline(const QColor& colour, int width)
    {
        outline_ = colour;
        outlineWidth_ = width;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_ = Qt::transparent;
    QColor outline_ = Qt::black;
    int outlineWidth_ = 1;
};
