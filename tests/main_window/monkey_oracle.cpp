#include "monkey_oracle.h"

#include "main_window/form1.h"

#include <QLabel>
#include <QLineEdit>

#include <string>

namespace monkey_oracle {

namespace {

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

core::TypedFields typedFields(const Form1& f)
{
    return { { textOf(f.t1), textOf(f.t2), textOf(f.t3), textOf(f.t4) },
        { textOf(f.t1_b), textOf(f.t2_b), textOf(f.t3_b), textOf(f.t4_b) }, textOf(f.txmin),
        textOf(f.txmax) };
}

} // namespace

ResultTexts resultTexts(const Form1& f)
{
    using enum core::ResultField;
    ResultTexts texts;
    texts[at(Slope1)] = f.txt_slope1->text();
    texts[at(YIntercept1)] = f.txt_yint1->text();
    texts[at(Equation1)] = f.txt_eqn1->text();
    texts[at(XAxis1)] = f.txt_l1xint->text();
    texts[at(YAxis1)] = f.txt_l1yint->text();
    texts[at(Slope2)] = f.txt_slope2->text();
    texts[at(YIntercept2)] = f.txt_yint2->text();
    texts[at(Equation2)] = f.txt_eqn2->text();
    texts[at(XAxis2)] = f.txt_l2xint->text();
    texts[at(YAxis2)] = f.txt_l2yint->text();
    texts[at(Answer)] = f.lblAns->text();
    return texts;
}

core::CommandResult bothLines(const Form1& form, bool report, core::Verticals verticals)
{
    return core::BothLines(typedFields(form), report, verticals);
}

core::CommandResult drawLine(const Form1& form, int line)
{
    return core::DrawLine(typedFields(form), line);
}

QString checkWrites(const ResultTexts& before, const ResultTexts& after,
    const core::CommandResult& expected, bool warns, bool warned)
{
    ResultTexts due = before;
    for (const core::FieldWrite& w : expected.writes)
        due[at(w.field)] = QString::fromStdString(w.text);
    // A click that stops empties what it did not reach; a zoom keeps it.
    if (warns)
        for (const core::ResultField field : expected.unreached)
            due[at(field)].clear();
    for (std::size_t k = 0; k < due.size(); ++k)
        if (after[k] != due[k])
            return QStringLiteral("%1 shows \"%2\" where \"%3\" was due (before: \"%4\")%5")
                .arg(QLatin1StringView(core::FieldName(static_cast<core::ResultField>(k))),
                    after[k].left(120), due[k].left(120), before[k].left(120),
                    expected.stop ? QStringLiteral(", the command stopping at step %1")
                                        .arg(static_cast<int>(expected.stop->step))
                                  : QString());
    if (warns && warned != expected.stop.has_value())
        return warned ? QStringLiteral("a warning, though the command ran to its end")
                      : QStringLiteral("no warning, though the command stopped at step %1")
                            .arg(static_cast<int>(expected.stop->step));
    return {};
}

QString shownReport(const std::string& raw)
{
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
