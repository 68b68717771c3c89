#pragma once

#include <QObject>
#include <QString>

class LineDoor;
class QLineEdit;

// A line typed as its equation into the box that shows it. Enter reads the
// box: a line that passes through the range gets two end points in its four
// fields and both lines are drawn, as the button draws them, so the box then
// shows the window's own equation; an equation that cannot be read, or a
// line that misses the range, changes nothing and gets the read mark with
// the reason. Esc puts back the text the box had before the pupil typed.
class EquationEntry : public QObject {
    Q_OBJECT

public:
    // For line 1 or 2, whose equation `box` shows; its end points and the
    // range are the door's typed boxes. `parent`, the window, owns it.
    EquationEntry(LineDoor& door, QLineEdit* box, int line, QObject* parent);

    // What Enter does. Whether the equation was read and drawn; in a box
    // not typed into since it was last read or put back, nothing.
    bool enter();
    // What Esc does.
    void escape();

    // What hovering over the box shows: its own tooltip (the exact value,
    // or why the typed text was refused) followed by what can be typed.
    QString tooltip() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LineDoor* door_;
    int line_;
    QLineEdit* box_;
    QString before_; // the text Esc puts back
    QString previous_, current_;
    bool editing_ = false; // typed into since the last Enter or Esc
};
