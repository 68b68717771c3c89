// What the monkey looks at after each action: nothing changed that the
// action does not change, and what changed holds what the core's rules give.
#include "about_window/frm_splash.h"
#include "core/checked.h"
#include "core/crossing.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/files/picture_actions.h"
#include "monkey_runner.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

using namespace monkey_oracle;

namespace {

QString quoted(const QString& text)
{
    return u'"' + text.left(120) + u'"';
}

// What reading a range field gives: nothing when its number is beyond reach.
std::optional<double> readBound(const QString& text)
{
    try {
        return core::Val(text.toStdString());
    } catch (const core::ArithmeticError&) {
        return std::nullopt;
    }
}

QString written(double x)
{
    return QString::fromStdString(core::NumberToText(x));
}

// The readout of one coordinate as the pointer reports it; a field whose
// readout the core cannot write keeps what it showed.
QString readout(float x, const QString& before)
{
    try {
        return QString::fromStdString(core::NumberToText(core::Round(x, 2))).left(4);
    } catch (const core::ArithmeticError&) {
        return before;
    }
}

bool isNumberWord(const QString& text)
{
    return text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
        || text.contains(QStringLiteral("inf"), Qt::CaseInsensitive);
}

int visibleAboutWindows()
{
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<frmSplash*>(w) && w->isVisible();
    return open;
}

} // namespace

QString Monkey::zoomedBound(const QString& old, double step, bool lower)
{
    try {
        const double value = readBound(old).value_or(0); // unreadable counts as 0
        return written(lower ? core::Subtract(value, step) : core::Add(value, step));
    } catch (const core::ArithmeticError&) {
        return old; // a bound that cannot move stays as it is
    }
}

Monkey::Before Monkey::snapshot(const Action& a) const
{
    const Form1& w = *f_.form;
    Before b;
    for (const QLineEdit* field : fields_)
        b.fields.push_back(field->text());
    b.results = resultTexts(w);
    b.placeResults = w.PlaceResults;
    b.ticked = w.Check1->isChecked();
    b.warnings = f_.warnings.size();
    b.boxChanges = boxChanges_;
    b.about = frmSplash::instance();
    switch (a.kind) {
    case Kind::BothLines:
        b.expected = bothLines(w, w.PlaceResults);
        if (b.expected->report)
            b.report = shownReport(*b.expected->report);
        if (w.PlaceResults) {
            b.box = w.txt_results->toPlainText();
            b.selectionStart = w.txt_results->textCursor().selectionStart();
            b.selectionEnd = w.txt_results->textCursor().selectionEnd();
        }
        break;
    case Kind::DrawLine1:
    case Kind::DrawLine2:
        b.expected = drawLine(w, a.kind == Kind::DrawLine1 ? 1 : 2);
        break;
    case Kind::ToggleMarks:
        b.marksShown = w.pictureActions->marksAction->isChecked();
        b.picture = w.p1->canvas().image();
        break;
    case Kind::DragRelease:
    case Kind::Undo:
        b.box = w.txt_results->toPlainText();
        b.selectionStart = w.txt_results->textCursor().selectionStart();
        b.selectionEnd = w.txt_results->textCursor().selectionEnd();
        break;
    case Kind::Move:
    case Kind::DragPress:
    case Kind::DragMove:
        // The pointer reports the point under it in the scale of the last
        // drawing; a press or a drag reports it wherever it is.
        if (a.kind != Kind::Move || w.childAt(w.p1->mapTo(&w, a.point)) == w.p1) {
            const QPointF world = w.p1->canvas().ToWorld(
                QPointF(a.point) - QPointF(w.p1->contentsRect().topLeft()));
            b.tx = readout(static_cast<float>(world.x()), w.tx->text());
            b.ty = readout(-static_cast<float>(world.y()), w.ty->text());
            b.world = world;
        }
        break;
    default:
        break;
    }
    return b;
}

bool Monkey::changesResults(Kind kind) const
{
    return kind == Kind::BothLines || kind == Kind::DrawLine1 || kind == Kind::DrawLine2
        || kind == Kind::ZoomOut || kind == Kind::ZoomIn || kind == Kind::DragMove
        || kind == Kind::DragEscape || kind == Kind::Undo || kind == Kind::Wheel;
}

