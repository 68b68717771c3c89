// The monkey's drags of end points on the graph: presses near a drawn end
// point or anywhere, moves with and without Shift (one at a time or faster
// than they are drawn), releases, Esc during a drag and Ctrl+Z after it; and
// what each must leave in the window.
#include "core/errors.h"
#include "core/number_text.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/drag/point_drag.h"
#include "monkey_runner.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

using namespace monkey_oracle;

namespace {

std::optional<double> readBound(const QString& text)
{
    try {
        return core::Val(text.toStdString());
    } catch (const core::ArithmeticError&) {
        return std::nullopt;
    }
}

QString quoted(const QString& text)
{
    return u'"' + text.left(120) + u'"';
}

double distanceSquared(QPointF a, QPointF b)
{
    const QPointF d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

// Whether the results box holds what it held with `report` put in place of
// its selection, or, without a report, what it held.
QString checkBox(const QString& box, const QString& before, int start, int end,
    const std::optional<QString>& report)
{
    const QString due = report ? before.left(start) + *report + before.mid(end) : before;
    if (box == due)
        return {};
    return report ? QStringLiteral("the results box does not hold the one report due on release")
                  : QStringLiteral("the results box changed though no report was due");
}

} // namespace

std::size_t Monkey::pointField(int line, int end, int coordinate) const
{
    return static_cast<std::size_t>((line - 1) * 4 + (end - 1) * 2 + coordinate);
}

core::CommandResult Monkey::dragOutcome(int command) const
{
    return command == 0 ? bothLines(*f_.form, false) : drawLine(*f_.form, command);
}

void Monkey::planDrag()
{
    const QRect inner = f_.form->p1->contentsRect();
    const auto anywhere = [&](QRect r) {
        return QPoint(r.left() + texts_.below(r.width()), r.top() + texts_.below(r.height()));
    };
    // A press just on the edge of reach is left out: where it picks is a
    // matter of a fraction of a pixel.
    const auto onTheEdge = [&](QPoint p) {
        return std::any_of(drawn_.begin(), drawn_.end(), [&](const DrawnPoint& d) {
            const double r = std::sqrt(distanceSquared(p, d.at));
            return std::abs(r - graph::GraphPanel::PickDistance) < 0.5;
        });
    };
    std::vector<QPointF> visible;
    for (const DrawnPoint& d : drawn_)
        if (QRectF(inner).contains(d.at))
            visible.push_back(d.at);

    Action press;
    if (!undo_.empty() && texts_.chance(15)) { // a drag undone later
        press.kind = Kind::Undo;
        queue_.push_back(press);
        return;
    }
    press.kind = Kind::DragPress;
    press.point = anywhere(inner);
    if (!visible.empty() && texts_.chance(85)) {
        const QPoint at
            = visible[static_cast<std::size_t>(texts_.below(static_cast<int>(visible.size())))]
                  .toPoint();
        const int reach = texts_.chance(85) ? 3 : 9; // now and then just out of reach
        for (int tries = 0; tries < 10; ++tries) {
            press.point = at
                + QPoint(texts_.below(2 * reach + 1) - reach, texts_.below(2 * reach + 1) - reach);
            if (!onTheEdge(press.point))
                break;
        }
    }
    // Qt Test takes a point (0, 0) for "the middle".
    if (press.point.isNull())
        press.point.rx() = 1;
    if (onTheEdge(press.point))
        return; // nothing planned: the next plan picks again
    queue_.push_back(press);

    // Every drawn position redraws the whole picture: at the widest ranges
    // that is tens of thousands of axis numbers, so drags there stay short.
    int moves = 1 + texts_.below(6);
    const auto lower = readBound(f_.form->txmin->text());
    const auto upper = readBound(f_.form->txmax->text());
    if (!lower || !upper || !(std::abs(*upper - *lower) < 2000))
        moves = std::min(moves, 2);
    const bool shift = texts_.chance(35);
    QPoint last = press.point;
    for (int k = 0; k < moves; ++k) {
        Action move;
        move.kind = Kind::DragMove;
        move.shift = shift != texts_.chance(10); // Shift let go or pressed on the way
        // Now and then faster than the picture is drawn.
        const int burst = texts_.chance(15) ? 2 + texts_.below(7) : 1;
        for (int b = 0; b < burst; ++b) {
            // Mostly a short way on; now and then anywhere, beyond the panel too.
            last = texts_.chance(10) ? anywhere(inner.adjusted(-40, -40, 40, 40))
                                     : last + QPoint(texts_.below(81) - 40, texts_.below(81) - 40);
            if (b + 1 < burst)
                move.path.push_back(last);
        }
        move.point = last;
        queue_.push_back(move);
    }
    const int finish = texts_.below(100);
    Action end;
    end.point = last.isNull() ? QPoint(1, 0) : last;
    if (finish < 20) {
        end.kind = Kind::DragEscape;
        queue_.push_back(end);
    }
    end.kind = Kind::DragRelease;
    queue_.push_back(end);
    if (finish >= 75) {
        end.kind = Kind::Undo;
        queue_.push_back(end);
    }
    lastPointer_ = last;
}

void Monkey::performDrag(const Action& a)
{
    graph::GraphPanel* panel = f_.form->p1;
    const auto moveEvent = [&](QPoint p) {
        return new QMouseEvent(QEvent::MouseMove, p, panel->mapToGlobal(p), Qt::NoButton,
            Qt::LeftButton, a.shift ? Qt::ShiftModifier : Qt::NoModifier);
    };
    switch (a.kind) {
    case Kind::DragPress:
        QTest::mousePress(panel, Qt::LeftButton, {}, a.point);
        break;
    case Kind::DragMove:
        if (a.path.empty()) {
            const std::unique_ptr<QMouseEvent> event(moveEvent(a.point));
            QApplication::sendEvent(panel, event.get());
        } else {
            // All queued at once, as a fast pointer delivers them.
            for (const QPoint p : a.path)
                QCoreApplication::postEvent(panel, moveEvent(p));
            QCoreApplication::postEvent(panel, moveEvent(a.point));
        }
        // The moves, then the drawing they leave behind.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        break;
    case Kind::DragRelease:
        QTest::mouseRelease(panel, Qt::LeftButton, {}, a.point);
        break;
    case Kind::DragEscape:
        QTest::keyClick(panel, Qt::Key_Escape);
        break;
    case Kind::Undo:
        panel->setFocus();
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        break;
    default:
        break;
    }
}

bool Monkey::dragMayChange(const Action& a, std::size_t k) const
{
    const bool isRange = k == lowerBound || k == upperBound;
    const bool isReadout = k == upperBound + 1 || k == upperBound + 2;
    const auto ofPoint = [&](int line, int end) {
        return k == pointField(line, end, 0) || k == pointField(line, end, 1);
    };
    switch (a.kind) {
    case Kind::DragPress: // the press reads the pointer as a move does
        return isRange || isReadout;
    case Kind::DragMove:
        return isRange || isReadout || (drag_ && (ofPoint(drag_->line, drag_->end)));
    case Kind::DragEscape:
        return drag_ && ofPoint(drag_->line, drag_->end);
    case Kind::Undo:
        return !undo_.empty() && ofPoint(undo_.back().drag.line, undo_.back().drag.end);
    default:
        return false;
    }
}

QString Monkey::checkDrag(const Action& a, const Before& b)
{
    QString problem;
    switch (a.kind) {
    case Kind::DragPress: {
        // The nearest drawn end point within reach; of equally near ones,
        // the first drawn.
        const DrawnPoint* nearest = nullptr;
        double best = graph::GraphPanel::PickDistance * graph::GraphPanel::PickDistance;
        for (const DrawnPoint& d : drawn_) {
            const double squared = distanceSquared(a.point, d.at);
            if (squared <= best && !(nearest && squared == best)) {
                nearest = &d;
                best = squared;
            }
        }
        const bool picked = f_.form->pointDrag->dragging();
        if (picked != (nearest != nullptr))
            return nearest ? QStringLiteral("a press %1 pixels from line %2's end point %3 did "
                                            "not pick it")
                                 .arg(std::sqrt(best), 0, 'f', 1)
                                 .arg(nearest->line)
                                 .arg(nearest->end)
                           : QStringLiteral("a press out of reach of every end point picked one");
        if (picked && f_.form->p1->cursor().shape() != Qt::ClosedHandCursor)
            return QStringLiteral("the pointer is no closed hand while dragging");
        drag_.reset();
        if (nearest) {
            const bool both = std::any_of(drawn_.begin(), drawn_.end(),
                                  [](const DrawnPoint& d) { return d.line == 1; })
                && std::any_of(
                    drawn_.begin(), drawn_.end(), [](const DrawnPoint& d) { return d.line == 2; });
            Drag d;
            d.line = nearest->line;
            d.end = nearest->end;
            d.command = both ? 0 : nearest->line;
            for (const QLineEdit* field : fields_)
                d.fields.push_back(field->text());
            d.results = resultTexts(*f_.form);
            const core::CommandResult outcome = dragOutcome(d.command);
            d.settled = !outcome.stop
                && checkWrites(d.results, d.results, outcome, false, false).isEmpty();
            drag_ = d;
            ++dragsPicked_;
        }
        problem = checkMove(b);
        break;
    }
    case Kind::DragMove:
        problem = checkDragMove(a, b);
        break;
    case Kind::DragRelease:
    case Kind::DragEscape:
        problem = checkDragEnd(a, b);
        break;
    case Kind::Undo:
        problem = checkUndo(b);
        break;
    default:
        break;
    }
    if (problem.isEmpty()
        && f_.form->pointDrag->undoDepth() != static_cast<qsizetype>(undo_.size()))
        return QStringLiteral("%1 drags can be undone where %2 were finished since the last "
                              "change of their points")
            .arg(f_.form->pointDrag->undoDepth())
            .arg(undo_.size());
    return problem;
}

QString Monkey::checkDragMove(const Action& a, const Before& b)
{
    const Form1& w = *f_.form;
    QString problem = checkMove(b); // the readout goes on during a drag
    if (!problem.isEmpty() || !drag_)
        return problem;
    const std::size_t ix = pointField(drag_->line, drag_->end, 0);
    const std::size_t iy = ix + 1;
    const QString x = fields_[ix]->text(), y = fields_[iy]->text();
    if (x == b.fields[ix] && y == b.fields[iy]) {
        // Not drawn: a position where the command stops is skipped, and
        // the answers stay as they were.
        return resultTexts(w) == b.results
            ? QString()
            : QStringLiteral("the answers changed though the point did not move");
    }
    ++dragSteps_;
    drag_->moved = true;
    redrawnBy_ = drag_->command;
    const auto L = readBound(w.txmin->text()), U = readBound(w.txmax->text());
    if (!L || !U)
        return QStringLiteral("the point moved though the range cannot be read");
    // The panel shows L..U across and, its y growing downwards, -U..-L up.
    const double lo = std::min(*L, *U), hi = std::max(*L, *U);
    const double visible[2][2] = { { lo, hi }, { -hi, -lo } };
    const double towards[] = { b.world.x(), -b.world.y() };
    // Snapped to whole numbers, or tenths with Shift, within the visible
    // range, the nearest such to where the pointer is.
    const double per = a.shift ? 10 : 1;
    const bool multiples = std::ceil(lo * per) <= std::floor(hi * per);
    const QString texts[] = { x, y };
    for (int c = 0; c < 2; ++c) {
        const auto v = readBound(texts[c]);
        const QString name = fields_[ix + static_cast<std::size_t>(c)]->objectName();
        if (!v || QString::fromStdString(core::NumberToText(*v)) != texts[c])
            return QStringLiteral("%1 holds %2, not a number as the window writes it")
                .arg(name, quoted(texts[c]));
        const double target = std::clamp(towards[c], visible[c][0], visible[c][1]);
        const double slack = 1e-9 + 1e-13 * std::abs(target); // the 15 digits written
        const double count = *v * per;
        if (*v < visible[c][0] || *v > visible[c][1])
            return QStringLiteral("%1 holds %2, outside the range").arg(name, quoted(texts[c]));
        if (multiples && std::abs(count - std::round(count)) > slack * per)
            return QStringLiteral("%1 holds %2, not a whole number of %3")
                .arg(name, quoted(texts[c]), a.shift ? QStringLiteral("tenths") : "units");
        const double off = std::abs(*v - target);
        if (off > (multiples ? 0.5 / per : 0) + slack)
            return QStringLiteral("%1 holds %2 for the pointer at %3")
                .arg(name, quoted(texts[c]))
                .arg(towards[c], 0, 'g', 17);
    }
    // The command ran again on the fields as they now stand; a position
    // where it stops would have been skipped.
    const core::CommandResult outcome = dragOutcome(drag_->command);
    if (outcome.stop)
        return QStringLiteral("a position was drawn where the command stops at step %1")
            .arg(static_cast<int>(outcome.stop->step));
    return checkWrites(b.results, resultTexts(w), outcome, false, false);
}

QString Monkey::checkDragEnd(const Action& a, const Before& b)
{
    const Form1& w = *f_.form;
    if (w.pointDrag->dragging())
        return QStringLiteral("the drag goes on after it ended");
    const ResultTexts results = resultTexts(w);
    const QString box = w.txt_results->toPlainText();
    if (!drag_) {
        if (results != b.results)
            return QStringLiteral("the answers changed with no point dragged");
        return boxChanges_ == b.boxChanges
            ? QString()
            : QStringLiteral("the results box changed with no point dragged");
    }
    const Drag d = *drag_;
    drag_.reset();
    const std::size_t ix = pointField(d.line, d.end, 0), iy = ix + 1;
    if (a.kind == Kind::DragEscape) {
        if (boxChanges_ != b.boxChanges)
            return QStringLiteral("Esc changed the results box");
        if (!d.moved)
            return results == b.results
                ? QString()
                : QStringLiteral("Esc changed the answers of an unmoved point");
        // The point goes back, and the command runs again on the fields as
        // they were: every field as before the drag when its answers were
        // those of these fields.
        redrawnBy_ = d.command;
        if (fields_[ix]->text() != d.fields[ix] || fields_[iy]->text() != d.fields[iy])
            return QStringLiteral("Esc left the point at %1, %2 where it was at %3, %4")
                .arg(quoted(fields_[ix]->text()), quoted(fields_[iy]->text()), quoted(d.fields[ix]),
                    quoted(d.fields[iy]));
        const core::CommandResult outcome = dragOutcome(d.command);
        const QString problem
            = checkWrites(b.results, results, outcome, true, outcome.stop.has_value());
        if (!problem.isEmpty() || !d.settled || results == d.results)
            return problem;
        return QStringLiteral("after Esc the answers are not those from before the drag");
    }
    // The release: one report for the whole drag, when the box is ticked and
    // Draw Both Lines would add one for the fields as they now stand.
    std::optional<QString> report;
    if (d.moved && b.placeResults) {
        const core::CommandResult outcome = bothLines(w, true);
        if (outcome.report && !outcome.stop)
            report = shownReport(*outcome.report);
    }
    QString problem = checkBox(box, b.box, b.selectionStart, b.selectionEnd, report);
    if (problem.isEmpty() && results != b.results)
        problem = QStringLiteral("the release changed the answers");
    if (!problem.isEmpty() || !d.moved)
        return problem;
    DoneDrag done;
    done.drag = d;
    done.x = fields_[ix]->text();
    done.y = fields_[iy]->text();
    for (const QLineEdit* field : fields_)
        done.fields.push_back(field->text());
    done.results = results;
    done.boxBefore = b.box;
    done.boxAfter = box;
    undo_.push_back(std::move(done));
    return {};
}

QString Monkey::checkUndo(const Before& b)
{
    const Form1& w = *f_.form;
    const ResultTexts results = resultTexts(w);
    const QString box = w.txt_results->toPlainText();
    if (undo_.empty()) {
        if (results != b.results)
            return QStringLiteral("Ctrl+Z changed the answers with no drag to undo");
        return checkBox(box, b.box, 0, 0, std::nullopt);
    }
    const DoneDrag done = undo_.back();
    undo_.pop_back();
    const Drag& d = done.drag;
    const std::size_t ix = pointField(d.line, d.end, 0), iy = ix + 1;
    if (b.fields[ix] != done.x || b.fields[iy] != done.y) {
        // The user typed into the point since: the drags no longer apply.
        undo_.clear();
        if (results != b.results)
            return QStringLiteral("Ctrl+Z changed the answers after the point was typed over");
        return checkBox(box, b.box, 0, 0, std::nullopt);
    }
    redrawnBy_ = d.command;
    ++dragsUndone_;
    if (fields_[ix]->text() != d.fields[ix] || fields_[iy]->text() != d.fields[iy])
        return QStringLiteral("Ctrl+Z left the point at %1, %2 where it was at %3, %4")
            .arg(quoted(fields_[ix]->text()), quoted(fields_[iy]->text()), quoted(d.fields[ix]),
                quoted(d.fields[iy]));
    const core::CommandResult outcome = dragOutcome(d.command);
    QString problem = checkWrites(b.results, results, outcome, true, outcome.stop.has_value());
    if (!problem.isEmpty())
        return problem;
    // With nothing changed since the drag, every field is as before it.
    bool untouched = b.results == done.results;
    for (std::size_t k = 0; k < fields_.size(); ++k)
        untouched = untouched
            && (k == upperBound + 1 || k == upperBound + 2 || b.fields[k] == done.fields[k]);
    if (untouched && d.settled) {
        for (std::size_t k = 0; k < lowerBound; ++k)
            if (fields_[k]->text() != d.fields[k])
                return QStringLiteral("after Ctrl+Z %1 holds %2 where it held %3 before the drag")
                    .arg(fields_[k]->objectName(), quoted(fields_[k]->text()), quoted(d.fields[k]));
        if (results != d.results)
            return QStringLiteral("after Ctrl+Z the answers are not those from before the drag");
    }
    // The drag's report goes too, unless the box was changed since.
    const bool takeBack = b.box == done.boxAfter && done.boxAfter != done.boxBefore;
    if (box != (takeBack ? done.boxBefore : b.box))
        return takeBack ? QStringLiteral("Ctrl+Z left the drag's report in the results box")
                        : QStringLiteral("Ctrl+Z changed the results box");
    return {};
}

QString Monkey::followDrawing(const Action& a, const Before& b)
{
    const Form1& w = *f_.form;
    std::optional<core::CommandResult> outcome;
    switch (a.kind) {
    case Kind::BothLines:
    case Kind::DrawLine1:
    case Kind::DrawLine2:
        outcome = b.expected;
        break;
    case Kind::ZoomOut:
    case Kind::ZoomIn:
        outcome = bothLines(w, false, core::Verticals::Stop);
        break;
    case Kind::Wheel:
        if (wheelNotches_ != 0)
            outcome = bothLines(w, false, core::Verticals::Stop);
        break;
    default:
        if (redrawnBy_)
            outcome = dragOutcome(*redrawnBy_);
        break;
    }
    redrawnBy_.reset();
    if (!outcome)
        return {};
    // Every drawing starts on a clean panel; the end points of the lines it
    // draws can be picked where they were drawn.
    const graph::Canvas& canvas = w.p1->canvas();
    const qreal dpr = canvas.devicePixelRatio();
    const QPointF origin = w.p1->contentsRect().topLeft();
    const auto at = [&](double x, double y) {
        return origin + QPointF(canvas.ColumnOf(x) / dpr, canvas.RowOf(-y) / dpr);
    };
    drawn_.clear();
    for (const core::Segment& s : outcome->segments) {
        drawn_.push_back({ s.line, 1, at(s.points.X1, s.points.Y1) });
        drawn_.push_back({ s.line, 2, at(s.points.X2, s.points.Y2) });
    }
    for (const int line : { 1, 2 }) {
        const bool drawnLine = std::any_of(
            drawn_.begin(), drawn_.end(), [line](const DrawnPoint& d) { return d.line == line; });
        if (w.p1->hasEndPoints(line) != drawnLine)
            return drawnLine
                ? QStringLiteral("line %1 was drawn, but its end points cannot be picked").arg(line)
                : QStringLiteral("line %1's end points can be picked, though it was not drawn")
                      .arg(line);
    }
    return {};
}
