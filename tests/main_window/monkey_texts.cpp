#include "monkey_texts.h"

#include <QStringList>

namespace {

// Texts on the edges of reading, writing and drawing numbers.
const QStringList specials = { "1e309", "-1e309", "1E+308", "1.79769313486232E+308",
    "-1.79769313486232E+308", "1E+300", "-1E+300", "1e-320", "-1e-320", "4.9e-324", "1e-400",
    "3.4e38", "-3.4e38", "3.402823E+38", "3.5e38", "-3.5E+38", "1e39", "-0", "0", "+0", "-0.0",
    "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "-INF", "1.#INF", "", " ", "-", "+", ".", "e",
    "E5", "1e", "2E+", "1e3", "0x10", "&H10", "1D3", "1,5", "3.5.1", "1 2", " - 4 ", "-32768",
    "32767", "32766", "-32769", "40000", "-40000", "65535", "999999999999999.6",
    "123456789012345678901234567890", "0.30000000000000004", "1e15", "1e-5", "-.5", "+7", "12abc",
    "abc" };

// Characters from other scripts and look-alikes of digits and signs: none of
// them is part of a number, but a report must quote them as typed.
const QStringList foreign = { QStringLiteral("\u00e9"), QStringLiteral("\u00df"),
    QStringLiteral("\u2212"), QStringLiteral("\u0663"), QStringLiteral("\uff11"),
    QStringLiteral("\u00a0"), QStringLiteral("\u03a9"), QStringLiteral("\u4e2d"),
    QStringLiteral("\u216b"), QStringLiteral("\u00bd"), QStringLiteral("\u00b2"),
    QStringLiteral("\u0301"), QStringLiteral("\u200b"), QStringLiteral("\u200f"),
    QStringLiteral("\U0001F600"), QStringLiteral("\U0001D7D9") };

const QString plain = QStringLiteral("0123456789 \t+-.eEaxz,;#&/*()");

} // namespace

QString MonkeyTexts::digits(int count)
{
    QString out;
    out.reserve(count);
    for (int k = 0; k < count; ++k)
        out += QChar(u'0' + below(10));
    return out;
}

QString MonkeyTexts::number()
{
    QString out;
    if (chance(40))
        out += chance(80) ? u'-' : u'+';
    out += digits(chance(80) ? 1 + below(4) : below(20));
    if (chance(40))
        out += u'.' + digits(below(18));
    if (chance(25)) {
        out += chance(50) ? u'e' : u'E';
        if (chance(60))
            out += chance(50) ? u'-' : u'+';
        out += QString::number(chance(75) ? below(40) : below(400));
    }
    if (chance(10)) // blanks anywhere do not matter
        out.insert(below(static_cast<int>(out.size()) + 1), u' ');
    return out;
}

QString MonkeyTexts::special()
{
    return specials.at(below(static_cast<int>(specials.size())));
}

QString MonkeyTexts::junk(int maxLength)
{
    QString out;
    const int length = below(maxLength + 1);
    for (int k = 0; k < length; ++k) {
        if (chance(20))
            out += foreign.at(below(static_cast<int>(foreign.size())));
        else
            out += plain.at(below(static_cast<int>(plain.size())));
    }
    return out;
}

QString MonkeyTexts::hugePaste()
{
    constexpr int size = 1 << 20;
    switch (below(4)) {
    case 0:
        return QString(size, u'9'); // far beyond the double range
    case 1:
        return QStringLiteral("0.") + QString(size - 3, u'0') + u'1'; // tiny, and long
    case 2:
        return QStringLiteral("-1") + QString(size - 2, u' '); // blanks do not count
    default: {
        QString out;
        out.reserve(size);
        while (out.size() < size)
            out += chance(50) ? number() : junk(8);
        return out;
    }
    }
}

QString MonkeyTexts::any()
{
    const int pick = below(100);
    if (pick < 30)
        return QString::number(below(41) - 20); // what a pupil types most
    if (pick < 65)
        return number();
    if (pick < 85)
        return special();
    if (pick < 95)
        return junk(12);
    return special() + (chance(50) ? number() : junk(4));
}

QString MonkeyTexts::bound()
{
    const int pick = below(100);
    if (pick < 45)
        return QString::number(below(41) - 20); // the usual small whole numbers
    if (pick < 75)
        return number();
    return special();
}
