#pragma once

#include "main_window/widgets/line_door.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace core {
struct CommandResult;
struct TypedFields;
} // namespace core

namespace graph {
class GraphPanel;
}

class QLineEdit;
class QPlainTextEdit;

// The door by which a dragged point reaches the window: besides the typed
// boxes and the line commands, the graph it is dragged on, the results box,
// and the parts of a command's run, so that a drag works out each position's
// outcome once and shows it as the command would.
class DragDoor : public LineDoor {
public:
    virtual graph::GraphPanel* panel() const = 0;
    virtual QPlainTextEdit* resultsBox() const = 0;
    // Whether the both-lines command adds its report to the results box.
    virtual bool addsReports() const = 0;
    // Marks the typed boxes the command reads whose texts were not all read
    // as their numbers.
    virtual void showHowRead(Command command) = 0;
    // Shows an outcome of `command` worked out from `typed`, as running it
    // in that way would.
    virtual void showOutcome(
        const core::TypedFields& typed, const core::CommandResult& result, Run how)
        = 0;
    // Adds a report to the results box at its insertion point.
    virtual void placeReport(const std::string& report) = 0;

protected:
    ~DragDoor() = default;
};

// Dragging an end point of a drawn line: the point snaps to the range's
// whole numbers (tenths with Shift), its two fields follow, and the command
// that drew the line runs again, quietly, for every position drawn. Pointer
// moves that come faster than the picture is drawn are merged: only the
// latest is drawn. Esc during the drag, or Undo on the graph afterwards,
// puts the point back.
class PointDrag : public QObject {
    Q_OBJECT

public:
    // Drags on the door's panel; `parent`, the window, owns it.
    PointDrag(DragDoor& door, QObject* parent);

    // The nearest multiple of `step` (1, or 0.1) to v that lies within
    // lower..upper (either way round); v itself, held within the range, when
    // no multiple does.
    static double snap(double v, double lower, double upper, double step);

    bool dragging() const { return picked_.has_value(); }

    // Drags that can still be undone, the latest last.
    qsizetype undoDepth() const { return static_cast<qsizetype>(undo_.size()); }

signals:
    // The picture was drawn again for a new position of the point.
    void stepDrawn();

private:
    struct Picked {
        int line;
        int end;
        LineDoor::Command command; // the command that drew the line runs again
        QString x, y; // the point's fields before the drag
    };
    // A finished drag, to undo.
    struct Done {
        Picked before;
        QString x, y; // the point's fields after it
        QString resultsBefore, resultsAfter;
    };

    void pick(int line, int end);
    void pull(QPointF world, bool fine);
    void drawLatest();
    void release();
    void cancel();
    void undo();

    QLineEdit* fieldX(int line, int end) const;
    QLineEdit* fieldY(int line, int end) const;
    // Puts the texts into the point's fields and runs the command again,
    // adding no report and warning of nothing.
    void putBack(const Picked& picked, const QString& x, const QString& y);

    DragDoor* door_;
    std::optional<Picked> picked_;
    QString resultsBefore_;
    bool moved_ = false;
    // The report of the latest position drawn by the both-lines command.
    std::optional<std::string> report_;
    // The latest pointer position not yet drawn.
    std::optional<std::pair<QPointF, bool>> latest_;
    std::vector<Done> undo_;
};
