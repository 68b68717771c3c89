#include "look/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <atomic>
#include <cstring>

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

// Which classic names fontconfig gives to their stand-ins (set by the
// configuration's loader before the toolkit reads fontconfig's list).
std::array<std::atomic<bool>, standIns.size()> namedInFontconfig {};

#ifdef TRELLAN_HAVE_FONTCONFIG
const char* stringOf(FcPattern* pattern, const char* object, int k)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, k, &value) != FcResultMatch)
        return nullptr;
    return reinterpret_cast<const char*>(value);
}

// Adds to fontconfig's list of installed faces a copy of each stand-in's
// faces with the classic name as a second family name. The toolkit takes a
// face's further family names for aliases, so that a window asking for
// "Tahoma" finds DejaVu Sans Condensed at once. Asked for a name it does not
// know, the toolkit would first have fontconfig sort every installed face into
// a list of fallbacks for that name, once for each name, style and script
// asked for: a fifth of the main window's start-up, for a list never used.
// A copy names one family only (DejaVu Sans Condensed is also listed as a
// width of DejaVu Sans), so that the alias cannot reach the family's other
// widths. Where the classic face is installed, it keeps its name.
void nameStandIns()
{
    FcFontSet* installed = FcConfigGetFonts(nullptr, FcSetSystem);
    if (!installed)
        return;
    std::array<bool, standIns.size()> classicInstalled {};
    for (int f = 0; f < installed->nfont; ++f) {
        for (int k = 0; const char* family = stringOf(installed->fonts[f], FC_FAMILY, k); ++k) {
            for (std::size_t i = 0; i < standIns.size(); ++i)
                classicInstalled[i]
                    = classicInstalled[i] || std::strcmp(family, standIns[i].name) == 0;
        }
    }
    const int listed = installed->nfont;
    for (int f = 0; f < listed; ++f) {
        FcPattern* face = installed->fonts[f];
        for (int k = 0; const char* family = stringOf(face, FC_FAMILY, k); ++k) {
            for (std::size_t i = 0; i < standIns.size(); ++i) {
                if (classicInstalled[i] || std::strcmp(family, standIns[i].face) != 0)
                    continue;
                const char* style = stringOf(face, FC_STYLE, k);
                if (!style)
                    style = stringOf(face, FC_STYLE, 0);
                FcPattern* named = FcPatternDuplicate(face);
                for (const char* object : { FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_STYLELANG })
                    FcPatternDel(named, object);
                FcPatternAddString(
                    named, FC_FAMILY, reinterpret_cast<const FcChar8*>(standIns[i].face));
                FcPatternAddString(
                    named, FC_FAMILY, reinterpret_cast<const FcChar8*>(standIns[i].name));
                if (style)
                    FcPatternAddString(named, FC_STYLE, reinterpret_cast<const FcChar8*>(style));
                if (FcFontSetAdd(installed, named))
                    namedInFontconfig[i] = true;
                else
                    FcPatternDestroy(named);
            }
        }
    }
}
#endif

} // namespace

namespace look {

FontConfigurationLoader::FontConfigurationLoader()
{
#ifdef TRELLAN_HAVE_FONTCONFIG
    // Loading it once makes every later use by the toolkit find it ready.
    thread_ = std::thread([] {
        FcInit();
        nameStandIns();
    });
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
    for (std::size_t i = 0; i < standIns.size(); ++i) {
        if (namedInFontconfig[i])
            continue; // the toolkit finds the stand-in by the classic name
        const StandIn& standIn = standIns[i];
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