QString Monkey::checkUntouched(const Action& a, const Before& b) const
{
    const Form1& w = *f_.form;
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        const QLineEdit* field = fields_[k];
        if (field->text() == b.fields[k])
            continue;
        const bool isResult = k >= firstResult;
        const bool isRange = field == w.txmin || field == w.txmax;
        const bool isReadout = field == w.tx || field == w.ty;
        const bool allowed = (a.kind == Kind::Type && field == a.field)
            || (isResult && changesResults(a.kind))
            || (isRange
                && (a.kind == Kind::ZoomOut || a.kind == Kind::ZoomIn || a.kind == Kind::Wheel))
            || ((isRange || isReadout) && a.kind == Kind::Move) || dragMayChange(a, k);
        if (!allowed)
            return QStringLiteral("%1 changed from %2 to %3")
                .arg(field->objectName(), quoted(b.fields[k]), quoted(field->text()));
    }
    if (w.lblAns->text() != b.results[at(core::ResultField::Answer)] && !changesResults(a.kind))
        return QStringLiteral("lblAns changed from %1 to %2")
            .arg(quoted(b.results[at(core::ResultField::Answer)]), quoted(w.lblAns->text()));
    const bool boxMayChange = a.kind == Kind::EditResults || a.kind == Kind::ClearResults
        || a.kind == Kind::BothLines || a.kind == Kind::DragRelease || a.kind == Kind::Undo;
    if (boxChanges_ != b.boxChanges && !boxMayChange)
        return QStringLiteral("the results box changed");
    return {};
}

QString Monkey::checkTyping(const Action& a, const Before& b) const
{
    QLineEdit* field = a.field;
    const QString old = b.fields[static_cast<std::size_t>(
        std::find(fields_.begin(), fields_.end(), field) - fields_.begin())];
    const int max = field->maxLength();
    QString expected;
    switch (a.entry) {
    case Entry::Keys:
        // A key goes in when it writes something visible or is a format
        // mark; lone halves of a surrogate pair and tabs do not.
        for (const QChar c : a.text)
            if (c.isPrint() || c.category() == QChar::Other_Format)
                expected += c;
        expected = expected.left(max);
        break;
    case Entry::SetText:
        expected = a.text.left(max);
        break;
    case Entry::Insert: {
        const auto at
            = [&](int thousandths) { return static_cast<int>(old.size() * thousandths / 1000); };
        const int start = std::min(at(a.from), at(a.to));
        const int end = std::max(at(a.from), at(a.to));
        const qsizetype room = max - (old.size() - (end - start));
        expected = old.left(start) + a.text.left(room) + old.mid(end);
        break;
    }
    case Entry::Erase:
        if (field->text().size() > old.size())
            return QStringLiteral("erasing in %1 made its text longer").arg(field->objectName());
        return {};
    }
    if (field->text() != expected)
        return QStringLiteral("%1 holds %2 after typing, not %3")
            .arg(field->objectName(), quoted(field->text()), quoted(expected));
    return {};
}

QString Monkey::checkCommand(const Action& a, const Before& b, bool warned) const
{
    const Form1& w = *f_.form;
    const QString problem = checkWrites(b.results, resultTexts(w), *b.expected, true, warned);
    if (!problem.isEmpty())
        return problem;
    if (a.kind != Kind::BothLines)
        return {};
    if (b.expected->crossing) {
        const bool point = b.expected->crossing->kind == core::CrossingKind::Point;
        const QColor colour = w.lblAns->palette().color(QPalette::WindowText);
        if (colour != (point ? QColor(0, 0, 0) : QColor(255, 0, 0))
            || w.lblAns->font().bold() == point)
            return QStringLiteral("lblAns shows %1 in the wrong colour or weight")
                .arg(quoted(w.lblAns->text()));
    }
    const bool reports = b.placeResults && !warned;
    if (!reports) {
        if (boxChanges_ != b.boxChanges)
            return QStringLiteral("the results box changed without a report due");
        return {};
    }
    if (!b.report)
        return QStringLiteral("a report was added though the core gives none");
    const QString box = w.txt_results->toPlainText();
    const QString expected = b.box.left(b.selectionStart) + *b.report + b.box.mid(b.selectionEnd);
    if (box != expected) {
        qsizetype k = 0;
        while (k < box.size() && k < expected.size() && box[k] == expected[k])
            ++k;
        return QStringLiteral(
            "the results box differs from the expected report at %1: %2 where %3 was due")
            .arg(k)
            .arg(quoted(box.mid(k, 60)), quoted(expected.mid(k, 60)));
    }
    if (w.txt_results->textCursor().position() != b.selectionStart + b.report->size())
        return QStringLiteral("the insertion point is not just behind the report");
    return {};
}

QString Monkey::checkZoom(const Action& a, const Before& b) const
{
    const Form1& w = *f_.form;
    const double step = a.kind == Kind::ZoomOut ? 1 : -1;
    const QString lower = zoomedBound(b.fields[lowerBound], step, true);
    const QString upper = zoomedBound(b.fields[upperBound], step, false);
    if (w.txmin->text() != lower || w.txmax->text() != upper)
        return QStringLiteral("the zoom wrote %1 and %2 where %3 and %4 were due")
            .arg(quoted(w.txmin->text()), quoted(w.txmax->text()), quoted(lower), quoted(upper));
    // The range fields now hold the zoomed range, and the end points are
    // as they were: the redraw is the chain on the fields as they stand,
    // with a vertical line its failing step.
    return checkWrites(
        b.results, resultTexts(w), bothLines(w, false, core::Verticals::Stop), false, false);
}

