#include "core/start_up_texts.h"
#include "graph/graph_panel.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/graph_place.h"
#include "look/twips.h"
#include "main_window/caption_fit.h"
#include "main_window/faces/picture_button.h"
#include "main_window/form1.h"
#include "main_window/widgets/focus_mark.h"
#include "main_window/widgets/link_button.h"
#include "main_window/widgets/result_box.h"
#include "main_window/widgets/shape.h"
#include "main_window/widgets/word_wrap.h"

#include <QCheckBox>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

#include <array>
#include <initializer_list>

// The window's layout is absolute: every control sits where the design puts
// it, measured in twips (look/twips.h), and keeps its
// place when the window is resized. Widgets stack in the order they are
// created, so the creation order below is also the stacking order: the
// filled panel first, then the labels, then the outline over them, then
// every control that takes input.

namespace {

using look::fromTwips;
using look::panelLilac;
using look::windowBlue;

const QColor creditsBlue(0, 0, 255);

QFont face(const char* family, qreal points, bool bold = false)
{
    return look::windowFont(QString::fromLatin1(family), points, bold);
}

QFont comic(qreal points)
{
    return face("Comic Sans MS", points);
}

QFont tahoma(qreal points)
{
    return face("Tahoma", points);
}

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

template <typename W> W* place(W* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A label paints its background; its text starts at the top left, like the
// captions of the classic toolkit the design was drawn in.
QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
    const QFont& font, const QColor& background)
{
    auto* lbl = place(new QLabel(text, parent), name, geometry);
    lbl->setTextFormat(Qt::PlainText);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl->setFont(font);
    lbl->setAutoFillBackground(true);
    paint(lbl, QPalette::Window, background);
    paint(lbl, QPalette::WindowText, Qt::black);
    return lbl;
}

// An input box with the usual border and the default white background.
QLineEdit* inputBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
    const QString& accessibleName)
{
    auto* box = place(new QLineEdit(text, parent), name, geometry);
    box->setAccessibleName(accessibleName);
    return box;
}

// A result or range box. These have no border, so that on the colour of
// what lies around them their values read as part of the surrounding text;
// they still take focus and stand in the Tab order, with a mark to show it.
QLineEdit* plainBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
    const QFont& font, const QColor& background, const QString& accessibleName)
{
    // The text comes after the face, so that it is laid out once, in it.
    auto* box = inputBox(parent, name, QString(), geometry, accessibleName);
    FocusMark::attach(box);
    box->setFrame(false);
    box->setFont(font);
    box->setText(text);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paint(box, QPalette::Base, background);
    paint(box, QPalette::Text, Qt::black);
    return box;
}

PictureButton* button(QWidget* parent, const char* name, const QRect& geometry,
    const QStringList& words, QSize pictureSize, const QColor& face, const QColor& background,
    const QFont& font)
{
    auto* btn
        = place(new PictureButton(words, pictureSize, face, background, parent), name, geometry);
    btn->setFont(font);
    return btn;
}

