#pragma once

#include "monkey_log.h"
#include "monkey_oracle.h"
#include "monkey_texts.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QTimer>

#include <deque>
#include <map>
#include <optional>
#include <vector>

struct LoadedForm;
class QLineEdit;
class frmSplash;

// A user who clicks, types and points at random all over the main window,
// and a checker that looks at every field after each of its actions.
class Monkey {
public:
    // `limitMs`: the longest any one action may take.
    Monkey(LoadedForm& form, quint32 seed, qint64 limitMs);
    ~Monkey();

    // Runs the next action and checks the window after it. Returns what is
    // wrong, or an empty text.
    QString step(int index);

    const MonkeyLog& log() const { return log_; }
    // How many positions of dragged points were drawn so far.
    int dragStepsDrawn() const { return dragSteps_; }
    // How often each kind of action ran, and how often it warned.
    QString tallies() const;

private:
    enum class Kind {
        Type, // a text into an editable one-line field
        TypeLocked, // keys into a locked result field
        EditResults, // type or paste into the results box
        SelectResults, // move the insertion point or select in the results box
        ClearResults, // select all in the results box and delete
        BothLines,
        DrawLine1,
        DrawLine2,
        ZoomOut,
        ZoomIn,
        Check,
        Move, // the pointer to a point of p1
        OpenAbout, // click "About ..."
        CloseAbout, // the About window's own button, or closing it by code
        DragPress, // the left button down on the graph, near an end point or not
        DragMove, // the pointer moved with the button held, or a burst of such moves
        DragRelease,
        DragEscape, // Esc during the drag; the button is let go afterwards
        Undo, // Ctrl+Z with the graph focused
        Wheel, // a burst of wheel turns over the graph
        ToggleMarks, // the graph menu's end-point labels
    };
    // How a text goes into a field.
    enum class Entry { Keys, SetText, Insert, Erase };

    struct Action {
        Kind kind = Kind::BothLines;
        QLineEdit* field = nullptr;
        QString text;
        Entry entry = Entry::SetText;
        QPoint point;
        int from = 0;
        int to = 0;
        bool byButton = false;
        bool shift = false;
        std::vector<QPoint> path; // a burst's earlier positions, queued before `point`
        std::vector<int> angles; // a wheel burst's turns, in eighths of a degree
    };

    // The window as it stood before an action.
    struct Before {
        std::vector<QString> fields; // texts of every one-line field, in fields_ order
        monkey_oracle::ResultTexts results;
        std::optional<core::CommandResult> expected; // a line command's outcome
        std::optional<QString> report;
        QString box;
        int selectionStart = 0;
        int selectionEnd = 0;
        bool placeResults = false;
        bool ticked = false;
        qsizetype warnings = 0;
        int boxChanges = 0;
        std::optional<QString> tx, ty;
        QPointer<frmSplash> about;
        QPointF world; // where a drag move leaves the pointer, in the scale it draws in
        bool marksShown = false;
        QImage picture;
    };

    // An end point the last drawing lets the user pick, where it was drawn
    // in the panel's own pixels.
    struct DrawnPoint {
        int line;
        int end;
        QPointF at;
    };
    // The drag under way: which point, by which command, from where.
    struct Drag {
        int line = 0;
        int end = 0;
        int command = 0; // 0 both lines, else the line's draw-line command
        std::vector<QString> fields; // every field just after the press
        monkey_oracle::ResultTexts results; // and the answers
        bool settled = false; // the results shown were the command's for these fields
        bool moved = false; // a position was drawn
    };
    // A finished drag that Ctrl+Z can take back.
    struct DoneDrag {
        Drag drag;
        QString x, y; // the point's fields after it
        std::vector<QString> fields; // every field after it
        monkey_oracle::ResultTexts results;
        QString boxBefore, boxAfter;
    };

    void plan();
    void planTyping(QLineEdit* field, const QString& text);
    void planLine();
    void planRange();
    void planZoom();
    void planMoves();
    void planAbout();
    void planResultsBox();
    void planDrag();
    void planWheel();
    void planToggle();

    Before snapshot(const Action& action) const;
    void perform(const Action& action);
    static void typeKeys(QLineEdit* field, const QString& text);
    QString describe(const Action& action) const;

    // monkey_checks.cpp
    QString check(const Action& action, const Before& before);
    QString checkUntouched(const Action& action, const Before& before) const;
    QString checkTyping(const Action& action, const Before& before) const;
    QString checkCommand(const Action& action, const Before& before, bool warned) const;
    QString checkZoom(const Action& action, const Before& before) const;
    QString checkMove(const Before& before) const;
    QString checkAbout(const Action& action, const Before& before) const;
    QString checkNoNumberWords(const Action& action, const Before& before);
    bool changesResults(Kind kind) const;
    // A range bound after a zoom button's step: the lower bound goes down
    // by `step`, the upper one up.
    static QString zoomedBound(const QString& bound, double step, bool lower);

    // monkey_drag.cpp
    void performDrag(const Action& action);
    QString checkDrag(const Action& action, const Before& before);
    QString checkDragMove(const Action& action, const Before& before);
    QString checkDragEnd(const Action& action, const Before& before);
    QString checkUndo(const Before& before);
    // Which fields a drag action may change: the picked point's, the results,
    // the range (rewritten by the pointer) and the readout.
    bool dragMayChange(const Action& action, std::size_t field) const;
    // Notes where the end points of a new drawing lie, and checks that the
    // panel offers exactly those for picking.
    QString followDrawing(const Action& action, const Before& before);
    core::CommandResult dragOutcome(int command) const;
    std::size_t pointField(int line, int end, int coordinate) const;

    // monkey_wheel.cpp
    void performWheel(const Action& action);
    QString checkWheel(const Action& action, const Before& before);

    LoadedForm& f_;
    QRandomGenerator rng_;
    MonkeyTexts texts_;
    MonkeyLog log_;
    qint64 limitNs_;
    // Every one-line field: the end points, the range, the readout, then the
    // results; where some of them stand in that list.
    std::vector<QLineEdit*> fields_;
    static constexpr std::size_t lowerBound = 8, upperBound = 9, firstResult = 12;
    std::vector<bool> typedByUser_; // whose text the monkey put there
    std::deque<Action> queue_;
    QPoint lastPointer_ { -1, -1 }; // where the last planned move goes
    int boxChanges_ = 0; // edits of the results box seen so far
    QTimer modalWatch_;
    QString modalSeen_;
    struct Tally {
        int runs = 0;
        int warned = 0;
    };
    std::map<QString, Tally> tallies_;
    std::vector<DrawnPoint> drawn_;
    std::optional<Drag> drag_;
    std::vector<DoneDrag> undo_;
    std::optional<int> redrawnBy_; // the command a drag action ran again, if any
    int dragSteps_ = 0; // drag positions drawn so far
    int dragsPicked_ = 0;
    int dragsUndone_ = 0;
    qint64 wheelCarry_ = 0; // eighths of a degree turned but not yet a notch
    int wheelNotches_ = 0; // of the last burst
    std::optional<QImage> toggledFrom_; // the picture before labels just toggled
};
