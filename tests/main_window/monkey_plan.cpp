// How the monkey picks its next actions: what to type where, which button
// to press, where the pointer goes. Every choice comes from the seeded
// generator, so a seed replays the same actions.
#include "about_window/frm_splash.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "monkey_runner.h"

#include <QPlainTextEdit>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct RangePreset {
    const char* lower;
    const char* upper;
};

// Ranges on every edge: inverted, empty, as wide as the axis numbers go and
// one wider, tiny, beyond the drawing range, beyond the double range.
const RangePreset ranges[] = { { "-10", "10" }, { "5", "-5" }, { "3", "3" }, { "0", "0" },
    { "-32768", "32766" }, { "-32768", "32767" }, { "-32768", "40000" }, { "-40000", "10" },
    { "0", "1e-300" }, { "-1E+300", "1E+300" }, { "-3.4e38", "3.4e38" },
    { "-3.402823E+38", "3.402823E+38" }, { "1e309", "-1e309" }, { "-1e-5", "1e-5" },
    { "-0.5", "0.5" }, { "9.5", "10.5" }, { "", "" }, { "nan", "inf" }, { "-100", "100" },
    { "-1000", "1000" }, { "-0", "-0" }, { "-1", "1" } };

} // namespace

void Monkey::planTyping(QLineEdit* field, const QString& text)
{
    Action a;
    a.kind = field->isReadOnly() ? Kind::TypeLocked : Kind::Type;
    a.field = field;
    // Nobody types a megabyte key by key.
    a.text = field->isReadOnly() ? text.left(64) : text;
    const int pick = texts_.below(100);
    a.entry = pick < 35 && text.size() <= 64 ? Entry::Keys
        : pick < 65                          ? Entry::SetText
        : pick < 92                          ? Entry::Insert
                                             : Entry::Erase;
    if (field->isReadOnly()) // only keys reach a locked field; code could write it
        a.entry = texts_.chance(70) ? Entry::Keys : Entry::Erase;
    a.from = texts_.below(1001); // where, in thousandths of the field's text
    a.to = texts_.chance(30) ? texts_.below(1001) : a.from;
    queue_.push_back(a);
}

void Monkey::planLine()
{
    Form1& w = *f_.form;
    const bool first = texts_.chance(50);
    QLineEdit* const one[] = { w.t1, w.t2, w.t3, w.t4 };
    QLineEdit* const two[] = { w.t1_b, w.t2_b, w.t3_b, w.t4_b };
    QLineEdit* const* own = first ? one : two;
    QLineEdit* const* other = first ? two : one;
    const auto small = [&] { return QString::number(texts_.below(21) - 10); };
    QString p[4] = { small(), small(), small(), small() };
    switch (texts_.below(7)) {
    case 0: // vertical
        p[2] = p[0];
        break;
    case 1: // horizontal
        p[3] = p[1];
        break;
    case 2: // the x-axis itself
        p[1] = p[3] = QStringLiteral("0");
        break;
    case 3: // one point twice
        p[2] = p[0];
        p[3] = p[1];
        break;
    case 4: // the other line again
        for (int k = 0; k < 4; ++k)
            p[k] = other[k]->text();
        break;
    case 5:
        p[texts_.below(4)] = texts_.special();
        break;
    default:
        break;
    }
    for (int k = 0; k < 4; ++k)
        planTyping(own[k], p[k]);
}

void Monkey::planRange()
{
    Form1& w = *f_.form;
    const int pick = texts_.below(100);
    if (pick < 40) { // back to a range people use
        planTyping(w.txmin, QString::number(-1 - texts_.below(30)));
        planTyping(w.txmax, QString::number(1 + texts_.below(30)));
    } else if (pick < 80) {
        const RangePreset& r = ranges[texts_.below(static_cast<int>(std::size(ranges)))];
        planTyping(w.txmin, QString::fromLatin1(r.lower));
        planTyping(w.txmax, QString::fromLatin1(r.upper));
    } else {
        planTyping(texts_.chance(50) ? w.txmin : w.txmax, texts_.bound());
    }
}

