#pragma once

#include "core/line_commands.h"
#include "core/working.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

// The Exact values page's text, made in parts. A line's exact values and its
// working depend on that line's end points alone, and a keystroke changes
// one line: each line's part is kept with everything it was made from and
// made again only when any of it differs, so the page is always the page
// made afresh. The crossing and the comparison are made every time.
class PageText {
public:
    // The page for the typed fields; a line's end points may have been
    // rounded from the equation in `roundedFrom`.
    QString html(const core::TypedFields& typed, const std::array<QString, 2>& roundedFrom = {});

private:
    struct LinePart {
        // What it was made from.
        std::array<std::string, 4> typed;
        QString roundedFrom;
        QString language;
        // What was made.
        core::exact::Line exact;
        core::LineWorking working;
        QString valuesHtml;
        QString workingHtml;
    };

    const LinePart& line(
        std::size_t index, const std::array<std::string, 4>& typed, const QString& roundedFrom);

    std::array<std::optional<LinePart>, 2> lines_;
};
