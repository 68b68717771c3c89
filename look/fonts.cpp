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
    // A stand-in shows where the face named is not installed and the
    // stand-in is: the substitutions come before any other fallback. Asked
    // once of the list of installed families rather than by resolving each
    // font, which would load a face at a size no text is ever drawn in.
    static const std::array<bool, standIns.size()> standInShows = [] {
        const QStringList installed = QFontDatabase::families();
        std::array<bool, standIns.size()> shows {};
        for (std::size_t i = 0; i < standIns.size(); ++i)
            shows[i] = !installed.contains(QLatin1String(standIns[i].name), Qt::CaseInsensitive)
                && installed.contains(QLatin1String(standIns[i].face), Qt::CaseInsensitive);
        return shows;
    }();

    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    for (std::size_t i = 0; i < standIns.size(); ++i) {
        if (family == QLatin1String(standIns[i].name) && standInShows[i]
            && standIns[i].stretch != QFont::Unstretched)
            font.setStretch(standIns[i].stretch);
    }
    return font;
}

} // namespace look
