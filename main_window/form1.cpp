#include "main_window/form1.h"

#include "about_window/app_icon.h"
#include "about_window/frm_splash.h"
#include "graph/graph_panel.h"
#include "look/centred.h"
#include "main_window/drag/point_drag.h"
#include "main_window/equation/equation_entry.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/files/picture_actions.h"
#include "main_window/files/report_file.h"
#include "main_window/practice/practice_window.h"
#include "main_window/widgets/enter_key.h"
#include "main_window/widgets/shape.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPushButton>
#include <QShortcut>

#include <initializer_list>

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    createControls();
    fitCaptions();
    findResultBoxes();
    connectHandlers();
    pictureActions = new PictureActions(this, p1,
        { { txt_eqn1, txt_eqn2 }, { txt_l1xint, txt_l2xint }, { txt_l1yint, txt_l2yint }, lblAns,
            txt_results, typedBoxes() });
    reportFile = new ReportFile(txt_results);
    pointDrag = new PointDrag(*this, this);
    setWindowIcon(trellanIcon());

    // Loading the window: place it, then draw both lines once, so the first
    // frame shown already holds the picture and every result.
    centreOnScreen();
    cmd_bothlines_Click(); // the check box starts unticked: no report
    if (p1)
        p1->setFocus();
}

Form1::~Form1() = default;

void Form1::connectHandlers()
{
    connect(cmd_bothlines, &QPushButton::clicked, this, &Form1::cmd_bothlines_Click);
    connect(draw_line1, &QPushButton::clicked, this, &Form1::draw_line1_Click);
    connect(draw_line2, &QPushButton::clicked, this, &Form1::draw_line2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    // Toggled, not clicked: a screen reader ticks the box without a click.
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(cmd_quit, &QPushButton::clicked, this, &Form1::cmd_quit_Click);
    connect(exactLink, &QAbstractButton::clicked, this, &Form1::exactLink_Click);
    connect(practiceLink, &QAbstractButton::clicked, this, [this] { openPractice(); });
    connect(p1, &graph::GraphPanel::MouseMove, this, &Form1::p1_MouseMove);
    connect(p1, &graph::GraphPanel::WheelTurned, this, &Form1::p1_WheelTurned);
    lblCredits->installEventFilter(this);
    Label1->installEventFilter(this);
    for (QLineEdit* field : typedBoxes())
        field->installEventFilter(this);
    for (const int line : { 1, 2 }) {
        auto* entry = new EquationEntry(*this, line == 1 ? txt_eqn1 : txt_eqn2, line, this);
        // The equation drawn shows whole in a box without the focus; the
        // graph, where the line now is, takes it.
        connect(entry, &EquationEntry::drawn, p1, [this] { p1->setFocus(Qt::OtherFocusReason); });
    }
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
        &Form1::lblCredits_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this,
        [this] { openPractice(); });
}

namespace {

bool isLeftClickInside(const QWidget* widget, const QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton
        && widget->rect().contains(mouse->position().toPoint());
}

bool isEnterPress(const QEvent* event)
{
    return event->type() == QEvent::KeyPress && isEnterKey(static_cast<const QKeyEvent*>(event));
}

} // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblCredits && isLeftClickInside(lblCredits, event)) {
        lblCredits_Click();
        return true;
    }
    // The check box is too narrow for its caption, which Label1 shows
    // instead; a click on it works as one on the box's own caption would.
    if (watched == Label1 && isLeftClickInside(Label1, event)) {
        Check1->setFocus(Qt::MouseFocusReason);
        Check1->click();
        return true;
    }
    // Enter in an end-point or range field (the only boxes watched here)
    // draws both lines. A held key repeats; one press is one run, as one
    // click of the button is, so a held key adds one report, not a stream.
    if (isEnterPress(event) && qobject_cast<QLineEdit*>(watched)) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            cmd_bothlines->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::centreOnScreen()
{
    const std::optional<QPoint> corner = look::centredOnScreen(screen(), frameGeometry().size());
    if (!corner)
        return;
    move(*corner);
    // Before the window manager frames the window its outer size is its inner
    // size; it is centred again, once, when the frame is known.
    if (!isVisible())
        centredBeforeFrame_ = corner;
}

void Form1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The window manager moves the window into its frame after mapping it.
    // Until then the frame is not known, and a window without a frame is
    // centred already. Once it is known the window is centred by it, unless
    // the frame no longer stands where it was put: then the window manager
    // or the user placed it, and they are not fought.
    if (!centredBeforeFrame_ || !isVisible() || frameGeometry().size() == size())
        return;
    const QPoint putAt = *centredBeforeFrame_;
    centredBeforeFrame_.reset();
    if (frameGeometry().topLeft() == putAt)
        centreOnScreen();
}

void Form1::warn(const QString& text)
{
    emit warningRaised(text);
    if (showWarnings)
        QMessageBox::warning(this, windowTitle(), text);
}

void Form1::Check1_Click()
{
    PlaceResults = Check1->checkState() != Qt::Unchecked;
}

void Form1::closeEvent(QCloseEvent* event)
{
    // A report never saved is asked about first; Cancel keeps the window.
    if (reportFile && !reportFile->mayClose())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void Form1::cmd_quit_Click()
{
    if (!close())
        return; // the user kept the report's window open
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Form1::lblCredits_Click()
{
    frmSplash::open();
}

TypedBoxes Form1::typedBoxes() const
{
    return { t1, t2, t3, t4, t1_b, t2_b, t3_b, t4_b, txmin, txmax };
}

void Form1::exactLink_Click()
{
    // The fields: the equations area with the end points, the draw buttons
    // and the report switch. The graph: the picture with its range and zoom.
    QRect fields = Shape2->geometry();
    for (const QWidget* w : std::initializer_list<const QWidget*> {
             t1, t4, t1_b, t4_b, draw_line1, draw_line2, cmd_bothlines, Check1, Label1 })
        fields |= w->geometry();
    QRect graph = p1->geometry();
    for (const QWidget* w :
        std::initializer_list<const QWidget*> { txmin, txmax, Command1, Command2 })
        graph |= w->geometry();
    ExactWindow::open(this, typedBoxes(), { fields, graph });
}

void Form1::openPractice(std::optional<int> level, std::optional<std::uint64_t> seed)
{
    const bool opening = !PracticeWindow::instance();
    PracticeWindow* practice = PracticeWindow::open(this, level, seed);
    if (opening)
        connect(practice, &PracticeWindow::showInMainWindow, this, &Form1::showExercise);
}

void Form1::showExercise(const std::array<QString, 8>& texts)
{
    // The typed boxes start with both lines' end points, in the exercise's order.
    const std::array<QLineEdit*, 10> boxes = typedBoxes();
    for (std::size_t k = 0; k < texts.size(); ++k)
        boxes[k]->setText(texts[k]);
    run(Command::BothLines, Run::Button);
    // The keyboard follows the eye: F2 brings the Practice window back.
    raise();
    activateWindow();
}
