#pragma once

#include "core/line_commands.h"
#include "core/working.h"
#include "main_window/exact_values/page_blocks.h"
#include "main_window/exact_values/page_text.h"
#include "main_window/widgets/tool_place.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTimer;

// The Exact values window: both lines typed into the main window, with their
// equations, slopes and intercepts as fractions, the crossing, and where the
// main window's decimal answers are rounded or differ in kind. It follows
// the typing: the edits of the end-point and range fields that arrive
// together are shown together, once the event loop is free, and a hidden or
// minimised window catches up when it is shown again. At most one is open; a
// tool window of the main window, it stays above it without blocking it and
// closes with it.
class ExactWindow : public QWidget {
    Q_OBJECT

public:
    // The fields it follows: X1, Y1, X2, Y2 of line one and of line two,
    // then the lowest and highest values of the range.
    using Fields = std::array<QLineEdit*, 10>;

    // Shows the window for `fields`, which belong to `owner`, and makes it
    // the active window. The first call, and the first after a close,
    // creates it, where the pupil last moved it, else where it covers
    // neither part of the owner to `keep` in sight; while it is open the
    // same window is shown again.
    static ExactWindow* open(QWidget* owner, const Fields& fields, const InSight& keep = {});

    // The open window, or nullptr when none is open.
    static ExactWindow* instance();

    // The page as the last edit leaves it (an edit not yet shown is shown
    // first).
    QTextBrowser* page();

    // The page's text for the typed fields: the exact values, then the
    // working; a line's end points may have been rounded from an equation.
    static QString pageHtml(
        const core::TypedFields& typed, const std::array<QString, 2>& roundedFrom = {});

    // Copies the working for the typed end points as plain text.
    QPushButton* copyWorking() const { return copyWorking_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ExactWindow(QWidget* owner, const Fields& fields);

    void place(QWidget* owner, const InSight& keep);
    void fieldEdited();
    void refresh();
    void copyTheWorking();
    std::vector<core::WorkingStep> working() const;

    std::array<QPointer<QLineEdit>, 10> fields_;
    QTextBrowser* page_ = nullptr;
    QPushButton* copyWorking_ = nullptr;
    QPushButton* close_ = nullptr;
    QRect placed_; // where it was opened: the frame's corner and the inner size
    QTimer* pending_ = nullptr; // an edit not yet shown: refresh when the loop is free
    PageText text_; // the page's text, a line's part kept while its fields stay
    QString shownHtml_; // what the page was last given
    PageBlocks blocks_; // the page block by block, to rewrite only what changed
};