QString typed(const std::string& text)
{
    return QString::fromStdString(text);
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString columnHeadings(int blanksBeforeY2)
{
    return QStringLiteral("X1") + blanks(13) + QStringLiteral("Y1") + blanks(20)
        + QStringLiteral("X2") + blanks(blanksBeforeY2) + QStringLiteral("Y2");
}

QStringList lines(const QString& text)
{
    return text.split(u'\n');
}

// A new input box lays its text out once in the application's font before it
// takes its own. While the window's controls are made, the application's
// font is the window's, which the window draws with anyway, so that no face
// is loaded only to be dropped. The widgets' own application fonts (a
// desktop's for menus, tips, message boxes) are left alone, which
// QApplication::setFont would clear; the controls made meanwhile all have
// fonts of their own.
class ApplicationFontWhileMade {
public:
    explicit ApplicationFontWhileMade(const QFont& font)
        : kept_(QGuiApplication::font())
    {
        QGuiApplication::setFont(font);
    }
    ~ApplicationFontWhileMade() { QGuiApplication::setFont(kept_); }
    ApplicationFontWhileMade(const ApplicationFontWhileMade&) = delete;
    ApplicationFontWhileMade& operator=(const ApplicationFontWhileMade&) = delete;

private:
    QFont kept_;
};

} // namespace

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Quarnby's Trellan"));
    setFont(look::mainWindowFont());
    const ApplicationFontWhileMade madeIn(font());
    setAutoFillBackground(true);
    paint(this, QPalette::Window, windowBlue);
    resize(1103, 553);

    // The filled panel behind the right-hand area.
    Shape1 = place(new Shape(this), "Shape1", fromTwips(8520, 480, 7695, 6975));
    Shape1->setFill(panelLilac);
    Shape1->setOutline(Qt::black, 1);

    // Labels of the right-hand area. The equation headings end in the
    // equation's "Y =", which their boxes cover.
    const std::array<QString, 2> captions { tr("Equation One:"), tr("Equation Two:") };
    const std::array<QString, 2> headings { captions[0] + u"   Y ="_qs,
        captions[1] + u"   Y ="_qs };
    lbl_y1[0] = label(
        this, "lbl_y1_0", headings[0], fromTwips(8760, 840, 2775, 375), comic(14.25), panelLilac);
    lbl_x1 = label(this, "lbl_x1", QStringLiteral("X +"), fromTwips(12240, 840, 495, 375),
        comic(14.25), windowBlue);
    lbl_xyintline1 = label(this, "lbl_xyintline1", caption_fit::interceptFrame(comic(12), 11),
        fromTwips(10920, 1320, 4935, 375), comic(12), panelLilac);
    lbl_y1[1] = label(
        this, "lbl_y1_1", headings[1], fromTwips(8760, 1800, 2775, 375), comic(14.25), panelLilac);
    lbl_x2 = label(this, "lbl_x2", QStringLiteral("X +"), fromTwips(12240, 1920, 495, 375),
        comic(14.25), windowBlue);
    lbl_xyintline2 = label(this, "lbl_xyintline2", caption_fit::interceptFrame(comic(12), 12),
        fromTwips(10920, 2400, 5055, 375), comic(12), panelLilac);
    lbl_intval = label(this, "lbl_intval", tr("Intersection :"), fromTwips(8760, 2760, 1815, 495),
        comic(14.25), panelLilac);
    lblAns = label(
        this, "lblAns", QString(), fromTwips(10920, 2760, 4695, 495), comic(14.25), panelLilac);
    lbl_l1 = label(
        this, "lbl_l1", columnHeadings(10), fromTwips(9720, 3360, 3855, 255), comic(9), panelLilac);
    lbl_l2 = label(
        this, "lbl_l2", columnHeadings(11), fromTwips(9720, 4200, 3855, 255), comic(9), panelLilac);
    Label1 = label(this, "Label1", tr("Place results into the textbox below"),
        fromTwips(9000, 5040, 3375, 255), comic(9), panelLilac);

    // Labels of the left-hand area and the top edge. The readout headings
    // lie over the readout title, whose box reaches down into their row.
    lbl_yaxis = label(this, "lbl_yaxis", QStringLiteral("Y"), fromTwips(3840, 120, 375, 375),
        face("MS Sans Serif", 12, true), windowBlue);
    lbl_yaxis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_mouscoord = label(this, "lbl_mouscoord", tr(" Mouse Coordinates:"),
        fromTwips(120, 7560, 1935, 375), comic(9), windowBlue);
    lbl_mouscoords
        = label(this, "lbl_mouscoords", QStringLiteral(" X") + blanks(9) + QStringLiteral("Y"),
            fromTwips(120, 7800, 1335, 255), tahoma(12), windowBlue);
    QFont credits = face("MS Sans Serif", 8.25, true);
    credits.setUnderline(true);
    lblCredits = label(
        this, "lblCredits", tr("About ..."), fromTwips(15840, 120, 960, 225), credits, windowBlue);
    paint(lblCredits, QPalette::WindowText, creditsBlue);
    // Beside it and looking like it, the ways to the exact values and to
    // practice.
    const auto link = [&](const QString& text, const char* name, QRect at, const QString& spoken,
                          const QString& description) {
        QAbstractButton* button = place(new LinkButton(text, lblCredits->parentWidget()), name, at);
        button->setFont(credits);
        button->setAutoFillBackground(true);
        paint(button, QPalette::Window, windowBlue);
        paint(button, QPalette::WindowText, creditsBlue);
        button->setAccessibleName(spoken);
        button->setAccessibleDescription(description);
        return button;
    };
    exactLink = link(tr("Exact values ..."), "exactLink", fromTwips(14400, 120, 1200, 225),
        tr("Exact values"),
        tr("Opens a window with both lines and their crossing as exact fractions"));
    practiceLink = link(tr("Practice ..."), "practiceLink", fromTwips(13080, 120, 1140, 225),
        tr("Practice"), tr("Opens exercises to answer, each answer checked (F2)"));

    // The outline around the equations area: it draws over the labels and
    // lets the pointer through to what lies beneath.
    Shape2 = place(new Shape(this), "Shape2", fromTwips(8640, 600, 7455, 4335));
    Shape2->setFill(Qt::transparent);
    Shape2->setOutline(Qt::black, 2);

    // The graph panel and the controls around it.
    p1 = place(new graph::GraphPanel(this), "p1", look::graphPanelPlace);
    p1->setFocusPolicy(Qt::StrongFocus);
    p1->setCursor(Qt::CrossCursor);
    p1->setAccessibleName(tr("Graph"));
    // Inside the sunken border, so the border itself still reads as one.
    FocusMark::attach(p1, p1->contentsMargins());
    txmax = plainBox(this, "txmax", typed(core::startUpTexts.upper),
        fromTwips(7920, 3960, 255, 285), font(), windowBlue, tr("Highest value of the range"));
    txmin = plainBox(this, "txmin", typed(core::startUpTexts.lower),
        fromTwips(3960, 7530, 350, 195), font(), windowBlue, tr("Lowest value of the range"));
    txmin->setAlignment(Qt::AlignRight | Qt::AlignTop);
    tx = inputBox(this, "tx", QString(), fromTwips(360, 7800, 550, 285), tr("Pointer X"));
    ty = inputBox(this, "ty", QString(), fromTwips(1200, 7800, 550, 285), tr("Pointer Y"));
    for (QLineEdit* readout : { tx, ty }) {
        readout->setFont(tahoma(9));
        // Longer text set by code is cut to its first four characters.
        readout->setMaxLength(4);
    }
    // A line break in a picture button's words starts a new line on its face.
    Command2 = button(this, "Command2", fromTwips(4560, 7680, 1455, 495), lines(tr("Zoom In")),
        { 105, 32 }, QColor(0, 101, 255), windowBlue, comic(12));
    Command1 = button(this, "Command1", fromTwips(6360, 7680, 1575, 495), lines(tr("Zoom Out")),
        { 105, 32 }, QColor(0, 101, 255), windowBlue, comic(12));

    // Result boxes. Each equation box is made after the slope and intercept
    // boxes of its row, so it lies above them and covers them.
    txt_slope1 = plainBox(this, "txt_slope1", QString(), fromTwips(11520, 840, 615, 375),
        comic(14.25), windowBlue, tr("Slope of line %1").arg(1));
    txt_yint1 = plainBox(this, "txt_yint1", QString(), fromTwips(12840, 840, 735, 375),
        comic(14.25), windowBlue, tr("Y-intercept of line %1").arg(1));
    txt_eqn1 = plainBox(this, "txt_eqn1", QString(), fromTwips(10800, 840, 3735, 495), comic(14.25),
        panelLilac, tr("Equation of line %1").arg(1));
    txt_l1xint = plainBox(this, "txt_l1xint", QString(), fromTwips(11880, 1320, 855, 375),
        comic(12), panelLilac, tr("X-axis crossing of line %1").arg(1));
    txt_l1yint = plainBox(this, "txt_l1yint", QString(), fromTwips(14880, 1320, 855, 375),
        comic(12), panelLilac, tr("Y-axis crossing of line %1").arg(1));
    txt_slope2 = plainBox(this, "txt_slope2", QString(), fromTwips(11520, 1920, 615, 375),
        comic(14.25), windowBlue, tr("Slope of line %1").arg(2));
    txt_yint2 = plainBox(this, "txt_yint2", QString(), fromTwips(12840, 1920, 735, 375),
        comic(14.25), windowBlue, tr("Y-intercept of line %1").arg(2));
    txt_eqn2 = plainBox(this, "txt_eqn2", QString(), fromTwips(10800, 1800, 3015, 615),
        comic(14.25), panelLilac, tr("Equation of line %1").arg(2));
    txt_l2xint = plainBox(this, "txt_l2xint", QString(), fromTwips(11880, 2400, 855, 375),
        comic(12), panelLilac, tr("X-axis crossing of line %1").arg(2));
    txt_l2yint = plainBox(this, "txt_l2yint", QString(), fromTwips(14880, 2400, 855, 375),
        comic(12), panelLilac, tr("Y-axis crossing of line %1").arg(2));
    caption_fit::endTextBefore(lbl_y1[0], txt_eqn1, captions[0].size());
    caption_fit::endTextBefore(lbl_y1[1], txt_eqn2, captions[1].size());
    for (QLineEdit* locked : { txt_slope1, txt_yint1, txt_slope2, txt_yint2 }) {
        locked->setReadOnly(true);
        // Covered by the equation box, it can show neither focus nor a
        // caret: no Tab stop. A screen reader still reads its text.
        locked->setFocusPolicy(Qt::NoFocus);
    }
    for (QLineEdit* slope : { txt_slope1, txt_slope2 })
        slope->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLineEdit* crossing : { txt_l1xint, txt_l1yint, txt_l2xint, txt_l2yint })
        crossing->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (QLineEdit* result : { txt_slope1, txt_yint1, txt_eqn1, txt_l1xint, txt_l1yint, txt_slope2,
             txt_yint2, txt_eqn2, txt_l2xint, txt_l2yint })
        result_box::shortenWhenCut(result);
    result_box::shortenWhenCut(lblAns);

    // End points and the draw commands.
    draw_line1 = button(this, "draw_line1", fromTwips(14280, 3480, 1605, 495),
        lines(tr("Draw Line 1")), { 105, 32 }, QColor(0, 148, 255), QColor(0, 192, 0), comic(9.75));
    //: The narrow picture button's words, one line each: keep the lines short
    cmd_bothlines = button(this, "cmd_bothlines", fromTwips(8760, 3600, 765, 1095),
        lines(tr("Draw\nBoth\nLines")), { 49, 70 }, QColor(255, 110, 0), QColor(255, 128, 0),
        comic(9.75));
    t1 = inputBox(this, "t1", typed(core::startUpTexts.line1[0]), fromTwips(9720, 3600, 735, 285),
        tr("Line %1, %2").arg(1).arg(u"X1"_qs));
    t2 = inputBox(this, "t2", typed(core::startUpTexts.line1[1]), fromTwips(10680, 3600, 735, 285),
        tr("Line %1, %2").arg(1).arg(u"Y1"_qs));
    t3 = inputBox(this, "t3", typed(core::startUpTexts.line1[2]), fromTwips(12120, 3600, 735, 285),
        tr("Line %1, %2").arg(1).arg(u"X2"_qs));
    t4 = inputBox(this, "t4", typed(core::startUpTexts.line1[3]), fromTwips(13080, 3600, 735, 285),
        tr("Line %1, %2").arg(1).arg(u"Y2"_qs));
    draw_line2
        = button(this, "draw_line2", fromTwips(14280, 4320, 1605, 495), lines(tr("Draw Line 2")),
            { 105, 32 }, QColor(0, 255, 12), QColor(0, 192, 192), comic(9.75));
    t1_b = inputBox(this, "t1_b", typed(core::startUpTexts.line2[0]),
        fromTwips(9720, 4440, 735, 285), tr("Line %1, %2").arg(2).arg(u"X1"_qs));
    t2_b = inputBox(this, "t2_b", typed(core::startUpTexts.line2[1]),
        fromTwips(10680, 4440, 735, 285), tr("Line %1, %2").arg(2).arg(u"Y1"_qs));
    t3_b = inputBox(this, "t3_b", typed(core::startUpTexts.line2[2]),
        fromTwips(12120, 4440, 735, 285), tr("Line %1, %2").arg(2).arg(u"X2"_qs));
    t4_b = inputBox(this, "t4_b", typed(core::startUpTexts.line2[3]),
        fromTwips(13080, 4440, 735, 285), tr("Line %1, %2").arg(2).arg(u"Y2"_qs));

    // The report switch and the report. The box is too narrow for its own
    // caption, so only the box shows; Label1 beside it carries the text.
    Check1 = place(
        new QCheckBox(QStringLiteral("Check1"), this), "Check1", fromTwips(8640, 5040, 255, 315));
    Check1->setAutoFillBackground(true);
    paint(Check1, QPalette::Window, panelLilac);
    Check1->setAccessibleName(tr("Place results into the textbox below"));
    txt_results = place(new QPlainTextEdit(this), "txt_results", fromTwips(8640, 5400, 7455, 1935));
    txt_results->setFont(tahoma(9));
    txt_results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txt_results->setTabChangesFocus(true);
    word_wrap::betweenWords(txt_results);
    txt_results->setAccessibleName(tr("Results"));

    //: The picture button's words, drawn spaced out; a line break starts a new line
    auto* quit = button(this, "cmd_quit", fromTwips(14400, 7680, 1575, 495), lines(tr("Quit")),
        { 105, 32 }, QColor(0, 101, 255), windowBlue, comic(12));
    quit->setLetterSpacing(6);
    cmd_quit = quit;

    // The report's border does not change with the focus, and a caret blinks
    // off half the time: it is marked as the boxes without a border are.
    FocusMark::attach(txt_results, txt_results->contentsMargins());

    const std::initializer_list<QWidget*> focusOrder { p1, t1, t2, cmd_bothlines, t3, t4, Command1,
        Command2, txmin, txmax, ty, tx, t1_b, t2_b, t3_b, t4_b, draw_line2, draw_line1, txt_eqn1,
        txt_eqn2, cmd_quit, txt_results, Check1, txt_l1xint, txt_l2xint, txt_l1yint, txt_l2yint,
        exactLink, practiceLink };
    QWidget* previous = nullptr;
    for (QWidget* next : focusOrder) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}
