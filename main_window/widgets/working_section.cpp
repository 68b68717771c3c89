#include "main_window/widgets/working_section.h"

#include "words/language.h"

#include <algorithm>

namespace working_section {

namespace {

// A fraction is written without blanks ("7/14"); a division between terms
// has them ("7 / 14"), so only the first is stacked: superscript digits over
// subscript ones, joined by the fraction slash. Characters rather than
// raised and lowered text, because the page is laid out again on every
// keystroke and a change of format splits the text into many more pieces.
// Each digit of a fraction becomes one character and its slash another, so
// the line is stacked in place: the widest pages have fractions of
// thousands of digits.
QString stacked(const QString& line)
{
    static constexpr char16_t raised[]
        = u"\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079";
    QString out = line;
    QChar* const c = out.data();
    const qsizetype size = out.size();
    const auto isDigit = [](QChar d) { return d >= u'0' && d <= u'9'; };
    const auto digitsFrom = [&](qsizetype k) {
        while (k < size && isDigit(c[k]))
            ++k;
        return k;
    };
    for (qsizetype k = 0; k < size;) {
        if (!isDigit(c[k])) {
            ++k;
            continue;
        }
        const qsizetype slash = digitsFrom(k);
        const qsizetype end = slash < size && c[slash] == u'/' ? digitsFrom(slash + 1) : slash;
        if (end <= slash + 1) { // digits, but no fraction
            k = slash;
            continue;
        }
        for (; k < slash; ++k)
            c[k] = QChar(raised[c[k].unicode() - u'0']);
        c[slash] = QChar(0x2044);
        for (k = slash + 1; k < end; ++k)
            c[k] = QChar(0x2080 + (c[k].unicode() - u'0'));
    }
    const bool plain = std::none_of(out.cbegin(), out.cend(),
        [](QChar ch) { return ch == u'<' || ch == u'>' || ch == u'&' || ch == u'"'; });
    return plain ? out : out.toHtmlEscaped();
}

} // namespace

QString heading()
{
    return QStringLiteral("<h3>%1</h3>")
        .arg(words::translate("working_section", "The working").toHtmlEscaped());
}

QString html(const std::vector<core::WorkingStep>& steps)
{
    return heading() + stepsHtml(steps);
}

QString stepsHtml(const std::vector<core::WorkingStep>& steps)
{
    QString out;
    out.reserve(4096);
    for (const core::WorkingStep& step : steps) {
        out += u"<p><b>";
        out += QString::fromStdString(step.heading).toHtmlEscaped();
        out += u"</b></p>";
        // A step's lines are one paragraph, broken between them: they look
        // as a paragraph each would, and the Exact values page, laid out
        // again on every keystroke, has half as many blocks to walk and write.
        if (step.lines.empty())
            continue;
        out += u"<p style=\"margin-left: 16px; margin-top: 0; margin-bottom: 0\">";
        for (std::size_t k = 0; k < step.lines.size(); ++k) {
            if (k > 0)
                out += u"<br />";
            out += stacked(QString::fromStdString(core::PupilText(step.lines[k])));
        }
        out += u"</p>";
    }
    return out;
}

} // namespace working_section
