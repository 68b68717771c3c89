// The Exact values window's text: both lines and their crossing worked out
// exactly from the typed end points, then what the window's decimal answers
// for the same texts leave out.
#include "core/written_number.h"
#include "main_window/exact_values/exact_parts.h"
#include "main_window/exact_values/exact_texts.h"
#include "words/bad_input.h"

#include <QStringList>

#include <map>
#include <optional>

namespace exact_texts {

namespace {

using namespace parts;

// "2 1/3" beside 7/3: the whole part, then the proper fraction.
QString mixedNumber(const mpq_class& q)
{
    mpz_class whole, rest;
    const mpz_class numerator = abs(q.get_num());
    mpz_tdiv_qr(whole.get_mpz_t(), rest.get_mpz_t(), numerator.get_mpz_t(), q.get_den_mpz_t());
    return QStringLiteral("%1%2 %3/%4")
        .arg(sgn(q) < 0 ? QStringLiteral("-") : QString(), text(whole.get_str()),
            text(rest.get_str()), text(q.get_den().get_str()));
}

// The repeating digits get a line over them for the eye; the parentheses
// stay, so that a screen reader and a copy keep them.
QString decimalHtml(const mpq_class& q)
{
    QString d = text(core::exact::DecimalText(q)).toHtmlEscaped();
    const qsizetype open = d.indexOf(u'(');
    const qsizetype close = d.lastIndexOf(u')');
    if (open >= 0 && close > open)
        d = d.left(open + 1) + QStringLiteral("<span style=\"text-decoration: overline\">")
            + d.mid(open + 1, close - open - 1) + QStringLiteral("</span>") + d.mid(close);
    return d;
}

// "7/3 (2 1/3) = 2.(3)": the fraction, the mixed number beside an improper
// one, and the decimal.
QString valueHtml(const mpq_class& q)
{
    QString out = fraction(q);
    if (isInteger(q))
        return out;
    if (abs(q) > 1)
        out += QStringLiteral(" (") + mixedNumber(q) + u')';
    return out + QStringLiteral(" = ") + decimalHtml(q);
}

QString point(const mpq_class& x, const mpq_class& y)
{
    return u'(' + fraction(x) + QStringLiteral(", ") + fraction(y) + u')';
}

QString paragraph(const QString& html)
{
    return QStringLiteral("<p>") + html + QStringLiteral("</p>");
}

QString tooLarge()
{
    return ExactValues::tr("Its end points hold a number too large to work with exactly (more than "
                           "%1 digits before or after the point).")
        .arg(core::exact::MaxIntegerDigits);
}

QString interceptHtml(const Intercept& at, const QString& axis)
{
    switch (at.kind) {
    case InterceptKind::At:
        return valueHtml(at.at);
    case InterceptKind::None:
        return ExactValues::tr("none: the line never meets %1").arg(axis);
    case InterceptKind::All:
        return ExactValues::tr("all: the line is %1").arg(axis);
    }
    return {};
}

QString lineSection(int number, const std::array<std::string, 4>& typed, const Line& line)
{
    QString html = QStringLiteral("<h3>%1</h3>").arg(ExactValues::tr("Line %1").arg(number));
    std::array<std::optional<mpq_class>, 4> p;
    for (std::size_t k = 0; k < 4; ++k)
        if (const auto q = core::exact::ReadField(typed[k]))
            p[k] = *q;
    if (line.kind == LineKind::TooLarge)
        return html + paragraph(tooLarge());
    html += paragraph(
        ExactValues::tr("Through %1 and %2").arg(point(*p[0], *p[1]), point(*p[2], *p[3])));
    if (line.kind == LineKind::Point)
        return html
            + paragraph(
                ExactValues::tr("Both end points are the same point, so they make no line."));
    html += paragraph(ExactValues::tr("Equation: %1").arg(text(*core::exact::EquationText(line))));
    html += paragraph(ExactValues::tr("Slope: %1")
                          .arg(line.kind == LineKind::Line
                                  ? valueHtml(line.slope)
                                  : ExactValues::tr("none: a vertical line has no slope")));
    html += paragraph(ExactValues::tr("y-intercept: %1")
                          .arg(interceptHtml(line.yIntercept, ExactValues::tr("the y-axis"))));
    html += paragraph(ExactValues::tr("x-intercept: %1")
                          .arg(interceptHtml(line.xIntercept, ExactValues::tr("the x-axis"))));
    return html;
}

QString crossingSection(const ExactLines& exact)
{
    QString html = QStringLiteral("<h3>%1</h3>").arg(ExactValues::tr("Crossing"));
    const auto& c = exact.crossing;
    switch (c.kind) {
    case CrossingKind::Point:
        html += paragraph(point(c.x, c.y));
        if (!isInteger(c.x) || !isInteger(c.y))
            html += paragraph(QStringLiteral("x = %1, y = %2").arg(valueHtml(c.x), valueHtml(c.y)));
        return html;
    case CrossingKind::Parallel:
        return html + paragraph(ExactValues::tr("The lines are parallel: they never meet."));
    case CrossingKind::Same:
        return html
            + paragraph(ExactValues::tr("The lines are the same line: they meet everywhere."));
    case CrossingKind::None:
        break;
    }
    return html + paragraph(ExactValues::tr("None: it takes two lines to cross."));
}

// Where the window's decimal answers for the same texts are rounded. The
// window decides exactly what kind of answer to give (a number, "none",
// "all", parallel, the same line), so only the digits can differ.
class Comparison {
public:
    Comparison(const core::CommandResult& window, const ExactLines& exact)
        : exact_(exact)
    {
        for (const core::FieldWrite& w : window.writes)
            shown_[w.field] = w.text;
        for (int line : { 1, 2 })
            compareLine(line);
        if (window.crossing)
            compareCrossing(*window.crossing);
        if (window.stop)
            remarks_ << ExactValues::tr("The window stops with a warning here: %1")
                            .arg(bad_input::warning(*window.stop).toHtmlEscaped());
    }

