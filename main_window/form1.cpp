#include "main_window/form1.h"

#include "about_window/app_icon.h"
#include "about_window/frm_splash.h"
#include "graph/graph_panel.h"
#include "main_window/exact_window.h"
#include "main_window/picture_actions.h"
#include "main_window/report_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    createControls();
    connectHandlers();
    pictureActions = new PictureActions(this);
    reportFile = new ReportFile(txt_results);
    setWindowIcon(trellanIcon());

    // Loading the window: place it, then draw both lines once, so the first
    // frame shown already holds the picture and every result.
    centreOnScreen();
    PlaceResults = false;
    cmd_bothlines_Click();
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
    connect(p1, &graph::GraphPanel::MouseMove, this, &Form1::p1_MouseMove);
    connect(p1, &graph::GraphPanel::WheelTurned, this, &Form1::p1_WheelTurned);
    lblCredits->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblCredits && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && lblCredits->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        lblCredits_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::centreOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred on the whole screen, even when the window is larger than it.
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
        area.y() + (area.height() - outer.height()) / 2);
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
    frmSplash::Open();
}

void Form1::exactLink_Click()
{
    ExactWindow::Open(this, { t1, t2, t3, t4, t1_b, t2_b, t3_b, t4_b, txmin, txmax });
}
