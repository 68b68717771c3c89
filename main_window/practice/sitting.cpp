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
    : level_(std::clamp(level, core::LowestLevel, core::HighestLevel))
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
    level_ = std::clamp(level, core::LowestLevel, core::HighestLevel);
    sheet_.clear();
    make();
}

void Sitting::make()
{
    // The sitting's exercises are a sheet made from the seed, taken one by
    // one. The first n of a longer sheet are the sheet of n, so the sheet is
    // made again, twice as long, only when the sitting reaches its end.
    const auto k = static_cast<std::size_t>(index_);
    if (k >= sheet_.size())
        sheet_ = core::MakeExercises(
            static_cast<int>(std::max<std::size_t>(16, 2 * (k + 1))), level_, seed_);
    exercise_ = sheet_.empty() ? core::Exercise {} : sheet_[k % sheet_.size()];
    const std::array<std::string, 8> t = core::ExerciseTexts(exercise_);
    const std::array<std::string, 4> line1 { t[0], t[1], t[2], t[3] };
    const std::array<std::string, 4> line2 { t[4], t[5], t[6], t[7] };
    one_ = core::exact::LineThrough(t[0], t[1], t[2], t[3]);
    two_ = core::exact::LineThrough(t[4], t[5], t[6], t[7]);
    working_ = core::WorkingFor(line1, line2);
    marks_ = {};
    hintLines_ = {};
    lastWrong_ = {};
    scored_ = {};
    for (const Question question : core::practice::questions)
        hintLimits_[indexOf(question)] = hintLimit(question);
}

std::size_t Sitting::hintLimit(Question question) const
{
    const core::WorkingStep* s = step(question);
    if (!s || s->lines.empty())
        return 0;
    const core::exact::Crossing crossing = core::exact::CrossingOf(one_, two_);
    const auto givesAway = [&](std::string_view value) {
        if (core::practice::Check(question, value, one_, two_) == Mark::Right)
            return true;
        if (question != Question::Crossing || crossing.kind != core::exact::CrossingKind::Point)
            return false;
        const std::optional<mpq_class> q = core::practice::ReadAnswerNumber(value);
        return q && (*q == crossing.x || *q == crossing.y);
    };
    std::size_t limit = s->lines.size() - 1;
    for (std::size_t k = 0; k < limit; ++k) {
        // A line is a chain "label = value = value"; an equation is also
        // whole.
        const std::string_view line = s->lines[k];
        bool given = givesAway(line);
        for (std::size_t at = line.find(" = "); !given && at != std::string_view::npos;
             at = line.find(" = ", at + 3))
            given = givesAway(line.substr(at + 3));
        if (given)
            limit = k;
    }
    return std::max<std::size_t>(1, limit);
}

void Sitting::workingShown()
{
    scored_.fill(true);
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
        if (mark == Mark::Wrong && (hintLines_[q] == 0 || typed[q] != lastWrong_[q])) {
            hintLines_[q] = std::min(hintLines_[q] + 1, hintLimits_[q]);
            lastWrong_[q] = typed[q];
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
