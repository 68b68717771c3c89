#pragma once

#include <QWidget>

class QLineEdit;

// A thin frame round a box drawn without a border, shown while the pointer
// is over the box or the box has the focus, so that the box reads as one to
// type into, as a field with a border does. Otherwise the box looks exactly
// as drawn. The frame lies over the box's edge, inside it, and lets the
// pointer through.
class EditFrame : public QWidget {
    Q_OBJECT

public:
    // Frames `box`, which owns the frame; the box also gets the text
    // cursor's pointer.
    static EditFrame* attach(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit EditFrame(QLineEdit* box);
    void follow();

    QLineEdit* box_;
    bool over_ = false; // the pointer is over the box
};
