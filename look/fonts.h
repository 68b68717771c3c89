#pragma once

#include <QFont>
#include <QString>

#include <thread>

namespace look {

// Loads the system's font configuration on a thread of its own, from when
// it is made until wait() or its end: made at the start of main(), the work
// overlaps the connection to the display instead of coming before the first
// text is laid out. It also gives the stand-in faces the classic names in
// fontconfig's list (see installFontSubstitutions), so nothing may read that
// list before wait(): the toolkit reads it when the first font is asked for.
// Where the toolkit finds its faces some other way, it does nothing.
class FontConfigurationLoader {
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

    // Returns once the configuration is loaded.
    void wait();

private:
    std::thread thread_;
};

// Both windows ask for their faces by their classic names ("Comic Sans MS",
// "Tahoma", "MS Sans Serif", "Arial Narrow"). Where those faces are not
// installed, each name is mapped onto a free face of the same kind that the
// setup script installs: by fontconfig, where the loader above gave it the
// name, else by a substitution. The program calls this once at start, before
// any window is made; calling it again adds nothing.
void installFontSubstitutions();

// The face `family` at `points`, widened a little where a narrower stand-in
// replaces it, so that texts keep the widths the main window's layout was
// made for.
QFont windowFont(const QString& family, qreal points, bool bold = false);

} // namespace look
