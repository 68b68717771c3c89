// The line commands of the main window: draw one line, draw both lines with
// their crossing point and report. The core works out what they write; the
// window draws and shows it.
#include "core/checked.h"
#include "core/line_commands.h"
#include "core/number_text.h"
#include "graph/graph_panel.h"
#include "graph/qb_color.h"
#include "main_window/bad_input.h"
#include "main_window/command_step.h"
#include "main_window/exact_texts.h"
#include "main_window/form1.h"
#include "main_window/read_mark.h"
#include "main_window/result_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <cmath>
#include <vector>

namespace {

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

// In the results box a CR LF pair is one line break; the lone LF that ends
// each report shows nothing, so every report is followed by one blank line.
// The report is UTF-8: the end points are quoted as typed, in any script.
QString boxText(const std::string& report)
{
    const QString text = QString::fromStdString(report);
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c == u'\r') {
            out += u'\n';
            if (k + 1 < text.size() && text[k + 1] == u'\n')
                ++k;
        } else if (c != u'\n') {
            out += c;
        }
    }
    return out;
}

// An emptied field has no value to give.
QString exactTip(const core::FieldWrite& w, const exact_texts::Answers& exact)
{
    return w.text.empty() ? QString() : exact_texts::Tooltip(w.field, exact);
}

QString pointLabel(const std::string& x, const std::string& y)
{
    return QString::fromStdString("(" + x + ", " + y + ")");
}

// The end points of the segments drawn, in their lines' colours, and a
// crossing point in black, as the panel's marks. The panel's y grows
// downwards. An end point's label leans beyond the end of its segment; the
// crossing's into the wider of the angles between the lines.
std::vector<graph::PointMark> pointMarks(const core::CommandResult& result)
{
    std::vector<graph::PointMark> marks;
    QPointF along[3]; // each line's direction on the panel, of length 1
    for (const core::Segment& s : result.segments) {
        const QRgb colour = graph::QBColor(s.line == 1 ? 3 : 2);
        const core::EndPoints& p = s.points;
        const QPointF d(p.X2 - p.X1, p.Y1 - p.Y2);
        const double length = std::hypot(d.x(), d.y());
        if (length > 0 && std::isfinite(length))
            along[s.line] = d / length;
        marks.push_back({ p.X1, -p.Y1, colour,
            pointLabel(core::NumberToText(p.X1), core::NumberToText(p.Y1)), -d.x(), -d.y() });
        marks.push_back({ p.X2, -p.Y2, colour,
            pointLabel(core::NumberToText(p.X2), core::NumberToText(p.Y2)), d.x(), d.y() });
    }
    if (result.crossing && result.crossing->kind == core::CrossingKind::Point) {
        const core::Crossing& c = *result.crossing;
        // Of the two bisectors, d1 + d2 halves the angle between the
        // directions, d1 - d2 its supplement: the wider one when they make
        // an acute angle.
        const QPointF d1 = along[1], d2 = along[2];
        const bool acute = QPointF::dotProduct(d1, d2) > 0;
        const QPointF lean = acute ? d1 - d2 : d1 + d2;
        marks.push_back({ c.x, -static_cast<double>(c.y), qRgb(0, 0, 0),
            pointLabel(core::NumberToText(c.x), core::NumberToText(c.y)),
            lean.isNull() ? 1.0 : lean.x(), lean.isNull() ? -1.0 : lean.y() });
    }
    return marks;
}

} // namespace

core::TypedFields Form1::typedFields() const
{
    return { { textOf(t1), textOf(t2), textOf(t3), textOf(t4) },
        { textOf(t1_b), textOf(t2_b), textOf(t3_b), textOf(t4_b) }, textOf(txmin), textOf(txmax) };
}

void Form1::runDrawLine(int line)
{
    showHowRead(line);
    const core::TypedFields typed = typedFields();
    showOutcome(typed, core::DrawLine(typed, line), RunBy::User);
}

void Form1::runBothLines(RunBy by)
{
    showHowRead(0);
    const core::TypedFields typed = typedFields();
    showOutcome(typed,
        core::BothLines(typed, PlaceResults,
            by == RunBy::Zoom ? core::Verticals::Stop : core::Verticals::Answered),
        by);
}

void Form1::showHowRead(int line)
{
    std::vector<QLineEdit*> read = { txmin, txmax };
    if (line != 2)
        read.insert(read.end(), { t1, t2, t3, t4 });
    if (line != 1)
        read.insert(read.end(), { t1_b, t2_b, t3_b, t4_b });
    for (QLineEdit* field : read)
        read_mark::showHowRead(field);
}

