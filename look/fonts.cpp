#include "look/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

#ifdef TRELLAN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

struct StandIn {
    const char* name;
    const char* face;
    // Width in percent that brings the stand-in's texts to the widths of
    // the face it replaces.
    int stretch;
};

// Comic Neue sets text about 3 % narrower than the face the window was
// drawn with; at 103 % the frame texts' parentheses clear the axis-crossing
// boxes and the "Y =" of the equation headings hides under the equation
// boxes, as the layout intends.
constexpr std::array<StandIn, 4> standIns { {
    { "Comic Sans MS", "Comic Neue", 103 },
    { "Tahoma", "DejaVu Sans Condensed", 100 },
    { "MS Sans Serif", "Liberation Sans", 100 },
    { "Arial Narrow", "Liberation Sans Narrow", 100 },
} };

} // namespace

namespace look {

FontConfigurationLoader::FontConfigurationLoader()
{
#ifdef TRELLAN_HAVE_FONTCONFIG
    // Loading it once makes every later use by the toolkit find it ready.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationLoader::~FontConfigurationLoader()
{
    wait();
}

void FontConfigurationLoader::wait()
{
    if (thread_.joinable())
        thread_.join();
}

void installFontSubstitutions()
{
    for (const StandIn& standIn : standIns) {
        const QString requested = QString::fromLatin1(standIn.name);
        const QString substitute = QString::fromLatin1(standIn.face);
        if (!QFont::substitutes(requested).contains(substitute, Qt::CaseInsensitive))
            QFont::insertSubstitution(requested, substitute);
    }
}

QFont windowFont(const QString& family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    // The stand-in shows where the face named is not installed and the
    // stand-in is: the substitutions come before any other fallback. Asked
    // of the list of installed families rather than by resolving the font,
    // which would load a face at a size no text is ever drawn in.
    for (const StandIn& standIn : standIns) {
        if (family != QLatin1String(standIn.name) || standIn.stretch == QFont::Unstretched)
            continue;
        const QStringList installed = QFontDatabase::families();
        if (!installed.contains(family, Qt::CaseInsensitive)
            && installed.contains(QLatin1String(standIn.face), Qt::CaseInsensitive))
            font.setStretch(standIn.stretch);
    }
    return font;
}

} // namespace look