    QString html() const
    {
        QString html
            = QStringLiteral("<h3>%1</h3>").arg(ExactValues::tr("The window's decimal answers"));
        if (remarks_.isEmpty())
            return html
                + paragraph(ExactValues::tr(
                    "For these end points every answer the window gives is exact."));
        for (const QString& remark : remarks_)
            html += paragraph(remark);
        return html;
    }

private:
    void compareLine(int number)
    {
        const Line& line = number == 1 ? exact_.line1 : exact_.line2;
        if (!(line.kind == LineKind::Line || line.kind == LineKind::Vertical))
            return;
        const bool one = number == 1;
        if (const auto s = shown(one ? ResultField::Slope1 : ResultField::Slope2);
            s && line.kind == LineKind::Line)
            compareNumber(ExactValues::tr("Line %1's slope").arg(number), *s, line.slope);
        if (const auto b = shown(one ? ResultField::YIntercept1 : ResultField::YIntercept2))
            compareIntercept(
                ExactValues::tr("Line %1's y-intercept").arg(number), *b, line.yIntercept);
        if (const auto x = shown(one ? ResultField::XAxis1 : ResultField::XAxis2))
            compareIntercept(
                ExactValues::tr("Line %1's x-axis crossing").arg(number), *x, line.xIntercept);
    }

    std::optional<std::string> shown(ResultField field) const
    {
        const auto it = shown_.find(field);
        if (it == shown_.end())
            return std::nullopt;
        return it->second;
    }

    void compareNumber(const QString& what, const std::string& window, const mpq_class& q)
    {
        const QString w = text(window).toHtmlEscaped();
        if (const auto read = core::exact::Read(window); read && *read == q)
            return;
        remarks_ << ExactValues::tr("%1: the window shows %2, rounded; exactly, it is %3.")
                        .arg(what, w, valueHtml(q));
    }

    void compareIntercept(const QString& what, const std::string& window, const Intercept& at)
    {
        if (at.kind == InterceptKind::At)
            compareNumber(what, window, at.at);
    }

    void compareCrossing(const core::Crossing& window)
    {
        const auto& c = exact_.crossing;
        if (c.kind != CrossingKind::Point || window.kind != core::CrossingKind::Point)
            return;
        const QString caption = text(window.caption).toHtmlEscaped();
        // The caption is "(X,  Y)".
        const std::string& s = window.caption;
        const std::size_t comma = s.find(',');
        const auto x = core::exact::Read(s.substr(1, comma - 1));
        const auto y = core::exact::Read(s.substr(comma + 1, s.size() - comma - 2));
        if (x && y && *x == c.x && *y == c.y)
            return;
        remarks_ << ExactValues::tr(
            "The crossing: the window shows %1, rounded; exactly, it is %2.")
                        .arg(caption, point(c.x, c.y));
    }

    const ExactLines& exact_;
    std::map<ResultField, std::string> shown_;
    QStringList remarks_;
};

} // namespace

// Under a line whose end points were rounded from the equation typed for it.
QString roundedNote(const QString& equation)
{
    if (equation.isEmpty())
        return QString();
    return paragraph(ExactValues::tr("These end points were rounded to 15 significant digits from "
                                     "the typed equation %1: it has no two points with short "
                                     "exact decimals in the range. The line through them is "
                                     "very close to the typed line, not the same.")
                         .arg(equation.toHtmlEscaped()));
}

QString lineHtml(int number, const std::array<std::string, 4>& typed, const Line& line,
    const QString& roundedFrom)
{
    return lineSection(number, typed, line) + roundedNote(roundedFrom);
}

QString pairHtml(const core::TypedFields& typed, const ExactLines& exact)
{
    return crossingSection(exact) + Comparison(core::BothLines(typed, false), exact).html();
}

} // namespace exact_texts
