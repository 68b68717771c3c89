#include "words/bad_input.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/exact_number.h"
#include "core/line_commands.h"
#include "core/number_text.h"
#include "core/written_number.h"
#include "words/language.h"

#include <cmath>

// Every message says which field it is about and what to do, in words a
// pupil uses: no names from inside the program, and limits as rounded
// numbers ("about 1.8E+308").
namespace bad_input {

namespace {

QString text(double x)
{
    return QString::fromStdString(core::NumberToText(x));
}

using words::translate;

// Small fractions as a pupil says them; others as they were typed.
QString fractionWords(qlonglong top, qlonglong bottom)
{
    // The proper fractions with a denominator from 2 to 5, row by row.
    static const char* const said[][4] = {
        { QT_TRANSLATE_NOOP("bad_input", "one half") },
        { QT_TRANSLATE_NOOP("bad_input", "one third"),
            QT_TRANSLATE_NOOP("bad_input", "two thirds") },
        { QT_TRANSLATE_NOOP("bad_input", "one quarter"),
            QT_TRANSLATE_NOOP("bad_input", "two quarters"),
            QT_TRANSLATE_NOOP("bad_input", "three quarters") },
        { QT_TRANSLATE_NOOP("bad_input", "one fifth"), QT_TRANSLATE_NOOP("bad_input", "two fifths"),
            QT_TRANSLATE_NOOP("bad_input", "three fifths"),
            QT_TRANSLATE_NOOP("bad_input", "four fifths") },
    };
    const qlonglong size = std::abs(top);
    const QString words = size >= 1 && size < bottom && bottom >= 2 && bottom <= 5
        ? translate("bad_input", said[bottom - 2][size - 1])
        : QStringLiteral("%1/%2").arg(size).arg(bottom);
    return top < 0 ? translate("bad_input", "minus %1").arg(words) : words;
}

// "a half", "one and a half", ... "nine and a half".
QString halves(int units)
{
    static const char* const said[] = { QT_TRANSLATE_NOOP("bad_input", "a half"),
        QT_TRANSLATE_NOOP("bad_input", "one and a half"),
        QT_TRANSLATE_NOOP("bad_input", "two and a half"),
        QT_TRANSLATE_NOOP("bad_input", "three and a half"),
        QT_TRANSLATE_NOOP("bad_input", "four and a half"),
        QT_TRANSLATE_NOOP("bad_input", "five and a half"),
        QT_TRANSLATE_NOOP("bad_input", "six and a half"),
        QT_TRANSLATE_NOOP("bad_input", "seven and a half"),
        QT_TRANSLATE_NOOP("bad_input", "eight and a half"),
        QT_TRANSLATE_NOOP("bad_input", "nine and a half") };
    return translate("bad_input", said[units]);
}

// The end of a tooltip for "1,5": the same digits with a point.
QString withPoint(const QString& before, const QString& after)
{
    const QString meant = before + u'.' + after;
    if (!core::ReadsInFull(meant.toStdString()))
        return translate("bad_input", "a decimal number takes a point, as in 1.5");
    bool whole = false;
    const int units = before.toInt(&whole);
    if (whole && after == u"5" && units >= 0 && units < 10)
        return translate("bad_input", "type %1 for %2").arg(meant, halves(units));
    return translate("bad_input", "type %1 with a point").arg(meant);
}

// The end of a tooltip for "1/2": the fraction as a decimal to type.
QString asDecimal(const QString& numerator, const QString& denominator)
{
    bool ok = false;
    const qlonglong top = numerator.trimmed().toLongLong(&ok);
    bool ok2 = false;
    const qlonglong bottom = denominator.trimmed().toLongLong(&ok2);
    // Small whole numbers only: the division below stays inside the integers.
    constexpr qlonglong largest = 1'000'000'000;
    if (!ok || !ok2 || bottom <= 0 || std::abs(top) >= largest || bottom >= largest)
        return translate(
            "bad_input", "type a fraction as a decimal number, such as 0.5 for one half");
    // Long division: exact when it ends within six places, else rounded there.
    constexpr int places = 6;
    const qlonglong size = std::abs(top);
    qlonglong remainder = size % bottom;
    QString digits;
    for (int k = 0; k < places && remainder != 0; ++k) {
        remainder *= 10;
        digits += QChar(u'0' + int(remainder / bottom));
        remainder %= bottom;
    }
    const bool exact = remainder == 0;
    QString decimal = !exact ? QString::number(double(size) / double(bottom), 'f', places)
        : digits.isEmpty()   ? QString::number(size / bottom)
                             : QString::number(size / bottom) + u'.' + digits;
    if (top < 0)
        decimal.prepend(u'-');
    return (exact ? translate("bad_input", "type %1 for %2")
                  : translate("bad_input", "type %1 for about %2"))
        .arg(decimal, fractionWords(top, bottom));
}

QString coordinate(core::Coordinate c)
{
    static const char* const names[] = { "X1", "Y1", "X2", "Y2" };
    return QLatin1StringView(names[static_cast<int>(c)]);
}

QString endPoint(int line, core::Coordinate c)
{
    return translate("bad_input", "Line %1's %2").arg(line).arg(coordinate(c));
}

QString TooLargeToDraw(const QString& what)
{
    return translate(
        "bad_input", "%1 is too large to draw: use a number between about -3.4E+38 and 3.4E+38.")
        .arg(what);
}

// Names which value of the range the problem lies with.
QString RangeBeyondDrawing(double lower, double upper)
{
    if (core::FitsSingle(lower))
        return TooLargeToDraw(translate("bad_input", "The highest value of the range"));
    if (core::FitsSingle(upper))
        return TooLargeToDraw(translate("bad_input", "The lowest value of the range"));
    return translate("bad_input",
        "The lowest and highest values of the range are too large to draw: use numbers between "
        "about -3.4E+38 and 3.4E+38.");
}

QString SinglePoint(int line)
{
    return translate("bad_input",
        "Line %1's two end points are the same point, so they do not make a line: change X2 or Y2 "
        "so that the points differ.")
        .arg(line);
}

QString RangeTooNarrow(double lower, double upper)
{
    return translate("bad_input",
        "The range from %1 to %2 is too narrow to draw: choose a lowest and a highest value "
        "further apart, differing within their first seven digits.")
        .arg(text(lower), text(upper));
}

} // namespace

QString warning(const core::CommandStop& stop)
{
    using core::StopReason;
    const int line = stop.line;
    switch (stop.problem) {
    case StopReason::LowerBoundTooLarge:
        return fieldTooLarge(translate("bad_input", "The lowest value of the range"));
    case StopReason::UpperBoundTooLarge:
        return fieldTooLarge(translate("bad_input", "The highest value of the range"));
    case StopReason::RangeEmpty:
        return rangeEmpty(stop.lower);
    case StopReason::RangeTooNarrow:
        return RangeTooNarrow(stop.lower, stop.upper);
    case StopReason::RangeBeyondDrawing:
        return RangeBeyondDrawing(stop.lower, stop.upper);
    case StopReason::RangeTooWide:
        return rangeTooWide(stop.lower, stop.upper);
    case StopReason::EndPointTooLarge:
        return fieldTooLarge(endPoint(line, stop.coordinate));
    case StopReason::EndPointsBeyondDrawing:
        return TooLargeToDraw(endPoint(line, stop.coordinate));
    case StopReason::SinglePoint:
        return SinglePoint(line);
    case StopReason::VerticalLine: // met only where it is not told
        return translate("bad_input", "Line %1 is vertical, so it has no slope.").arg(line);
    case StopReason::SlopeTooLarge:
        return translate("bad_input",
            "Line %1 is too steep to work out its slope: move its X1 and X2 further apart.")
            .arg(line);
    case StopReason::YInterceptTooLarge:
        return translate("bad_input",
            "Line %1's y-intercept is too large to work out: choose end points nearer the y-axis, "
            "or a less steep line.")
            .arg(line);
    case StopReason::CrossingTooLarge:
        return translate("bad_input",
            "The crossing point is too far away to show: change an end point so that the lines "
            "meet nearer the middle of the graph.");
    case StopReason::XAxisCrossingTooLarge:
        return translate("bad_input",
            "Line %1 is too flat to work out where it meets the x-axis: make it steeper.")
            .arg(line);
    }
    return {};
}

QString fieldTooLarge(const QString& fieldDescription)
{
    return translate(
        "bad_input", "%1 is too large: use a number between about -1.8E+308 and 1.8E+308.")
        .arg(fieldDescription);
}

QString rangeTooWide(double lower, double upper)
{
    return translate("bad_input",
        "The range from %1 to %2 is too wide to number its axes: use a lowest and a highest value "
        "from -32768 to just under 32767.")
        .arg(text(lower), text(upper));
}

QString rangeEmpty(double bound)
{
    return translate(
        "bad_input", "The range from %1 to %1 is empty: make the lowest and highest values differ.")
        .arg(text(bound));
}

std::optional<QString> howRead(const QString& typed)
{
    const std::string typedText = typed.toStdString();
    if (core::ReadsInFull(typedText))
        return std::nullopt;
    double read = 0;
    try {
        read = core::Val(typedText);
    } catch (const core::ArithmeticError&) {
        return std::nullopt; // too large to read: the command's warning says so
    }
    const core::TypedNumber number = core::ReadTypedNumber(typedText);
    if (!number.hasDigits())
        return translate(
            "bad_input", "Read as 0: there is no number here; type a number such as 2, -3 or 1.5");
    const QString readAs = text(read);
    const QString start = QString::fromStdString(typedText.substr(0, number.end)).trimmed();
    const QString rest = QString::fromStdString(typedText.substr(number.end)).trimmed();
    if (rest.startsWith(u','))
        return translate("bad_input", "Read as %1: only the number before the comma counts; %2")
            .arg(readAs, withPoint(start, rest.mid(1)));
    if (rest.startsWith(u'/'))
        return translate("bad_input", "Read as %1: only the number before the slash counts; %2")
            .arg(readAs, asDecimal(start, rest.mid(1)));
    return translate("bad_input",
        "Read as %1: only the number at the start counts; type the number alone, with nothing "
        "after it")
        .arg(readAs);
}

std::optional<QString> readAsWritten(const QString& typed)
{
    const auto q = core::exact::WrittenFraction(typed.toStdString());
    if (!q)
        return std::nullopt;
    return translate("bad_input", "Read as %1")
        .arg(QString::fromStdString(core::exact::FractionText(*q)));
}

QString equationHelp()
{
    return translate("bad_input",
        "Type the line's equation here and press Enter: y = 2x + 3, 2x + 3y = 6, y - 3 = 2(x - 1), "
        "x = 4. Fractions, decimals and brackets are fine; 1/2x means (1/2)x, as in school books. "
        "Esc puts back what was here.");
}

QString lineMissesRange(const QString& lower, const QString& upper)
{
    return translate("bad_input",
        "This line does not pass through the range shown, %1 to %2: change the range, or type "
        "another line")
        .arg(lower.trimmed(), upper.trimmed());
}

} // namespace bad_input
