#include "main_window/drag/point_drag.h"

#include "core/errors.h"
#include "core/line_commands.h"
#include "core/number_text.h"
#include "graph/graph_panel.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <cmath>

PointDrag::PointDrag(DragDoor& door, QObject* parent)
    : QObject(parent)
    , door_(&door)
{
    graph::GraphPanel* panel = door.panel();
    connect(panel, &graph::GraphPanel::pointPicked, this, &PointDrag::pick);
    connect(panel, &graph::GraphPanel::pointDragged, this, &PointDrag::pull);
    connect(panel, &graph::GraphPanel::pointReleased, this, &PointDrag::release);
    connect(panel, &graph::GraphPanel::dragCancelled, this, &PointDrag::cancel);
    connect(panel, &graph::GraphPanel::undoAsked, this, &PointDrag::undo);
}

double PointDrag::snap(double v, double lower, double upper, double step)
{
    const double lo = std::min(lower, upper), hi = std::max(lower, upper);
    // Counted in steps, so that a tenth is written from a whole count of
    // tenths and shows as "0.3", not as the sum of three tenths.
    const double per = step == 1 ? 1 : std::round(1 / step);
    const double first = std::ceil(lo * per), last = std::floor(hi * per);
    if (!(first <= last))
        return std::clamp(v, lo, hi);
    return std::clamp(std::round(v * per), first, last) / per;
}

// The typed boxes hold X1, Y1, X2, Y2 of line one, then of line two.
QLineEdit* PointDrag::fieldX(int line, int end) const
{
    return door_->typedBoxes()[std::size_t(4 * (line - 1) + 2 * (end - 1))];
}

QLineEdit* PointDrag::fieldY(int line, int end) const
{
    return door_->typedBoxes()[std::size_t(4 * (line - 1) + 2 * (end - 1) + 1)];
}

void PointDrag::pick(int line, int end)
{
    if (picked_)
        return;
    // The command that drew the line: both-lines when both lines show.
    const graph::GraphPanel* panel = door_->panel();
    using enum LineDoor::Command;
    const LineDoor::Command command = panel->hasEndPoints(1) && panel->hasEndPoints(2) ? BothLines
        : line == 1                                                                    ? Line1
                                                                                       : Line2;
    picked_ = Picked { line, end, command, fieldX(line, end)->text(), fieldY(line, end)->text() };
    resultsBefore_ = door_->resultsBox()->toPlainText();
    moved_ = false;
    report_.reset();
    latest_.reset();
}

void PointDrag::pull(QPointF world, bool fine)
{
    if (!picked_)
        return;
    // However many moves arrive before the picture is drawn, it is drawn once,
    // for the latest: the drawing waits behind the moves already queued.
    const bool waiting = latest_.has_value();
    latest_ = { world, fine };
    if (!waiting)
        QMetaObject::invokeMethod(this, &PointDrag::drawLatest, Qt::QueuedConnection);
}

void PointDrag::drawLatest()
{
    if (!picked_ || !latest_)
        return;
    const auto [world, fine] = *latest_;
    latest_.reset();
    const core::TypedFields typedBefore = typedFieldsIn(door_->typedBoxes());
    double L = 0, U = 0;
    // A range that cannot be read as numbers has no position to snap to:
    // the move is skipped and the drag goes on.
    try {
        L = core::FieldValue(typedBefore.lower);
        U = core::FieldValue(typedBefore.upper);
    } catch (const core::ArithmeticError&) {
        return;
    }
    // The panel's y grows downwards: the user's y is its negation.
    const double step = fine ? 0.1 : 1;
    const double x = snap(world.x(), L, U, step);
    const double y = -snap(world.y(), L, U, step);
    const QString xText = QString::fromStdString(core::NumberToText(x));
    const QString yText = QString::fromStdString(core::NumberToText(y));
    QLineEdit* const fx = fieldX(picked_->line, picked_->end);
    QLineEdit* const fy = fieldY(picked_->line, picked_->end);
    if (fx->text() == xText && fy->text() == yText)
        return;

    // A position where the command would stop is skipped before anything is
    // written or drawn: among them the other end point of the same line,
    // where there is no line.
    core::TypedFields typed = typedBefore;
    auto& texts = picked_->line == 1 ? typed.line1 : typed.line2;
    const std::size_t k = picked_->end == 1 ? 0 : 2;
    texts[k] = xText.toStdString();
    texts[k + 1] = yText.toStdString();
    // The both-lines command works out its report too, for the release.
    core::CommandResult outcome = picked_->command == LineDoor::Command::BothLines
        ? core::BothLines(typed, door_->addsReports())
        : core::DrawLine(typed, picked_->command == LineDoor::Command::Line1 ? 1 : 2);
    if (outcome.stop)
        return;

    // The outcome just worked out is the command's: shown as it would show
    // it, without working it out again.
    fx->setText(xText);
    fy->setText(yText);
    moved_ = true;
    door_->showHowRead(picked_->command);
    report_ = std::move(outcome.report);
    outcome.report.reset(); // one report for the whole drag, when it is let go
    door_->showOutcome(typed, outcome, LineDoor::Run::Quietly);
    emit stepDrawn();
}

void PointDrag::release()
{
    if (!picked_)
        return;
    drawLatest(); // the position the pointer was let go at
    if (moved_) {
        // One report for the whole drag, as one click of Draw Both Lines
        // would add it; none when that command would stop.
        if (door_->addsReports()) {
            if (picked_->command != LineDoor::Command::BothLines) {
                const core::CommandResult outcome
                    = core::BothLines(typedFieldsIn(door_->typedBoxes()), true);
                report_ = outcome.stop ? std::nullopt : outcome.report;
            }
            if (report_)
                door_->placeReport(*report_);
        }
        undo_.push_back({ *picked_, fieldX(picked_->line, picked_->end)->text(),
            fieldY(picked_->line, picked_->end)->text(), resultsBefore_,
            door_->resultsBox()->toPlainText() });
    }
    picked_.reset();
}

void PointDrag::cancel()
{
    if (!picked_)
        return;
    latest_.reset();
    if (moved_)
        putBack(*picked_, picked_->x, picked_->y);
    picked_.reset();
}

void PointDrag::undo()
{
    if (picked_ || undo_.empty())
        return;
    const Done done = undo_.back();
    undo_.pop_back();
    // What the user typed into the point's fields since the drag is theirs:
    // the older drags no longer apply to it.
    if (fieldX(done.before.line, done.before.end)->text() != done.x
        || fieldY(done.before.line, done.before.end)->text() != done.y) {
        undo_.clear();
        return;
    }
    putBack(done.before, done.before.x, done.before.y);
    // The drag's report goes too, unless the box was changed since.
    QPlainTextEdit* results = door_->resultsBox();
    if (done.resultsAfter != done.resultsBefore && results->toPlainText() == done.resultsAfter) {
        results->undo();
        if (results->toPlainText() != done.resultsBefore)
            results->setPlainText(done.resultsBefore);
    }
}

void PointDrag::putBack(const Picked& picked, const QString& x, const QString& y)
{
    fieldX(picked.line, picked.end)->setText(x);
    fieldY(picked.line, picked.end)->setText(y);
    // Reports are the release's business; a stop leaves what the command
    // reached, as a click would, without its warning.
    door_->run(picked.command, LineDoor::Run::Quietly);
}
