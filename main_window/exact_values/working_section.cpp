#include "main_window/exact_values/working_section.h"

#include <QRegularExpression>

namespace working_section {

namespace {

// A fraction is written without blanks ("7/14"); a division between terms
// has them ("7 / 14"), so only the first is stacked.
QString stacked(const QString& line)
{
    static const QRegularExpression fraction(QStringLiteral("(\\d+)/(\\d+)"));
    QString html = line.toHtmlEscaped();
    html.replace(fraction, QStringLiteral("<sup>\\1</sup>&frasl;<sub>\\2</sub>"));
    return html;
}

} // namespace

QString html(const std::vector<core::WorkingStep>& steps)
{
    QString out = QStringLiteral("<h3>The working</h3>");
    for (const core::WorkingStep& step : steps) {
        out += QStringLiteral("<p><b>") + QString::fromStdString(step.heading).toHtmlEscaped()
            + QStringLiteral("</b></p>");
        for (const std::string& line : step.lines)
            out += QStringLiteral("<p style=\"margin-left: 16px; margin-top: 0\">")
                + stacked(QString::fromStdString(core::PupilText(line))) + QStringLiteral("</p>");
    }
    return out;
}

} // namespace working_section
