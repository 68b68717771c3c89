#include "main_window/practice/sitting.h"

#include <algorithm>

using core::practice::Mark;
using core::practice::Question;

namespace {

std::size_t indexOf(Question question)
{
    return static_cast<std::size_t>(question);
}

} // namespace

Sitting::Sitting(int level, std::uint64_t seed)
    : level_(std::clamp(level, core::lowestLevel, core::highestLevel))
    , seed_(seed)
{
    make();
}

void Sitting::next()
{
    ++index_;
    make();
}

void Sitting::setLevel(int level)
{
    level_ = std::clamp(level, core::lowestLevel, core::highestLevel);
    make();
}

void Sitting::make()
{
    // The sitting's exercises are a sheet made from the seed, taken one by
    // one: the first n of a longer sheet are the sheet of n, so exercise k
    // is the last of a sheet of k.
    const std::vector<core::Exercise> sheet = core::makeExercises(index_ + 1, level_, seed_);
    exercise_ = sheet.empty() ? core::Exercise {} : sheet.back();
    const std::array<std::string, 8> t = core::exerciseTexts(exercise_);
    const std::array<std::string, 4> line1 { t[0], t[1], t[2], t[3] };
    const std::array<std::string, 4> line2 { t[4], t[5], t[6], t[7] };
    one_ = core::exact::LineThrough(t[0], t[1], t[2], t[3]);
    two_ = core::exact::LineThrough(t[4], t[5], t[6], t[7]);
    working_ = core::WorkingFor(line1, line2);
    marks_ = {};
    hintLines_ = {};
    scored_ = {};
}

Sitting::Marks Sitting::check(const Answers& typed)
{
    for (const Question question : core::practice::questions) {
        const std::size_t q = indexOf(question);
        const Mark mark = core::practice::Check(question, typed[q], one_, two_);
        marks_[q] = mark;
        if (mark == Mark::Empty)
            continue;
        if (!scored_[q]) {
            scored_[q] = true;
            ++counted_;
            right_ += mark == Mark::Right ? 1 : 0;
        }
        if (mark == Mark::Wrong) {
            const core::WorkingStep* s = step(question);
            const std::size_t lines = s ? s->lines.size() : 0;
            const std::size_t most = std::max<std::size_t>(1, lines > 0 ? lines - 1 : 0);
            hintLines_[q] = std::min(hintLines_[q] + 1, most);
        }
    }
    return marks_;
}

Sitting::Hint Sitting::hint(Question question) const
{
    const std::size_t q = indexOf(question);
    const core::WorkingStep* s = step(question);
    if (marks_[q] != Mark::Wrong || !s)
        return {};
    const std::size_t shown = std::min(hintLines_[q], s->lines.size());
    return { s->heading,
        std::vector<std::string>(s->lines.begin(), s->lines.begin() + static_cast<long>(shown)) };
}

const core::WorkingStep* Sitting::step(Question question) const
{
    const std::string_view id = core::practice::StepId(question);
    const auto found = std::find_if(
        working_.begin(), working_.end(), [&](const core::WorkingStep& s) { return s.id == id; });
    return found == working_.end() ? nullptr : &*found;
}
