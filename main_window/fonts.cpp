#include "main_window/fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

void installFontSubstitutions()
{
    // Requested name -> free face of the same kind and similar metrics.
    static const std::array<std::pair<const char*, const char*>, 4> faces{{
        {"Comic Sans MS", "Comic Neue"},
        {"Tahoma", "DejaVu Sans Condensed"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
    }};
    for (const auto& [name, face] : faces) {
        const QString requested = QString::fromLatin1(name);
        const QString substitute = QString::fromLatin1(face);
        if (!QFont::substitutes(requested).contains(substitute))
            QFont::insertSubstitution(requested, substitute);
    }
}