void Monkey::planZoom()
{
    const int pick = texts_.below(100);
    int length = pick < 70 ? 1 + texts_.below(5)
        : pick < 95        ? 10 + texts_.below(50)
                           : 100 + texts_.below(200);
    // Every zoom redraws all the axis numbers; at the widest ranges that is
    // tens of thousands of them, so long bursts start from ranges people use.
    try {
        const double width = core::Val(f_.form->txmax->text().toStdString())
            - core::Val(f_.form->txmin->text().toStdString());
        if (!(std::abs(width) < 2000))
            length = std::min(length, 3);
    } catch (const core::ArithmeticError&) {
    }
    const int way = texts_.below(3); // out, in, or both by turns
    for (int k = 0; k < length; ++k) {
        Action a;
        a.kind = way == 0 || (way == 2 && k % 2 == 0) ? Kind::ZoomOut : Kind::ZoomIn;
        queue_.push_back(a);
    }
}

void Monkey::planMoves()
{
    const QRect area = f_.form->p1->rect(); // the border included
    const int length = 1 + texts_.below(15);
    for (int k = 0; k < length; ++k) {
        Action a;
        a.kind = Kind::Move;
        a.point = QPoint(
            area.left() + texts_.below(area.width()), area.top() + texts_.below(area.height()));
        if (texts_.chance(10)) // the corners and edges
            a.point = QPoint(texts_.chance(50) ? area.left() : area.right(),
                texts_.chance(50) ? area.top() : area.bottom());
        // A move to where the pointer already is reports nothing.
        if (a.point == lastPointer_)
            a.point.rx() += a.point.x() > area.left() ? -1 : 1;
        lastPointer_ = a.point;
        queue_.push_back(a);
    }
}

void Monkey::planAbout()
{
    Action a;
    a.kind = frmSplash::instance() && texts_.chance(75) ? Kind::CloseAbout : Kind::OpenAbout;
    a.byButton = texts_.chance(50);
    queue_.push_back(a);
}

void Monkey::planResultsBox()
{
    Action a;
    const int pick = texts_.below(100);
    a.kind = pick < 45 ? Kind::EditResults : pick < 90 ? Kind::SelectResults : Kind::ClearResults;
    a.text = texts_.chance(1)
        ? texts_.hugePaste()
        : texts_.junk(30) + (texts_.chance(30) ? QStringLiteral("\n") : QString());
    a.from = texts_.below(1001);
    a.to = texts_.chance(40) ? texts_.below(1001) : a.from;
    // A report per click can pile up: the user clears the box now and then.
    if (f_.form->txt_results->document()->characterCount() > 1500000)
        a.kind = Kind::ClearResults;
    queue_.push_back(a);
}

void Monkey::plan()
{
    const int pick = texts_.below(100);
    if (pick < 24) {
        QLineEdit* field = fields_[static_cast<std::size_t>(
            texts_.chance(60) ? texts_.below(8) : texts_.below(static_cast<int>(fields_.size())))];
        planTyping(field, texts_.chance(1) ? texts_.hugePaste() : texts_.any());
    } else if (pick < 35) {
        planLine();
    } else if (pick < 41) {
        planRange();
    } else {
        Action a;
        if (pick < 55)
            a.kind = Kind::BothLines;
        else if (pick < 60)
            a.kind = Kind::DrawLine1;
        else if (pick < 65)
            a.kind = Kind::DrawLine2;
        else if (pick < 69)
            return planZoom();
        else if (pick < 70)
            return planWheel();
        else if (pick < 73)
            a.kind = Kind::Check;
        else if (pick < 74)
            return planToggle();
        else if (pick < 80)
            return planMoves();
        else if (pick < 84)
            return planDrag();
        else if (pick < 87)
            return planAbout();
        else if (pick < 91)
            return planResultsBox();
        else { // keys into a locked field
            QLineEdit* const locked[] = { f_.form->txt_slope1, f_.form->txt_yint1,
                f_.form->txt_slope2, f_.form->txt_yint2 };
            return planTyping(locked[texts_.below(4)], texts_.number());
        }
        queue_.push_back(a);
    }
}
