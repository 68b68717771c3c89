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
// the reason, which shows at once under the box. Esc puts back the text the
// box had before the pupil typed. The box shows a thin frame and the text
// pointer while hovered or focused.
class EquationEntry : public QObject {
    Q_OBJECT

public:
    // For line 1 or 2, whose equation `box` shows; its end points and the
    // range are the door's typed boxes. `parent`, the window, owns it.
    EquationEntry(LineDoor& door, QLineEdit* box, int line, QObject* parent);

    // What Enter does. Whether the equation was read and drawn; in a box
    // not typed into since the program last wrote it, read it or put it
    // back, nothing.
    bool enter();
    // What Esc does: the box shows again what it showed before the pupil
    // typed into it.
    void escape();

    // What hovering over the box shows: its own tooltip (the exact value,
    // or why the typed text was refused) followed by what can be typed.
    QString tooltip() const;

signals:
    // Enter read the equation and both lines were drawn: the box shows the
    // window's own equation, best seen whole, without the focus.
    void drawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typedInto() const;
    void refuse(const QString& why);
    void showReason();

    LineDoor* door_;
    int line_;
    QLineEdit* box_;
    QString shown_; // the text the program last gave the box, which Esc puts back
    bool refused_ = false; // the last Enter refused what was typed
};
