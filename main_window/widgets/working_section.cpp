#include "main_window/widgets/working_section.h"

#include "words/language.h"

#include <QRegularExpression>

namespace working_section {

namespace {

// A fraction is written without blanks ("7/14"); a division between terms
// has them ("7 / 14"), so only the first is stacked: superscript digits over
// subscript ones, joined by the fraction slash. Characters rather than
// raised and lowered text, because the page is laid out again on every
// keystroke and a change of format splits the text into many more pieces.
QString stacked(const QString& line)
{
    static const QRegularExpression fraction(QStringLiteral("(\\d+)/(\\d+)"));
    static const QString raised
        = QStringLiteral("\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
    QString out;
    qsizetype from = 0;
    for (auto it = fraction.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += line.mid(from, m.capturedStart() - from);
        for (const QChar c : m.capturedView(1))
            out += raised[c.digitValue()];
        out += QChar(0x2044);
        for (const QChar c : m.capturedView(2))
            out += QChar(0x2080 + c.digitValue());
        from = m.capturedEnd();
    }
    out += line.mid(from);
    return out.toHtmlEscaped();
}

} // namespace

QString html(const std::vector<core::WorkingStep>& steps)
{
    QString out = QStringLiteral("<h3>%1</h3>")
                      .arg(words::translate("working_section", "The working").toHtmlEscaped());
    for (const core::WorkingStep& step : steps) {
        out += QStringLiteral("<p><b>") + QString::fromStdString(step.heading).toHtmlEscaped()
            + QStringLiteral("</b></p>");
        for (const std::string& line : step.lines)
            out += QStringLiteral(
                       "<p style=\"margin-left: 16px; margin-top: 0; margin-bottom: 0\">")
                + stacked(QString::fromStdString(core::PupilText(line))) + QStringLiteral("</p>");
    }
    return out;
}

} // namespace working_section