void Form1::showOutcome(const core::TypedFields& typed, const core::CommandResult& result, RunBy by)
{
    // The warning that ends the command at `why`, the first `written` of the
    // chain's writes done; run by the user, the fields it did not write are
    // emptied first.
    const auto warning = [&](const core::CommandStop& why, std::size_t written) {
        if (by == RunBy::User) {
            for (std::size_t k = written; k < result.writes.size(); ++k)
                empty(result.writes[k].field);
            for (const core::ResultField field : result.unreached)
                empty(field);
        }
        return bad_input::Warning(why);
    };
    p1->Cls();
    DrawFN();
    if (result.stop && result.stop->step == core::Step::Ticks) {
        // The tick marks run into the range problem the chain found, after
        // drawing what they can; it is told once, in the chain's words.
        command_step::skipOnFailure([this] { DrawTickMarks(); });
        throw bad_input::Stop { warning(*result.stop, 0) };
    }
    DrawTickMarks();
    // The panel's y grows downwards: a user's point (x, y) is drawn at (x, -y).
    for (const core::Segment& s : result.segments) {
        const core::EndPoints& p = s.points;
        command_step::stopOnFailure(
            [&] {
                p1->Line(p.X1, -p.Y1, p.X2, -p.Y2, graph::QBColor(s.line == 1 ? 3 : 2));
                p1->markEndPoints(s.line, p.X1, -p.Y1, p.X2, -p.Y2);
            },
            [&] {
                // The chain lets through only end points the panel can draw.
                const double v[] = { p.X1, p.Y1, p.X2, p.Y2 };
                int k = 0;
                while (k < 3 && core::FitsSingle(v[k]))
                    ++k;
                core::CommandStop why { s.line == 1 ? core::Step::Line1 : core::Step::Line2,
                    core::Problem::EndPointsBeyondDrawing, s.line };
                why.coordinate = static_cast<core::Coordinate>(k);
                return warning(why, 0);
            });
    }
    p1->setPointMarks(pointMarks(result));
    const exact_texts::Answers exact = exact_texts::AnswersFor(typed);
    for (const core::FieldWrite& w : result.writes)
        write(w, result, exact);
    if (result.report)
        placeReport(*result.report);
    if (result.stop)
        throw bad_input::Stop { warning(*result.stop, result.writes.size()) };
}

void Form1::placeReport(const std::string& report)
{
    // At the insertion point, over any selection; the insertion point ends
    // just behind the report.
    QTextCursor cursor = txt_results->textCursor();
    cursor.insertText(boxText(report));
    txt_results->setTextCursor(cursor);
}

void Form1::empty(core::ResultField field)
{
    // With no crossing to show, the label is emptied like any field.
    write({ field, std::string() }, core::CommandResult {}, exact_texts::Answers {});
}

void Form1::write(
    const core::FieldWrite& w, const core::CommandResult& result, const exact_texts::Answers& exact)
{
    using enum core::ResultField;
    QLineEdit* field = nullptr;
    switch (w.field) {
    case Slope1:
        field = txt_slope1;
        break;
    case YIntercept1:
        field = txt_yint1;
        break;
    case Equation1:
        field = txt_eqn1;
        break;
    case XAxis1:
        field = txt_l1xint;
        break;
    case YAxis1:
        field = txt_l1yint;
        break;
    case Slope2:
        field = txt_slope2;
        break;
    case YIntercept2:
        field = txt_yint2;
        break;
    case Equation2:
        field = txt_eqn2;
        break;
    case XAxis2:
        field = txt_l2xint;
        break;
    case YAxis2:
        field = txt_l2yint;
        break;
    case Answer:
        // The both-lines command shows the crossing; the draw-line commands
        // empty the label and leave its colour and weight.
        if (result.crossing)
            FindIntersection(*result.crossing);
        else
            lblAns->setText(QString::fromStdString(w.text));
        result_box::Describe(lblAns, exactTip(w, exact));
        return;
    }
    result_box::Show(field, QString::fromStdString(w.text), exactTip(w, exact));
}

void Form1::FindIntersection(const core::Crossing& crossing)
{
    const bool point = crossing.kind == core::CrossingKind::Point;
    QPalette palette = lblAns->palette();
    palette.setColor(QPalette::WindowText, point ? QColor(0, 0, 0) : QColor(255, 0, 0));
    lblAns->setPalette(palette);
    QFont font = lblAns->font();
    font.setBold(!point);
    lblAns->setFont(font);
    lblAns->setText(QString::fromStdString(crossing.caption));
}

void Form1::cmd_bothlines_Click()
{
    command_step::runCommand(
        [this] { runBothLines(RunBy::User); }, [this](const QString& w) { warn(w); });
}

void Form1::draw_line1_Click()
{
    command_step::runCommand([this] { runDrawLine(1); }, [this](const QString& w) { warn(w); });
}

void Form1::draw_line2_Click()
{
    command_step::runCommand([this] { runDrawLine(2); }, [this](const QString& w) { warn(w); });
}
