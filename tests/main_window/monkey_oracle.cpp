#include "monkey_oracle.h"

#include "core/crossing.h"
#include "core/errors.h"
#include "core/line.h"
#include "core/number_text.h"
#include "core/report.h"
#include "main_window/form1.h"

#include <QLabel>
#include <QLineEdit>

#include <string>

namespace monkey_oracle {

namespace {

using Text = std::optional<std::string>;

template <typename Step> Text attempt(Step&& step)
{
    try {
        return step();
    } catch (const core::ArithmeticError&) {
        return std::nullopt;
    }
}

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

std::optional<core::EndPoints> endPoints(const Form1& form, int line)
{
    const std::array<const QLineEdit*, 4> fields = line == 1
        ? std::array<const QLineEdit*, 4> { form.t1, form.t2, form.t3, form.t4 }
        : std::array<const QLineEdit*, 4> { form.t1_b, form.t2_b, form.t3_b, form.t4_b };
    try {
        return core::EndPoints { core::Val(textOf(fields[0])), core::Val(textOf(fields[1])),
            core::Val(textOf(fields[2])), core::Val(textOf(fields[3])) };
    } catch (const core::ArithmeticError&) {
        return std::nullopt;
    }
}

// Everything the window shows for one line.
struct LineTexts {
    Text slope, yint, eqn, xAxis;
};

LineTexts lineTexts(const Form1& form, int line)
{
    LineTexts t;
    const auto p = endPoints(form, line);
    if (!p)
        return t;
    t.slope = attempt([&] { return core::SlopeText(*p); });
    if (!t.slope)
        return t;
    t.yint = attempt([&] { return core::InterceptText(*t.slope, p->X2, p->Y2); });
    if (!t.yint)
        return t;
    t.eqn = core::EquationText(*t.slope, *t.yint);
    // Each line has its own form of the x-axis crossing.
    t.xAxis = attempt([&] {
        return line == 1 ? core::XInterceptFromIntercept(*t.yint, *p)
                         : core::XInterceptFromSlope(*t.slope, *p);
    });
    // A horizontal line never meets the x-axis, unless it is the x-axis.
    if (!t.xAxis && p->Y1 == p->Y2)
        t.xAxis = p->Y1 == 0 ? "all" : "none";
    return t;
}

Text crossingCaption(const LineTexts& one, const LineTexts& two)
{
    if (!one.slope || !one.yint || !two.slope || !two.yint)
        return std::nullopt;
    return attempt(
        [&] { return core::FindCrossing(*one.slope, *two.slope, *one.yint, *two.yint).caption; });
}

Expected shown(const Text& text)
{
    if (!text)
        return std::nullopt;
    return QString::fromStdString(*text);
}

} // namespace

ResultTexts resultTexts(const Form1& f)
{
    return { f.txt_slope1->text(), f.txt_yint1->text(), f.txt_slope2->text(), f.txt_yint2->text(),
        f.lblAns->text(), f.txt_eqn1->text(), f.txt_eqn2->text(), f.txt_l1yint->text(),
        f.txt_l2yint->text(), f.txt_l1xint->text(), f.txt_l2xint->text() };
}

const char* resultName(int field)
{
    static const char* const names[resultCount]
        = { "txt_slope1", "txt_yint1", "txt_slope2", "txt_yint2", "lblAns", "txt_eqn1", "txt_eqn2",
              "txt_l1yint", "txt_l2yint", "txt_l1xint", "txt_l2xint" };
    return names[field];
}

Writes bothLinesWrites(const Form1& form)
{
    const LineTexts one = lineTexts(form, 1);
    const LineTexts two = lineTexts(form, 2);
    return { { Slope1, shown(one.slope) }, { Yint1, shown(one.yint) }, { Slope2, shown(two.slope) },
        { Yint2, shown(two.yint) }, { Ans, shown(crossingCaption(one, two)) },
        { Eqn1, shown(one.eqn) }, { Eqn2, shown(two.eqn) }, { L1yint, shown(one.yint) },
        { L2yint, shown(two.yint) }, { L1xint, shown(one.xAxis) }, { L2xint, shown(two.xAxis) } };
}

Writes drawLineWrites(const Form1& form, int line)
{
    const LineTexts own = lineTexts(form, line);
    const bool first = line == 1;
    const Expected empty = QString();
    // The other line is no longer drawn, so its results and the crossing
    // point are emptied once the line's own slope and intercept stand.
    return { { first ? Slope1 : Slope2, shown(own.slope) },
        { first ? Yint1 : Yint2, shown(own.yint) }, { first ? Slope2 : Slope1, empty },
        { first ? Yint2 : Yint1, empty }, { Ans, empty }, { first ? Eqn2 : Eqn1, empty },
        { first ? L2xint : L1xint, empty }, { first ? L2yint : L1yint, empty },
        { first ? Eqn1 : Eqn2, shown(own.eqn) }, { first ? L1yint : L2yint, shown(own.yint) },
        { first ? L1xint : L2xint, shown(own.xAxis) } };
}

QString checkWrites(
    const ResultTexts& before, const ResultTexts& after, const Writes& writes, bool completed)
{
    bool stopped = false;
    for (const Write& w : writes) {
        const QString& now = after[w.field];
        const QString& was = before[w.field];
        const QString expected = w.text ? *w.text : QStringLiteral("<no text: the core fails>");
        if (stopped) {
            if (now != was)
                return QStringLiteral("%1 was written after the command had stopped: \"%2\" "
                                      "became \"%3\"")
                    .arg(resultName(w.field), was.left(80), now.left(80));
            continue;
        }
        if (w.text && now == *w.text)
            continue;
        if (now == was && !completed) {
            stopped = true; // the failing step: nothing after it is written
            continue;
        }
        return QStringLiteral("%1 shows \"%2\" where the core gives \"%3\" (before: \"%4\")%5")
            .arg(resultName(w.field), now.left(120), expected.left(120), was.left(120),
                completed ? QStringLiteral(", and no warning was given") : QString());
    }
    return {};
}

Expected expectedReport(const Form1& form)
{
    const Writes writes = bothLinesWrites(form);
    if (!writes[Ans].text || !writes[Eqn1].text || !writes[Eqn2].text)
        return std::nullopt;
    const std::string caption = writes[Ans].text->toStdString();
    const std::string eqn1 = writes[Eqn1].text->toStdString();
    const std::string eqn2 = writes[Eqn2].text->toStdString();
    const std::string a = textOf(form.t1), b = textOf(form.t2), c = textOf(form.t3),
                      d = textOf(form.t4);
    const std::string e = textOf(form.t1_b), f = textOf(form.t2_b), g = textOf(form.t3_b),
                      h = textOf(form.t4_b);
    const std::string raw = core::ResultsReport({ caption, a, b, c, d, eqn1, e, f, g, h, eqn2 });
    QString report = QString::fromStdString(raw);
    // The box breaks lines at each CR LF; the lone LF shows nothing. Typed
    // texts hold no line breaks, so every CR and LF here is the report's own.
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    report.remove(u'\n');
    report.replace(u'\r', u'\n');
    // The box reads a no-break space back as a plain one.
    report.replace(QChar::Nbsp, u' ');
    return report;
}

} // namespace monkey_oracle
