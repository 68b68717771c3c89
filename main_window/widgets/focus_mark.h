#pragma once

#include <QFocusFrame>
#include <QMargins>

// A dotted frame over a control that holds the keyboard focus, for controls
// whose own look does not show it: the boxes without a border and the graph.
// As the platform's focus frames do, it waits until the user moves the focus
// with the keyboard; a window only ever clicked shows none, so the window
// looks as designed until the keyboard is used.
//
// The mark is a sibling laid over the control, as focus frames are: it lets
// the pointer through, it is hidden while the control has no focus, so an
// unfocused control looks exactly as before, and a picture taken of the
// control alone never holds it. Being a focus frame, it is no object of its
// own to a screen reader.
class FocusMark : public QFocusFrame {
    Q_OBJECT

public:
    // Marks `target`, the frame running `inset` inside its edges. The
    // target's parent owns the mark.
    static FocusMark* attach(QWidget* target, QMargins inset = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FocusMark(QWidget* target, QMargins inset);
    void follow();

    QWidget* target_;
    QMargins inset_;
};
