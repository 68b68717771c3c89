#pragma once

#include "core/sitting.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace graph {
class GraphPanel;
}

// The Practice window: one exercise at a time, its own small graph of the two
// segments and fields for the pupil's answers, each checked exactly, with a
// hint from the working for a wrong one and a score for the sitting. At most
// one is open, a window of the main window that closes with it.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the window over `owner` and makes it the active window. The
    // first call, and the first after a close, starts a sitting: at `level`
    // (else the level chosen last time) from `seed` (else a new one). While
    // it is open the same window and sitting are shown again.
    static PracticeWindow* open(
        QWidget* owner, std::optional<int> level = {}, std::optional<std::uint64_t> seed = {});

    // The open window, or nullptr when none is open.
    static PracticeWindow* instance();

    const core::practice::Sitting& sitting() const { return *sitting_; }

    // Where the level chosen last is kept.
    static constexpr const char* levelKey = "practice/level";

signals:
    // "Show in main window": the exercise's eight texts, X1, Y1, X2, Y2 of
    // line one, then of line two, to be typed into the main window and drawn.
    void showInMainWindow(const std::array<QString, 8>& texts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PracticeWindow(QWidget* owner, int level, std::uint64_t seed);

    void createControls();
    void showExercise();
    void check();
    void showWorking();
    void next();
    void chooseLevel(int index);
    void showScore();
    void markField(std::size_t question, core::practice::Mark mark);
    QString answerText(std::size_t question) const;

    std::unique_ptr<core::practice::Sitting> sitting_;
    QLabel* exercise_ = nullptr;
    graph::GraphPanel* graph_ = nullptr;
    // The answer fields in the order of core::practice::questions; the
    // crossing's is the line edit of an editable choice.
    std::array<QLineEdit*, core::practice::Sitting::questionCount> answers_ {};
    std::array<QLabel*, core::practice::Sitting::questionCount> marks_ {};
    // Each answer as it was checked, so that the same answer in another case
    // keeps its mark.
    std::array<QString, core::practice::Sitting::questionCount> checked_ {};
    QComboBox* crossing_ = nullptr;
    QComboBox* level_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* place_ = nullptr;
    QTextBrowser* working_ = nullptr;
    QPushButton* check_ = nullptr;
    QPushButton* showWorking_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* showInMain_ = nullptr;
};
