#include "main_window/exact_values/page_text.h"

#include "main_window/exact_values/exact_texts.h"
#include "main_window/widgets/working_section.h"
#include "words/language.h"

QString PageText::html(const core::TypedFields& typed, const std::array<QString, 2>& roundedFrom)
{
    const LinePart& one = line(0, typed.line1, roundedFrom[0]);
    const LinePart& two = line(1, typed.line2, roundedFrom[1]);
    const exact_texts::ExactLines exact { one.exact, two.exact,
        core::exact::CrossingOf(one.exact, two.exact) };
    return one.valuesHtml + two.valuesHtml + exact_texts::pairHtml(typed, exact)
        + working_section::heading() + one.workingHtml + two.workingHtml
        + working_section::stepsHtml(core::WorkingForPair(one.working.line, two.working.line));
}

const PageText::LinePart& PageText::line(
    std::size_t index, const std::array<std::string, 4>& typed, const QString& roundedFrom)
{
    // The words are made in the chosen language too.
    const QString language = words::chosenLanguage();
    std::optional<LinePart>& part = lines_[index];
    if (part && part->typed == typed && part->roundedFrom == roundedFrom
        && part->language == language)
        return *part;
    const int number = static_cast<int>(index) + 1;
    part.emplace();
    part->typed = typed;
    part->roundedFrom = roundedFrom;
    part->language = language;
    part->exact = core::exact::LineThrough(typed[0], typed[1], typed[2], typed[3]);
    part->working = core::WorkingForLine(typed, number);
    part->valuesHtml = exact_texts::lineHtml(number, typed, part->exact, roundedFrom);
    part->workingHtml = working_section::stepsHtml(part->working.steps);
    return *part;
}
