#pragma once

// Colours, faces and helpers shared by the main window's layout tests.

#include <QColor>
#include <QHash>
#include <QString>

namespace window_test {

inline const QColor windowBlue(128, 128, 255);
inline const QColor panelLilac(192, 192, 255);
inline const QColor white(255, 255, 255);
inline const QColor black(0, 0, 0);

// The free face each classic name must resolve to.
inline const QHash<QString, QString> freeFaces {
    { QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue") },
    { QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed") },
    { QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans") },
    { QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow") },
};

// Each colour channel, the way a failed comparison is easiest to read.
inline QString rgb(const QColor& colour)
{
    return QStringLiteral("(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace window_test
