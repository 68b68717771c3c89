#include "core/sitting.h"

#include "core/written_number.h"

#include <algorithm>

namespace core::practice {

namespace {

std::size_t indexOf(Question question)
{
    return static_cast<std::size_t>(question);
}

} // namespace

Sitting::Sitting(int level, std::uint64_t seed)
    : level_(std::clamp(level, LowestLevel, HighestLevel))
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
    // Another level is a fresh start: its own exercises from the first, and
    // its own count, so that the score says how this level went.
    level_ = std::clamp(level, LowestLevel, HighestLevel);
    sheet_.clear();
    index_ = 0;
    right_ = 0;
    counted_ = 0;
    make();
}

void Sitting::make()
{
    // The sitting's exercises are a sheet made from the seed, taken one by
    // one. The first n of a longer sheet are the sheet of n, so the sheet is
    // made again, twice as long, only when the sitting reaches its end.
    const auto k = static_cast<std::size_t>(index_);
    if (k >= sheet_.size())
        sheet_ = MakeExercises(
            static_cast<int>(std::max<std::size_t>(16, 2 * (k + 1))), level_, seed_);
    exercise_ = sheet_.empty() ? Exercise {} : sheet_[k % sheet_.size()];
    solution_ = SolutionOf(exercise_);
    marks_ = {};
    advice_ = {};
    hintLines_ = {};
    lastWrong_ = {};
    scored_ = {};
    for (const Question question : questions)
        hintLimits_[indexOf(question)] = hintLimit(question);
}

std::size_t Sitting::hintLimit(Question question) const
{
    const WorkingStep* s = step(question);
    if (!s || s->lines.empty())
        return 0;
    const exact::Crossing& crossing = solution_.crossing;
    const auto givesAway = [&](std::string_view value) {
        if (Check(question, value, solution_.one, solution_.two) == Mark::Right)
            return true;
        if (question != Question::Crossing || crossing.kind != exact::CrossingKind::Point)
            return false;
        const auto q = exact::ReadWrittenNumber(value);
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

Sitting::Marks Sitting::check(const TypedAnswers& typed)
{
    for (const Question question : questions) {
        const std::size_t q = indexOf(question);
        Verdict verdict = Check(question, typed[q], solution_.one, solution_.two);
        const Mark mark = verdict.mark;
        marks_[q] = mark;
        advice_[q] = std::move(verdict.advice);
        // A text that is no answer is neither right nor wrong: it waits for
        // one that is.
        if (mark == Mark::Empty || mark == Mark::NotRead)
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

const std::string& Sitting::advice(Question question) const
{
    return advice_[indexOf(question)];
}

Sitting::Hint Sitting::hint(Question question) const
{
    const std::size_t q = indexOf(question);
    const WorkingStep* s = step(question);
    if (marks_[q] != Mark::Wrong || !s)
        return {};
    const std::size_t shown = std::min(hintLines_[q], s->lines.size());
    return { s->heading,
        std::vector<std::string>(s->lines.begin(), s->lines.begin() + static_cast<long>(shown)) };
}

const WorkingStep* Sitting::step(Question question) const
{
    const std::string_view id = StepId(question);
    const std::vector<WorkingStep>& working = solution_.working;
    const auto found = std::find_if(
        working.begin(), working.end(), [&](const WorkingStep& s) { return s.id == id; });
    return found == working.end() ? nullptr : &*found;
}

} // namespace core::practice
