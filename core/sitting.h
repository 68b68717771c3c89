#pragma once

#include "core/exercises.h"
#include "core/practice.h"
#include "core/solution.h"
#include "core/working.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace core::practice {

// One pupil's sitting at the Practice window: the exercises in the order its
// seed makes them, the marks of the answers checked, the hints earned and
// the score. The same level, seed and presses make the same sitting again.
class Sitting {
public:
    static constexpr std::size_t questionCount = questions.size();
    // What the pupil typed for each question, in the order of questions.
    using TypedAnswers = std::array<std::string, questionCount>;
    using Marks = std::array<Mark, questionCount>;

    Sitting(int level, std::uint64_t seed);

    int level() const { return level_; }
    std::uint64_t seed() const { return seed_; }
    // The exercise's place in the sitting, from 1.
    int number() const { return index_ + 1; }
    const Exercise& exercise() const { return exercise_; }
    // The exercise's answers, working and picture.
    const Solution& solution() const { return solution_; }
    const std::vector<WorkingStep>& working() const { return solution_.working; }

    // A new exercise: the sitting's next one, or the first at another
    // level, where the count starts again.
    void next();
    void setLevel(int level);

    // Marks the answers, in the order of questions. Each question of an
    // exercise counts towards the score once, at the first check with
    // something typed for it, so that trying again after a hint mends the
    // answer but not the score. A wrong answer earns one more line
    // of its step of the working when it differs from the one checked
    // before: pressing Check again earns nothing.
    Marks check(const TypedAnswers& typed);
    const Marks& marks() const { return marks_; }

    // The whole working was shown: the questions not counted yet count no
    // more, since their answers can be copied from it.
    void workingShown();

    // What the last check earned for a wrong answer: its step's heading and
    // the first lines of the step, never one that gives the answer away (a
    // value that would be marked right, or for the crossing either of its
    // coordinates) nor the step's last line, but always its first. Empty for
    // an answer that is not wrong.
    struct Hint {
        std::string heading;
        std::vector<std::string> lines;
    };
    Hint hint(Question question) const;

    // How to write an answer that the last check could not read ("write it
    // as an equation: y = 5x + 17"); empty for any other answer. A text
    // that is no answer neither counts in the score nor uses up the
    // question's first check.
    const std::string& advice(Question question) const;

    // The score of the sitting: answers right at their first check, of all
    // answers checked.
    int right() const { return right_; }
    int counted() const { return counted_; }

    // The step of the working that reaches the answer to `question`.
    const WorkingStep* step(Question question) const;

private:
    void make();
    std::size_t hintLimit(Question question) const;

    int level_;
    std::uint64_t seed_;
    int index_ = 0;
    std::vector<Exercise> sheet_; // the sitting's exercises made so far
    Exercise exercise_ {};
    Solution solution_;
    Marks marks_ {};
    std::array<std::string, questionCount> advice_ {};
    std::array<std::size_t, questionCount> hintLines_ {};
    std::array<std::size_t, questionCount> hintLimits_ {};
    std::array<std::string, questionCount> lastWrong_ {};
    std::array<bool, questionCount> scored_ {};
    int right_ = 0;
    int counted_ = 0;
};

} // namespace core::practice
