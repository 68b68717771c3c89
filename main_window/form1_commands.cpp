// The line commands of the main window: draw one line, draw both lines with
// their crossing point and report.
#include "core/crossing.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "core/report.h"
#include "graph/graph_panel.h"
#include "graph/qb_color.h"
#include "main_window/bad_input.h"
#include "main_window/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

void put(QLineEdit* field, const std::string& text)
{
    field->setText(QString::fromStdString(text));
}

// Runs one computing step; an arithmetic failure ends the command with the
// warning `describe` gives.
template <typename Step, typename Describe> auto attempt(Step&& step, Describe&& describe)
{
    try {
        return step();
    } catch (const core::ArithmeticError&) {
        throw bad_input::Stop { describe() };
    }
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

struct LineFields {
    QLineEdit *x1, *y1, *x2, *y2;
    QLineEdit *slope, *yint, *eqn, *xAxis, *yAxis;
};

} // namespace

core::EndPoints Form1::readEndPoints(int line) const
{
    const std::array<QLineEdit*, 4> fields
        = line == 1 ? std::array { t1, t2, t3, t4 } : std::array { t1_b, t2_b, t3_b, t4_b };
    static const char* const names[] = { "X1", "Y1", "X2", "Y2" };
    std::array<double, 4> v {};
    for (std::size_t k = 0; k < 4; ++k)
        v[k] = attempt([&] { return core::Val(textOf(fields[k])); },
            [&] {
                return bad_input::FieldTooLarge(
                    QStringLiteral("Line %1's %2").arg(line).arg(names[k]));
            });
    return { v[0], v[1], v[2], v[3] };
}

void Form1::drawSegment(int line, const core::EndPoints& p)
{
    // The panel's y grows downwards: a user's point (x, y) is drawn at (x, -y).
    attempt([&] { p1->Line(p.X1, -p.Y1, p.X2, -p.Y2, graph::QBColor(line == 1 ? 3 : 2)); },
        [&] { return bad_input::PointsBeyondDrawing(line); });
}

QString Form1::xAxisCrossing(int line, const core::EndPoints& p) const
{
    try {
        return QString::fromStdString(line == 1
                ? core::XInterceptFromIntercept(textOf(txt_l1yint), p)
                : core::XInterceptFromSlope(textOf(txt_slope2), p));
    } catch (const core::ArithmeticError&) {
        // A horizontal line never meets the x-axis, unless it is the x-axis.
        if (p.Y1 == p.Y2)
            return p.Y1 == 0 ? QStringLiteral("all") : QStringLiteral("none");
        throw bad_input::Stop { bad_input::ResultTooLarge(
            QStringLiteral("The x-axis crossing of line %1").arg(line)) };
    }
}

void Form1::runDrawLine(int line)
{
    const LineFields own = line == 1
        ? LineFields { t1, t2, t3, t4, txt_slope1, txt_yint1, txt_eqn1, txt_l1xint, txt_l1yint }
        : LineFields { t1_b, t2_b, t3_b, t4_b, txt_slope2, txt_yint2, txt_eqn2, txt_l2xint,
              txt_l2yint };
    const LineFields other = line == 1
        ? LineFields { t1_b, t2_b, t3_b, t4_b, txt_slope2, txt_yint2, txt_eqn2, txt_l2xint,
              txt_l2yint }
        : LineFields { t1, t2, t3, t4, txt_slope1, txt_yint1, txt_eqn1, txt_l1xint, txt_l1yint };

    p1->Cls();
    DrawFN();
    DrawTickMarks();
    const core::EndPoints p = readEndPoints(line);
    drawSegment(line, p);
    put(own.slope,
        attempt(
            [&] { return core::SlopeText(p); }, [&] { return bad_input::VerticalLine(line, p); }));
    const auto intercept = [&] {
        return attempt([&] { return core::InterceptText(textOf(own.slope), p.X2, p.Y2); },
            [&] {
                return bad_input::ResultTooLarge(
                    QStringLiteral("The y-intercept of line %1").arg(line));
            });
    };
    put(own.yint, intercept());
    // The other line is no longer drawn: none of its results stay.
    other.slope->clear();
    other.yint->clear();
    lblAns->clear();
    other.eqn->clear();
    other.xAxis->clear();
    other.yAxis->clear();
    put(own.eqn, core::EquationText(textOf(own.slope), textOf(own.yint)));
    put(own.yAxis, intercept());
    own.xAxis->setText(xAxisCrossing(line, p));
}

void Form1::runBothLines()
{
    p1->Cls();
    DrawFN();
    DrawTickMarks();
    drawSegment(1, readEndPoints(1));
    drawSegment(2, readEndPoints(2));

    const auto slope = [&](int line) {
        const core::EndPoints p = readEndPoints(line);
        return attempt(
            [&] { return core::SlopeText(p); }, [&] { return bad_input::VerticalLine(line, p); });
    };
    const auto intercept = [&](int line, const QLineEdit* slopeField) {
        const core::EndPoints p = readEndPoints(line);
        return attempt([&] { return core::InterceptText(textOf(slopeField), p.X2, p.Y2); },
            [&] {
                return bad_input::ResultTooLarge(
                    QStringLiteral("The y-intercept of line %1").arg(line));
            });
    };
    put(txt_slope1, slope(1));
    put(txt_yint1, intercept(1, txt_slope1));
    put(txt_slope2, slope(2));
    put(txt_yint2, intercept(2, txt_slope2));
    FindIntersection();
    put(txt_eqn1, core::EquationText(textOf(txt_slope1), textOf(txt_yint1)));
    put(txt_eqn2, core::EquationText(textOf(txt_slope2), textOf(txt_yint2)));
    put(txt_l1yint, intercept(1, txt_slope1));
    put(txt_l2yint, intercept(2, txt_slope2));
    txt_l1xint->setText(xAxisCrossing(1, readEndPoints(1)));
    txt_l2xint->setText(xAxisCrossing(2, readEndPoints(2)));

    if (PlaceResults) {
        const std::string caption = lblAns->text().toStdString();
        const std::string a = textOf(t1), b = textOf(t2), c = textOf(t3), d = textOf(t4);
        const std::string e = textOf(t1_b), f = textOf(t2_b), g = textOf(t3_b), h = textOf(t4_b);
        const std::string eq1 = textOf(txt_eqn1), eq2 = textOf(txt_eqn2);
        const std::string report
            = core::ResultsReport({ caption, a, b, c, d, eq1, e, f, g, h, eq2 });
        // At the insertion point, over any selection; the insertion point
        // ends just behind the report.
        QTextCursor cursor = txt_results->textCursor();
        cursor.insertText(boxText(report));
        txt_results->setTextCursor(cursor);
    }
}

void Form1::FindIntersection()
{
    const core::Crossing crossing = attempt(
        [&] {
            return core::FindCrossing(
                textOf(txt_slope1), textOf(txt_slope2), textOf(txt_yint1), textOf(txt_yint2));
        },
        [] { return bad_input::ResultTooLarge(QStringLiteral("The crossing point")); });
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
    try {
        runBothLines();
    } catch (const bad_input::Stop& stop) {
        warn(stop.message);
    }
}

void Form1::draw_line1_Click()
{
    try {
        runDrawLine(1);
    } catch (const bad_input::Stop& stop) {
        warn(stop.message);
    }
}

void Form1::draw_line2_Click()
{
    try {
        runDrawLine(2);
    } catch (const bad_input::Stop& stop) {
        warn(stop.message);
    }
}