QString Monkey::checkMove(const Before& b) const
{
    const Form1& w = *f_.form;
    if (!b.tx)
        return {}; // no report is sure to arrive
    if (w.tx->text() != *b.tx || w.ty->text() != *b.ty)
        return QStringLiteral("the readout shows %1, %2 where %3, %4 was due")
            .arg(quoted(w.tx->text()), quoted(w.ty->text()), quoted(*b.tx), quoted(*b.ty));
    // The range fields are rewritten in their plain form, when both can be read.
    QString lower = b.fields[lowerBound], upper = b.fields[upperBound];
    const auto L = readBound(lower), U = readBound(upper);
    if (L && U) {
        lower = written(*L);
        upper = written(*U);
    }
    if (w.txmin->text() != lower || w.txmax->text() != upper)
        return QStringLiteral("a move left the range at %1 and %2 where %3 and %4 were due")
            .arg(quoted(w.txmin->text()), quoted(w.txmax->text()), quoted(lower), quoted(upper));
    return {};
}

QString Monkey::checkAbout(const Action& a, const Before& b) const
{
    frmSplash* now = frmSplash::instance();
    if (a.kind == Kind::OpenAbout) {
        if (!now || !now->isVisible())
            return QStringLiteral("clicking \"About ...\" showed no About window");
        if (b.about && now != b.about)
            return QStringLiteral("a second About window opened beside the first");
        return visibleAboutWindows() == 1 ? QString()
                                          : QStringLiteral("more than one About window shows");
    }
    if (now)
        return QStringLiteral("the About window is still open after closing it");
    if (b.about)
        return QStringLiteral("the closed About window was not destroyed");
    return visibleAboutWindows() == 0 ? QString() : QStringLiteral("an About window still shows");
}

QString Monkey::checkNoNumberWords(const Action& a, const Before& b)
{
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        const QString text = fields_[k]->text();
        if (text == b.fields[k])
            continue;
        // A point put back holds what the user typed there.
        const bool putBack = (a.kind == Kind::DragEscape || a.kind == Kind::Undo) && k < lowerBound;
        typedByUser_[k] = (a.kind == Kind::Type && fields_[k] == a.field) || putBack;
        if (!typedByUser_[k] && isNumberWord(text))
            return QStringLiteral("%1 shows %2").arg(fields_[k]->objectName(), quoted(text));
    }
    const QString answer = f_.form->lblAns->text();
    if (answer != b.results[at(core::ResultField::Answer)]
        && answer != QString::fromUtf8(core::SameLineCaption) && isNumberWord(answer))
        return QStringLiteral("lblAns shows %1").arg(quoted(answer));
    return {};
}

QString Monkey::check(const Action& a, const Before& b)
{
    if (!modalSeen_.isEmpty())
        return QStringLiteral("a modal window opened: ") + modalSeen_;
    const qsizetype warnings = f_.warnings.size() - b.warnings;
    const bool command
        = a.kind == Kind::BothLines || a.kind == Kind::DrawLine1 || a.kind == Kind::DrawLine2;
    if (warnings > 1 || (warnings == 1 && !command))
        return QStringLiteral("%1 warning(s) for one action: %2")
            .arg(warnings)
            .arg(f_.warnings.mid(b.warnings).join(QStringLiteral(" | ")));
    QString problem = checkUntouched(a, b);
    if (problem.isEmpty())
        problem = checkNoNumberWords(a, b);
    if (!problem.isEmpty())
        return problem;
    switch (a.kind) {
    case Kind::Type:
        return checkTyping(a, b);
    case Kind::BothLines:
    case Kind::DrawLine1:
    case Kind::DrawLine2:
        return checkCommand(a, b, warnings == 1);
    case Kind::ZoomOut:
    case Kind::ZoomIn:
        return checkZoom(a, b);
    case Kind::Check:
        if (f_.form->Check1->isChecked() == b.ticked)
            return QStringLiteral("the check box did not change");
        return f_.form->PlaceResults == f_.form->Check1->isChecked()
            ? QString()
            : QStringLiteral("PlaceResults does not follow the check box");
    case Kind::Move:
        return checkMove(b);
    case Kind::OpenAbout:
    case Kind::CloseAbout:
        return checkAbout(a, b);
    case Kind::DragPress:
    case Kind::DragMove:
    case Kind::DragRelease:
    case Kind::DragEscape:
    case Kind::Undo:
        return checkDrag(a, b);
    case Kind::Wheel:
    case Kind::ToggleMarks:
        return checkWheel(a, b);
    default:
        return {};
    }
}
