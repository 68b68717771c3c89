#pragma once

#include "monkey_log.h"
#include "monkey_oracle.h"
#include "monkey_texts.h"

#include <QPoint>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QTimer>

#include <deque>
#include <map>
#include <optional>
#include <vector>

struct LoadedForm;
class QLineEdit;
class frmSplash;

// A user who clicks, types and points at random all over the main window,
// and a checker that looks at every field after each of its actions.
class Monkey {
public:
    // `limitMs`: the longest any one action may take.
    Monkey(LoadedForm& form, quint32 seed, qint64 limitMs);
    ~Monkey();

    // Runs the next action and checks the window after it. Returns what is
    // wrong, or an empty text.
    QString step(int index);

    const MonkeyLog& log() const { return log_; }
    // How often each kind of action ran, and how often it warned.
    QString tallies() const;

private:
    enum class Kind {
        Type, // a text into an editable one-line field
        TypeLocked, // keys into a locked result field
        EditResults, // type or paste into the results box
        SelectResults, // move the insertion point or select in the results box
        ClearResults, // select all in the results box and delete
        BothLines,
        DrawLine1,
        DrawLine2,
        ZoomOut,
        ZoomIn,
        Check,
        Move, // the pointer to a point of p1
        OpenAbout, // click "About ..."
        CloseAbout, // the About window's own button, or closing it by code
    };
    // How a text goes into a field.
    enum class Entry { Keys, SetText, Insert, Erase };

    struct Action {
        Kind kind = Kind::BothLines;
        QLineEdit* field = nullptr;
        QString text;
        Entry entry = Entry::SetText;
        QPoint point;
        int from = 0;
        int to = 0;
        bool byButton = false;
    };

    // The window as it stood before an action.
    struct Before {
        std::vector<QString> fields; // texts of every one-line field, in fields_ order
        monkey_oracle::ResultTexts results;
        std::optional<core::CommandResult> expected; // a line command's outcome
        std::optional<QString> report;
        QString box;
        int selectionStart = 0;
        int selectionEnd = 0;
        bool placeResults = false;
        bool ticked = false;
        qsizetype warnings = 0;
        int boxChanges = 0;
        std::optional<QString> tx, ty;
        QPointer<frmSplash> about;
    };

    void plan();
    void planTyping(QLineEdit* field, const QString& text);
    void planLine();
    void planRange();
    void planZoom();
    void planMoves();
    void planAbout();
    void planResultsBox();

    Before snapshot(const Action& action) const;
    void perform(const Action& action);
    static void typeKeys(QLineEdit* field, const QString& text);
    QString describe(const Action& action) const;

    // monkey_checks.cpp
    QString check(const Action& action, const Before& before);
    QString checkUntouched(const Action& action, const Before& before) const;
    QString checkTyping(const Action& action, const Before& before) const;
    QString checkCommand(const Action& action, const Before& before, bool warned) const;
    QString checkZoom(const Action& action, const Before& before) const;
    QString checkMove(const Before& before) const;
    QString checkAbout(const Action& action, const Before& before) const;
    QString checkNoNumberWords(const Action& action, const Before& before);
    bool changesResults(Kind kind) const;

    LoadedForm& f_;
    QRandomGenerator rng_;
    MonkeyTexts texts_;
    MonkeyLog log_;
    qint64 limitNs_;
    // Every one-line field: the end points, the range, the readout, then the
    // results; where some of them stand in that list.
    std::vector<QLineEdit*> fields_;
    static constexpr std::size_t lowerBound = 8, upperBound = 9, firstResult = 12;
    std::vector<bool> typedByUser_; // whose text the monkey put there
    std::deque<Action> queue_;
    QPoint lastPointer_ { -1, -1 }; // where the last planned move goes
    int boxChanges_ = 0; // edits of the results box seen so far
    QTimer modalWatch_;
    QString modalSeen_;
    struct Tally {
        int runs = 0;
        int warned = 0;
    };
    std::map<QString, Tally> tallies_;
};
