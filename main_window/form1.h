#pragma once

#include "main_window/drag/point_drag.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace core {
enum class ResultField;
struct CommandResult;
struct Crossing;
struct FieldWrite;
struct TypedFields;
} // namespace core

namespace exact_texts {
struct ExactLines;
}

namespace graph {
class GraphPanel;
}

class PictureActions;
class ReportFile;
class Shape;

// The main window. Its controls are the data: every command reads the fields
// when it runs and writes its results back into them. Its rooms reach it
// only through the doors it opens them: the line door (the typed boxes and
// the line commands), the drag's door, and the boxes the printed page shows.
class Form1 : public QWidget, public DragDoor {
    Q_OBJECT

public:
    // Constructing the window loads it: the controls are laid out, the
    // window is centred on its screen and both lines are drawn once.
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Gives the panel its world coordinates from the range fields and draws
    // the grid and the two axes.
    void DrawFN();

    // Whether the both-lines command adds its report to txt_results.
    bool PlaceResults = false;

    // The line commands (Command), and how each is run (Run), as the line
    // door describes them; adds the report when PlaceResults is set.
    void run(Command command, Run how) override;

    // The boxes the user types into: both lines' end points, then the range.
    TypedBoxes typedBoxes() const override;
    // What the user typed into the end-point and range fields, as the
    // commands read it.
    core::TypedFields typedFields() const;
    // Marks the typed fields the command reads whose texts were not all read
    // as their numbers.
    void showHowRead(Command command) override;
    // Shows an outcome of `command` worked out from `typed`, as running it
    // in that way would: the picture, the result fields and the crossing,
    // the report it holds, and its stop.
    void showOutcome(
        const core::TypedFields& typed, const core::CommandResult& result, Run how) override;
    // Adds a report to txt_results at its insertion point.
    void placeReport(const std::string& report) override;
    // The drag's door: p1, txt_results and PlaceResults.
    graph::GraphPanel* panel() const override { return p1; }
    QPlainTextEdit* resultsBox() const override { return txt_results; }
    bool addsReports() const override { return PlaceResults; }

    // Warnings about bad input pass through here: warningRaised is always
    // emitted; the message box is shown only while showWarnings is true
    // (tests and the monkey test turn it off to read warnings instead).
    bool showWarnings = true;

    // Line one inputs
    QLineEdit* t1 = nullptr;
    QLineEdit* t2 = nullptr;
    QLineEdit* t3 = nullptr;
    QLineEdit* t4 = nullptr;
    QLabel* lbl_l1 = nullptr;
    // Line two inputs
    QLineEdit* t1_b = nullptr;
    QLineEdit* t2_b = nullptr;
    QLineEdit* t3_b = nullptr;
    QLineEdit* t4_b = nullptr;
    QLabel* lbl_l2 = nullptr;
    // Equation rows: element 0 heads line one, element 1 line two
    std::array<QLabel*, 2> lbl_y1 {};
    QLineEdit* txt_slope1 = nullptr;
    QLabel* lbl_x1 = nullptr;
    QLineEdit* txt_yint1 = nullptr;
    QLineEdit* txt_eqn1 = nullptr;
    QLabel* lbl_xyintline1 = nullptr;
    QLineEdit* txt_l1xint = nullptr;
    QLineEdit* txt_l1yint = nullptr;
    QLineEdit* txt_slope2 = nullptr;
    QLabel* lbl_x2 = nullptr;
    QLineEdit* txt_yint2 = nullptr;
    QLineEdit* txt_eqn2 = nullptr;
    QLabel* lbl_xyintline2 = nullptr;
    QLineEdit* txt_l2xint = nullptr;
    QLineEdit* txt_l2yint = nullptr;
    // Crossing point and report
    QLabel* lbl_intval = nullptr;
    QLabel* lblAns = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* txt_results = nullptr;
    // Plotted range
    QLineEdit* txmin = nullptr;
    QLineEdit* txmax = nullptr;
    // Graph panel and mouse readout
    graph::GraphPanel* p1 = nullptr;
    QLabel* lbl_yaxis = nullptr;
    QLabel* lbl_mouscoord = nullptr;
    QLabel* lbl_mouscoords = nullptr;
    QLineEdit* tx = nullptr;
    QLineEdit* ty = nullptr;
    // Commands
    QPushButton* draw_line1 = nullptr;
    QPushButton* draw_line2 = nullptr;
    QPushButton* cmd_bothlines = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmd_quit = nullptr;
    // Other
    QLabel* lblCredits = nullptr;
    QAbstractButton* exactLink = nullptr; // opens the Exact values window
    QAbstractButton* practiceLink = nullptr; // opens the Practice window
    Shape* Shape1 = nullptr;
    Shape* Shape2 = nullptr;
    // The picture's copy, save and print; the report's save and the question
    // before it is lost.
    PictureActions* pictureActions = nullptr;
    ReportFile* reportFile = nullptr;
    // Dragging an end point on the graph runs the line's command again.
    PointDrag* pointDrag = nullptr;

signals:
    void warningRaised(const QString& text);

public slots:
    void cmd_bothlines_Click();
    void draw_line1_Click();
    void draw_line2_Click();
    void Command1_Click();
    void Command2_Click();
    void Check1_Click();
    void cmd_quit_Click();
    void lblCredits_Click();
    void exactLink_Click();
    // Opens the Practice window (F2); a new sitting at `level` from `seed`
    // when given, else at the level chosen last with a new seed.
    void openPractice(std::optional<int> level = {}, std::optional<std::uint64_t> seed = {});
    // Types an exercise's end points (X1, Y1, X2, Y2 of line one, then of
    // line two) into the fields and draws both lines.
    void showExercise(const std::array<QString, 8>& texts);
    void p1_MouseMove(float X, float Y);
    // Each notch away from the user is a click of Zoom In, each towards it
    // one of Zoom Out.
    void p1_WheelTurned(int notches);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // form1_layout.cpp: creates every control at its place with its text,
    // font, colours, stacking and focus order.
    void createControls();
    // form1_fit.cpp: a caption longer than the design's English one grows
    // its control into the room the layout leaves beside it.
    void fitCaptions();
    void connectHandlers();

    void centreOnScreen();
    // Where centreOnScreen put the frame's top-left corner, while the window
    // still waits for its frame; empty once it was centred by the frame.
    std::optional<QPoint> centredBeforeFrame_;
    void warn(const QString& text);

    // form1_commands.cpp: each line command reads the fields once, has the
    // core work out its chain of steps, then draws and writes what the chain
    // reached, in its order.
    void zoom(double step);
    // The result boxes by the field the core writes into (none for the
    // crossing, which lblAns shows).
    std::array<QLineEdit*, 11> resultBoxes_ {};
    void findResultBoxes();
    // Writes one result, from its start, with its exact value as tooltip.
    void write(const core::FieldWrite& write, const core::CommandResult& result,
        const exact_texts::ExactLines& exact);
    void empty(core::ResultField field);
    // Shows the crossing on lblAns: its colour, its weight, its caption.
    void FindIntersection(const core::Crossing& crossing);
};
