// The monkey's wheel over the graph and its toggle of the end-point labels:
// a burst of n notches zooms exactly as n clicks of the buttons, however
// finely the wheel turns; the labels change no field and add no report.
#include "core/errors.h"
#include "core/number_text.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/files/picture_actions.h"
#include "monkey_runner.h"

#include <QAction>
#include <QWheelEvent>

#include <cmath>

using namespace monkey_oracle;

void Monkey::planWheel()
{
    Action a;
    a.kind = Kind::Wheel;
    const QRect inner = f_.form->p1->contentsRect();
    a.point = QPoint(
        inner.left() + texts_.below(inner.width()), inner.top() + texts_.below(inner.height()));
    // A part of a notch left over is finished in its own direction.
    const int sign = wheelCarry_ != 0 ? (wheelCarry_ > 0 ? 1 : -1) : (texts_.chance(50) ? 1 : -1);
    int notches = texts_.chance(10) ? 0 : 1 + texts_.below(4);
    // Every notch redraws all the axis numbers: short bursts at wide ranges.
    try {
        const double width = core::Val(f_.form->txmax->text().toStdString())
            - core::Val(f_.form->txmin->text().toStdString());
        if (!(std::abs(width) < 2000))
            notches = std::min(notches, 2);
    } catch (const core::ArithmeticError&) {
    }
    // A plain wheel turns whole notches of 120 eighths of a degree; fine
    // wheels and touchpads turn parts of one.
    static const int pieces[] = { 120, 120, 60, 40, 30, 24, 15, 8 };
    const int piece = pieces[texts_.below(8)];
    for (int turned = 0; turned < notches * 120; turned += piece)
        a.angles.push_back(sign * piece);
    if (texts_.chance(20)) // a part of a notch, to be finished by the next burst
        a.angles.push_back(sign * 8 * (1 + texts_.below(14)));
    queue_.push_back(a);
}

void Monkey::planToggle()
{
    Action a;
    a.kind = Kind::ToggleMarks;
    queue_.push_back(a);
    if (texts_.chance(30)) // on and off again
        queue_.push_back(a);
}

void Monkey::performWheel(const Action& a)
{
    graph::GraphPanel* panel = f_.form->p1;
    if (a.kind == Kind::ToggleMarks) {
        f_.form->pictureActions->marksAction->trigger();
        return;
    }
    for (const int angle : a.angles) {
        QWheelEvent event(QPointF(a.point), panel->mapToGlobal(QPointF(a.point)),
            QPoint(0, angle / 8), QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
            false);
        QCoreApplication::sendEvent(panel, &event);
    }
}

QString Monkey::checkWheel(const Action& a, const Before& b)
{
    const Form1& w = *f_.form;
    if (a.kind == Kind::ToggleMarks) {
        const bool shown = w.pictureActions->marksAction->isChecked();
        if (shown == b.marksShown)
            return QStringLiteral("the toggle did not change");
        if (w.p1->pointMarksShown() != shown)
            return QStringLiteral("the graph does not follow the toggle");
        // Labels on and off again leave the picture as it was.
        const QImage picture = w.p1->canvas().image();
        if (toggledFrom_ && picture != *toggledFrom_)
            return QStringLiteral("the picture differs after the labels were shown and hidden");
        toggledFrom_ = toggledFrom_ ? std::nullopt : std::optional<QImage>(b.picture);
        return resultTexts(w) == b.results ? QString()
                                           : QStringLiteral("the toggle changed the answers");
    }
    // Whole notches count, in the order turned, and the rest waits.
    qint64 turned = wheelCarry_;
    for (const int angle : a.angles)
        turned += angle;
    wheelNotches_ = static_cast<int>(turned / 120);
    wheelCarry_ = turned % 120;
    if (wheelNotches_ == 0) {
        for (std::size_t k = 0; k < fields_.size(); ++k)
            if (fields_[k]->text() != b.fields[k])
                return QStringLiteral("a part of a notch changed %1").arg(fields_[k]->objectName());
        return resultTexts(w) == b.results
            ? QString()
            : QStringLiteral("a part of a notch changed the answers");
    }
    // Each notch away from the user is a click of Zoom In, towards it one of
    // Zoom Out.
    const double step = wheelNotches_ > 0 ? -1 : 1;
    QString lower = b.fields[lowerBound], upper = b.fields[upperBound];
    for (int k = 0; k < std::abs(wheelNotches_); ++k) {
        lower = zoomedBound(lower, step, true);
        upper = zoomedBound(upper, step, false);
    }
    if (w.txmin->text() != lower || w.txmax->text() != upper)
        return QStringLiteral("%1 notches left the range at \"%2\" to \"%3\" where \"%4\" to "
                              "\"%5\" was due")
            .arg(wheelNotches_)
            .arg(w.txmin->text(), w.txmax->text(), lower, upper);
    // The last redraw's answers; what a stopped one does not reach is left
    // from the redraws before it.
    const core::CommandResult outcome = bothLines(w, false, core::Verticals::Stop);
    const ResultTexts now = resultTexts(w);
    const bool one = std::abs(wheelNotches_) == 1 || !outcome.stop;
    return checkWrites(one ? b.results : now, now, outcome, false, false);
}
