#include "app/window_answers.h"

#include "core/start_up_texts.h"
#include "words/bad_input.h"

namespace answers {

namespace {

using Fields = std::array<std::string, core::ResultFieldCount>;

// The writes land in the fields in the command's order, as the window makes
// them; a later write to a field replaces an earlier one.
void applyWrites(Fields& fields, const core::CommandResult& result)
{
    for (const core::FieldWrite& w : result.writes)
        fields[static_cast<std::size_t>(w.field)] = w.text;
}

// A freshly started window has run Draw Both Lines on its start-up texts,
// without a report, over result fields that start empty.
const Fields& startUpFields()
{
    static const Fields fields = [] {
        Fields f;
        applyWrites(f, core::BothLines(core::startUpTexts, false, core::Verticals::Answered));
        return f;
    }();
    return fields;
}

} // namespace

WindowTexts freshWindowAnswer(const core::TypedFields& typed, core::Arithmetic arithmetic)
{
    return freshWindowAnswer(core::BothLines(typed, true, core::Verticals::Answered, arithmetic));
}

WindowTexts freshWindowAnswer(const core::CommandResult& result)
{
    WindowTexts shown { startUpFields(), std::nullopt, result.report.value_or(std::string()) };
    applyWrites(shown.fields, result);
    if (result.stop) {
        // A command run by a button empties the fields it did not reach, so
        // that none shows an answer to earlier input.
        for (const core::ResultField field : result.unreached)
            shown.fields[static_cast<std::size_t>(field)].clear();
        shown.warning = bad_input::warning(*result.stop).toStdString();
    }
    return shown;
}

} // namespace answers
