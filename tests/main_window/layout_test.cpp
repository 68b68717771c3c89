// The main window's controls, their places, texts, fonts, colours, stacking
// and keyboard order, on the offscreen platform.

#include "main_window/fonts.h"
#include "main_window/form1.h"
#include "main_window/picture_button.h"
#include "main_window/shape.h"

#include "graph/graph_panel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

const QColor windowBlue(128, 128, 255);
const QColor panelLilac(192, 192, 255);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Each colour channel, the way a failed comparison is easiest to read.
QString rgb(const QColor& colour)
{
    return QStringLiteral("(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void controls_data();
    void controls();
    void initialTexts_data();
    void initialTexts();
    void fonts_data();
    void fonts();
    void substitutionsNameFreeFaces_data();
    void substitutionsNameFreeFaces();
    void boxes_data();
    void boxes();
    void colours_data();
    void colours();
    void pixels_data();
    void pixels();
    void stacking_data();
    void stacking();
    void equationBoxCoversSlopeBox();
    void labelPaintsItsBackgroundOverShape1();
    void focusChain();
    void buttonPictures_data();
    void buttonPictures();
    void accessibleNames_data();
    void accessibleNames();
    void resultLabelReadsItsCurrentText();
    void readoutsCutLongText_data();
    void readoutsCutLongText();
    void lockedBoxesRejectTyping_data();
    void lockedBoxesRejectTyping();
    void enlargingKeepsLayout();

private:
    QWidget* control(const QString& name) const;
    static QImage grabbed(QWidget& window) { return window.grab().toImage(); }

    std::unique_ptr<Form1> form;
};

void LayoutTest::initTestCase()
{
    form = std::make_unique<Form1>();
    form->showWarnings = false;
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void LayoutTest::cleanupTestCase()
{
    form.reset();
}

QWidget* LayoutTest::control(const QString& name) const
{
    return form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void LayoutTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    auto row = [](const char* name, const char* className, int x, int y, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className)
                            << QRect(x, y, w, h);
    };
    row("lbl_yaxis", "QLabel", 256, 8, 25, 25);
    row("p1", "graph::GraphPanel", 16, 32, 509, 467);
    row("txmax", "QLineEdit", 528, 264, 17, 19);
    row("txmin", "QLineEdit", 264, 502, 23, 13);
    row("lbl_mouscoord", "QLabel", 8, 504, 129, 25);
    row("lbl_mouscoords", "QLabel", 8, 520, 89, 17);
    row("tx", "QLineEdit", 24, 520, 37, 19);
    row("ty", "QLineEdit", 80, 520, 37, 19);
    row("Command2", "QPushButton", 304, 512, 97, 33);
    row("Command1", "QPushButton", 424, 512, 105, 33);
    row("Shape1", "Shape", 568, 32, 513, 465);
    row("Shape2", "Shape", 576, 40, 497, 289);
    row("lbl_y1_0", "QLabel", 584, 56, 185, 25);
    row("txt_eqn1", "QLineEdit", 720, 56, 249, 33);
    row("txt_slope1", "QLineEdit", 768, 56, 41, 25);
    row("lbl_x1", "QLabel", 816, 56, 33, 25);
    row("txt_yint1", "QLineEdit", 856, 56, 49, 25);
    row("lbl_xyintline1", "QLabel", 728, 88, 329, 25);
    row("txt_l1xint", "QLineEdit", 792, 88, 57, 25);
    row("txt_l1yint", "QLineEdit", 992, 88, 57, 25);
    row("lbl_y1_1", "QLabel", 584, 120, 185, 25);
    row("txt_eqn2", "QLineEdit", 720, 120, 201, 41);
    row("txt_slope2", "QLineEdit", 768, 128, 41, 25);
    row("lbl_x2", "QLabel", 816, 128, 33, 25);
    row("txt_yint2", "QLineEdit", 856, 128, 49, 25);
    row("lbl_xyintline2", "QLabel", 728, 160, 337, 25);
    row("txt_l2xint", "QLineEdit", 792, 160, 57, 25);
    row("txt_l2yint", "QLineEdit", 992, 160, 57, 25);
    row("lbl_intval", "QLabel", 584, 184, 121, 33);
    row("lblAns", "QLabel", 728, 184, 313, 33);
    row("lbl_l1", "QLabel", 648, 224, 257, 17);
    row("draw_line1", "QPushButton", 952, 232, 107, 33);
    row("cmd_bothlines", "QPushButton", 584, 240, 51, 73);
    row("t1", "QLineEdit", 648, 240, 49, 19);
    row("t2", "QLineEdit", 712, 240, 49, 19);
    row("t3", "QLineEdit", 808, 240, 49, 19);
    row("t4", "QLineEdit", 872, 240, 49, 19);
    row("lbl_l2", "QLabel", 648, 280, 257, 17);
    row("draw_line2", "QPushButton", 952, 288, 107, 33);
    row("t1_b", "QLineEdit", 648, 296, 49, 19);
    row("t2_b", "QLineEdit", 712, 296, 49, 19);
    row("t3_b", "QLineEdit", 808, 296, 49, 19);
    row("t4_b", "QLineEdit", 872, 296, 49, 19);
    row("Check1", "QCheckBox", 576, 336, 17, 21);
    row("Label1", "QLabel", 600, 336, 225, 17);
    row("txt_results", "QPlainTextEdit", 576, 360, 497, 129);
    row("cmd_quit", "QPushButton", 960, 512, 105, 33);
    row("lblCredits", "QLabel", 1056, 8, 64, 15);
}

void LayoutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);

    const QList<QWidget*> named = form->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QCOMPARE(named.size(), 1);
    QWidget* widget = named.front();
    QVERIFY2(widget->inherits(className.toLatin1()), widget->metaObject()->className());
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
}

void LayoutTest::initialTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, const QString& text) {
        QTest::newRow(name) << QString::fromLatin1(name) << text;
    };
    row("t1", "-6");
    row("t2", "0");
    row("t3", "8");
    row("t4", "7");
    row("lbl_l1", "X1" + blanks(13) + "Y1" + blanks(20) + "X2" + blanks(10) + "Y2");
    row("t1_b", "-7");
    row("t2_b", "-5");
    row("t3_b", "6");
    row("t4_b", "8");
    row("lbl_l2", "X1" + blanks(13) + "Y1" + blanks(20) + "X2" + blanks(11) + "Y2");
    row("lbl_y1_0", "Equation One:   Y =");
    row("lbl_x1", "X +");
    row("lbl_xyintline1", "X-int = (" + blanks(12) + ", 0   )   Y-int = ( 0 ," + blanks(11) + ")");
    row("lbl_y1_1", "Equation Two:   Y =");
    row("lbl_x2", "X +");
    row("lbl_xyintline2", "X-int = (" + blanks(12) + ", 0   )   Y-int = ( 0 ," + blanks(12) + ")");
    row("lbl_intval", "Intersection :");
    row("Check1", "Check1");
    row("Label1", "Place results into the textbox below");
    row("txt_results", "");
    row("txmin", "-10");
    row("txmax", "10");
    row("lbl_yaxis", "Y");
    row("lbl_mouscoord", " Mouse Coordinates:");
    row("lbl_mouscoords", " X" + blanks(9) + "Y");
    row("tx", "");
    row("ty", "");
    row("lblCredits", "About ...");
    // The buttons carry their words in their pictures, never as a caption.
    for (const char* name : {"draw_line1", "draw_line2", "cmd_bothlines", "Command1", "Command2",
                             "cmd_quit"})
        row(name, "");
}

void LayoutTest::initialTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* widget = control(name);
    QVERIFY(widget);
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget))
        shown = label->text();
    else if (auto* box = qobject_cast<QLineEdit*>(widget))
        shown = box->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        shown = button->text();
    else if (auto* report = qobject_cast<QPlainTextEdit*>(widget))
        shown = report->toPlainText();
    else
        QFAIL("no text to read");
    QCOMPARE(shown, text);
    QCOMPARE(form->windowTitle(), QStringLiteral("Quarnby's Trellan"));
    QVERIFY(!form->Check1->isChecked());
}

void LayoutTest::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("face");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("bold"); // -1: set by the commands, not the layout
    QTest::addColumn<bool>("underline");
    const QString sans = QStringLiteral("MS Sans Serif");
    const QString comic = QStringLiteral("Comic Sans MS");
    const QString tahoma = QStringLiteral("Tahoma");
    const QString sansFace = QStringLiteral("Liberation Sans");
    const QString comicFace = QStringLiteral("Comic Neue");
    const QString tahomaFace = QStringLiteral("DejaVu Sans Condensed");
    auto row = [](const char* name, const QString& family, const QString& face, qreal points,
                  int bold = 0, bool underline = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << family << face << points << bold
                            << underline;
    };
    row("lbl_yaxis", sans, sansFace, 12, 1);
    row("p1", sans, sansFace, 8.25);
    row("txmax", sans, sansFace, 8.25);
    row("txmin", sans, sansFace, 8.25);
    row("lbl_mouscoord", comic, comicFace, 9);
    row("lbl_mouscoords", tahoma, tahomaFace, 12);
    row("tx", tahoma, tahomaFace, 9);
    row("ty", tahoma, tahomaFace, 9);
    row("Command2", comic, comicFace, 12);
    row("Command1", comic, comicFace, 12);
    for (const char* name : {"lbl_y1_0", "txt_eqn1", "txt_slope1", "lbl_x1", "txt_yint1",
                             "lbl_y1_1", "txt_eqn2", "txt_slope2", "lbl_x2", "txt_yint2",
                             "lbl_intval"})
        row(name, comic, comicFace, 14.25);
    row("lblAns", comic, comicFace, 14.25, -1);
    for (const char* name : {"lbl_xyintline1", "txt_l1xint", "txt_l1yint", "lbl_xyintline2",
                             "txt_l2xint", "txt_l2yint"})
        row(name, comic, comicFace, 12);
    for (const char* name : {"lbl_l1", "lbl_l2", "Label1"})
        row(name, comic, comicFace, 9);
    for (const char* name : {"draw_line1", "draw_line2", "cmd_bothlines"})
        row(name, comic, comicFace, 9.75);
    for (const char* name : {"t1", "t2", "t3", "t4", "t1_b", "t2_b", "t3_b", "t4_b", "Check1"})
        row(name, sans, sansFace, 8.25);
    row("txt_results", tahoma, tahomaFace, 9);
    row("cmd_quit", comic, comicFace, 12);
    row("lblCredits", sans, sansFace, 8.25, 1, true);
}

void LayoutTest::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(QString, face);
    QFETCH(qreal, points);
    QFETCH(int, bold);
    QFETCH(bool, underline);
    QWidget* widget = control(name);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(QFontInfo(font).family(), face);
    QCOMPARE(font.pointSizeF(), points);
    if (bold >= 0)
        QCOMPARE(font.bold(), bold == 1);
    QCOMPARE(font.underline(), underline);
    QCOMPARE(form->font().family(), QStringLiteral("MS Sans Serif"));
}

void LayoutTest::substitutionsNameFreeFaces_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("face");
    QTest::newRow("Comic Sans MS") << "Comic Sans MS" << "Comic Neue";
    QTest::newRow("Tahoma") << "Tahoma" << "DejaVu Sans Condensed";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
    QTest::newRow("Arial Narrow") << "Arial Narrow" << "Liberation Sans Narrow";
}

void LayoutTest::substitutionsNameFreeFaces()
{
    QFETCH(QString, family);
    QFETCH(QString, face);
    installFontSubstitutions(); // a second time: nothing is added twice
    QCOMPARE(QFont::substitutes(family).size(), 1);
    QFont bold(family);
    bold.setBold(true);
    QCOMPARE(QFontInfo(QFont(family)).family(), face);
    QCOMPARE(QFontInfo(bold).family(), face);
    QVERIFY(QFontInfo(bold).bold());
}

void LayoutTest::boxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("frame");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("horizontal");
    auto row = [](const char* name, bool frame, bool locked, Qt::Alignment horizontal) {
        QTest::newRow(name) << QString::fromLatin1(name) << frame << locked << int(horizontal);
    };
    for (const char* name : {"t1", "t2", "t3", "t4", "t1_b", "t2_b", "t3_b", "t4_b", "tx", "ty"})
        row(name, true, false, Qt::AlignLeft);
    row("txt_slope1", false, true, Qt::AlignRight);
    row("txt_slope2", false, true, Qt::AlignRight);
    row("txt_yint1", false, true, Qt::AlignLeft);
    row("txt_yint2", false, true, Qt::AlignLeft);
    row("txt_eqn1", false, false, Qt::AlignLeft);
    row("txt_eqn2", false, false, Qt::AlignLeft);
    for (const char* name : {"txt_l1xint", "txt_l1yint", "txt_l2xint", "txt_l2yint"})
        row(name, false, false, Qt::AlignHCenter);
    row("txmin", false, false, Qt::AlignRight);
    row("txmax", false, false, Qt::AlignLeft);
}

void LayoutTest::boxes()
{
    QFETCH(QString, name);
    QFETCH(bool, frame);
    QFETCH(bool, locked);
    QFETCH(int, horizontal);
    auto* box = qobject_cast<QLineEdit*>(control(name));
    QVERIFY(box);
    QCOMPARE(box->hasFrame(), frame);
    QCOMPARE(box->isReadOnly(), locked);
    QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), horizontal);
    QCOMPARE(box->focusPolicy(), Qt::StrongFocus);

    QCOMPARE(form->lbl_yaxis->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(form->txt_results->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(form->txt_results->verticalScrollBar()->isVisible());
}

void LayoutTest::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    auto row = [](const char* name, const QColor& background, const QColor& text = black) {
        QTest::newRow(name) << QString::fromLatin1(name) << background << text;
    };
    for (const char* name : {"lbl_yaxis", "lbl_mouscoord", "lbl_mouscoords", "lbl_x1", "lbl_x2",
                             "txmax", "txmin", "txt_slope1", "txt_yint1", "txt_slope2", "txt_yint2"})
        row(name, windowBlue);
    for (const char* name : {"lbl_y1_0", "txt_eqn1", "lbl_xyintline1", "txt_l1xint",
                             "txt_l1yint", "lbl_y1_1", "txt_eqn2", "lbl_xyintline2", "txt_l2xint",
                             "txt_l2yint", "lbl_intval", "lbl_l1", "lbl_l2", "Check1", "Label1"})
        row(name, panelLilac);
    for (const char* name : {"t1", "t2", "t3", "t4", "t1_b", "t2_b", "t3_b", "t4_b", "tx", "ty",
                             "txt_results"})
        row(name, white);
    row("draw_line1", QColor(0, 192, 0));
    row("draw_line2", QColor(0, 192, 192));
    row("cmd_bothlines", QColor(255, 128, 0));
    for (const char* name : {"Command1", "Command2", "cmd_quit"})
        row(name, windowBlue);
    row("lblCredits", windowBlue, QColor(0, 0, 255));
}

void LayoutTest::colours()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QWidget* widget = control(name);
    QVERIFY(widget);
    const QPalette& colours = widget->palette();
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
        QCOMPARE(colours.color(QPalette::Base), background);
        QCOMPARE(colours.color(QPalette::Text), text);
    } else if (qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(colours.color(QPalette::Button), background);
    } else {
        QVERIFY(widget->autoFillBackground());
        QCOMPARE(colours.color(QPalette::Window), background);
        QCOMPARE(colours.color(QPalette::WindowText), text);
    }
    QCOMPARE(form->palette().color(QPalette::Window), windowBlue);
}

void LayoutTest::pixels_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("background between panel and shape") << QPoint(550, 420) << windowBlue;
    QTest::newRow("background beside the zoom buttons") << QPoint(800, 530) << windowBlue;
    QTest::newRow("Shape1 outline") << QPoint(568, 200) << black;
    QTest::newRow("Shape1 fill") << QPoint(572, 200) << panelLilac;
    QTest::newRow("Shape2 outline, outer") << QPoint(576, 200) << black;
    QTest::newRow("Shape2 outline, inner") << QPoint(577, 200) << black;
    QTest::newRow("inside Shape2") << QPoint(579, 200) << panelLilac;
    QTest::newRow("lbl_yaxis right of its letter") << QPoint(279, 30) << windowBlue;
    QTest::newRow("Command1 face left of its words") << QPoint(432, 528) << QColor(0, 101, 255);
    QTest::newRow("cmd_quit face left of its words") << QPoint(968, 528) << QColor(0, 101, 255);
    QTest::newRow("draw_line1 background left of its picture") << QPoint(952, 249) << QColor(0, 192, 0);
    QTest::newRow("draw_line1 face") << QPoint(957, 248) << QColor(0, 148, 255);
    QTest::newRow("draw_line2 face") << QPoint(957, 304) << QColor(0, 255, 12);
    QTest::newRow("cmd_bothlines background") << QPoint(584, 241) << QColor(255, 128, 0);
    QTest::newRow("cmd_bothlines face") << QPoint(590, 250) << QColor(255, 110, 0);
    QTest::newRow("input box") << QPoint(690, 250) << white;
}

void LayoutTest::pixels()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage shot = grabbed(*form);
    QCOMPARE(rgb(shot.pixelColor(at)), rgb(colour));
}

void LayoutTest::stacking_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    auto row = [](const char* lower, const char* upper) {
        QTest::addRow("%s under %s", lower, upper) << QString::fromLatin1(lower)
                                                    << QString::fromLatin1(upper);
    };
    for (const char* label : {"lbl_y1_0", "lbl_x1", "lbl_xyintline1", "lbl_y1_1", "lbl_x2",
                              "lbl_xyintline2", "lbl_intval", "lblAns", "lbl_l1", "lbl_l2",
                              "Label1"}) {
        row("Shape1", label);
        row(label, "Shape2");
    }
    row("lbl_mouscoord", "lbl_mouscoords");
    row("Shape2", "p1");
    row("lbl_mouscoords", "tx");
    row("lbl_mouscoords", "ty");
    row("txt_slope1", "txt_eqn1");
    row("txt_yint1", "txt_eqn1");
    row("lbl_x1", "txt_eqn1");
    row("txt_slope2", "txt_eqn2");
    row("txt_yint2", "txt_eqn2");
    row("lbl_x2", "txt_eqn2");
    row("lbl_xyintline1", "txt_l1xint");
    row("lbl_xyintline1", "txt_l1yint");
    row("lbl_xyintline2", "txt_l2xint");
    row("lbl_xyintline2", "txt_l2yint");
    row("lbl_l1", "t1");
    row("Shape2", "cmd_bothlines");
    row("Shape2", "draw_line1");
    row("Shape2", "Check1");
}

void LayoutTest::stacking()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    // Siblings paint in the order of their parent's child list.
    const QObjectList& order = form->children();
    const auto lowerAt = order.indexOf(control(lower));
    const auto upperAt = order.indexOf(control(upper));
    QVERIFY(lowerAt >= 0 && upperAt >= 0);
    QVERIFY(lowerAt < upperAt);
}

void LayoutTest::equationBoxCoversSlopeBox()
{
    Form1 fresh;
    fresh.showWarnings = false;
    fresh.txt_eqn1->clear();
    fresh.txt_slope1->setText(QStringLiteral("888"));
    const QImage shot = grabbed(fresh);
    // Everywhere over the slope box only the equation box's colour shows.
    const QRect slope = fresh.txt_slope1->geometry();
    for (int y = slope.top(); y <= slope.bottom(); ++y)
        for (int x = slope.left(); x <= slope.right(); ++x)
            QCOMPARE(rgb(shot.pixelColor(x, y)), rgb(panelLilac));
}

void LayoutTest::labelPaintsItsBackgroundOverShape1()
{
    Form1 fresh;
    fresh.showWarnings = false;
    fresh.txt_eqn2->hide(); // it normally covers lbl_x2
    const QImage shot = grabbed(fresh);
    const QRect label = fresh.lbl_x2->geometry();
    QCOMPARE(rgb(shot.pixelColor(label.bottomRight())), rgb(windowBlue));
    QCOMPARE(rgb(shot.pixelColor(label.bottomRight() + QPoint(2, 0))), rgb(panelLilac));
}

void LayoutTest::focusChain()
{
    const QStringList order{
        "p1",         "t1",         "t2",        "cmd_bothlines", "t3",         "t4",
        "Command1",   "Command2",   "txmin",     "txmax",         "ty",         "tx",
        "t1_b",       "t2_b",       "t3_b",      "t4_b",          "draw_line2", "draw_line1",
        "txt_slope1", "txt_slope2", "txt_yint1", "txt_yint2",     "txt_eqn1",   "txt_eqn2",
        "cmd_quit",   "txt_results", "Check1",   "txt_l1xint",    "txt_l2xint", "txt_l1yint",
        "txt_l2yint", "p1"};
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->p1->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), form->p1);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txt_l2yint"));
    form->p1->setFocus(Qt::OtherFocusReason);

    for (const char* name : {"lbl_l1", "lblAns", "lblCredits", "Label1", "Shape1", "Shape2"})
        QCOMPARE(control(QString::fromLatin1(name))->focusPolicy(), Qt::NoFocus);
}

void LayoutTest::buttonPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QString>("words");
    auto row = [](const char* name, QSize size, const QColor& face, const char* words) {
        QTest::newRow(name) << QString::fromLatin1(name) << size << face << QString::fromLatin1(words);
    };
    row("cmd_quit", {105, 32}, QColor(0, 101, 255), "Quit");
    row("draw_line1", {105, 32}, QColor(0, 148, 255), "Draw Line 1");
    row("draw_line2", {105, 32}, QColor(0, 255, 12), "Draw Line 2");
    row("Command1", {105, 32}, QColor(0, 101, 255), "Zoom Out");
    row("Command2", {105, 32}, QColor(0, 101, 255), "Zoom In");
    row("cmd_bothlines", {49, 70}, QColor(255, 110, 0), "Draw Both Lines");
}

void LayoutTest::buttonPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QColor, face);
    QFETCH(QString, words);
    auto* button = qobject_cast<PictureButton*>(control(name));
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), words);

    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = button->picture(ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), size);
        QCOMPARE(picture.size(), size * ratio);
        const QImage image = picture.toImage();
        const auto at = [&](int x, int y) {
            return image.pixelColor(int(x * ratio), int(y * ratio));
        };
        // Face beside the words, light bevel top left, dark bevel bottom right.
        QCOMPARE(rgb(at(3, size.height() / 2)), rgb(face));
        QVERIFY(at(0, 0).lightness() > face.lightness());
        QVERIFY(at(0, size.height() / 2).lightness() > face.lightness());
        QVERIFY(at(size.width() - 1, size.height() / 2).lightness() < face.lightness());
        QVERIFY(at(size.width() / 2, size.height() - 1).lightness() < face.lightness());
        // The bevel is sharp at any ratio: a whole device pixel block per pixel.
        QCOMPARE(rgb(image.pixelColor(int(ratio) - 1, int(ratio) - 1)), rgb(at(0, 0)));
        // Black letters in the middle band.
        int inked = 0;
        for (int x = 0; x < image.width(); ++x)
            for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
                inked += image.pixelColor(x, y) == black;
        QVERIFY2(inked > 20 * ratio * ratio, qPrintable(QString::number(inked)));
    }

    // Centred on the button and cut at its edges.
    const QImage shot = button->grab().toImage();
    const QImage picture = button->picture(1).toImage();
    const QPoint offset((button->width() - size.width()) / 2, (button->height() - size.height()) / 2);
    for (const QPoint& p : {QPoint(0, size.height() / 2), QPoint(button->width() - 1, 10)}) {
        const QPoint inPicture = p - offset;
        if (picture.rect().contains(inPicture))
            QCOMPARE(rgb(shot.pixelColor(p)), rgb(picture.pixelColor(inPicture)));
    }
}

void LayoutTest::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    auto row = [](const char* name, const char* accessible) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(accessible);
    };
    row("t1", "Line 1, X1");
    row("t2", "Line 1, Y1");
    row("t3", "Line 1, X2");
    row("t4", "Line 1, Y2");
    row("t1_b", "Line 2, X1");
    row("t2_b", "Line 2, Y1");
    row("t3_b", "Line 2, X2");
    row("t4_b", "Line 2, Y2");
    row("txt_slope1", "Slope of line 1");
    row("txt_yint1", "Y-intercept of line 1");
    row("txt_eqn1", "Equation of line 1");
    row("txt_l1xint", "X-axis crossing of line 1");
    row("txt_l1yint", "Y-axis crossing of line 1");
    row("txt_slope2", "Slope of line 2");
    row("txt_yint2", "Y-intercept of line 2");
    row("txt_eqn2", "Equation of line 2");
    row("txt_l2xint", "X-axis crossing of line 2");
    row("txt_l2yint", "Y-axis crossing of line 2");
    row("txt_results", "Results");
    row("txmin", "Lowest value of the range");
    row("txmax", "Highest value of the range");
    row("tx", "Pointer X");
    row("ty", "Pointer Y");
    row("p1", "Graph");
    row("Check1", "Place results into the textbox below");
    row("cmd_bothlines", "Draw Both Lines");
    row("Command2", "Zoom In");
}

void LayoutTest::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QWidget* widget = control(name);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), accessibleName);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), accessibleName);
}

void LayoutTest::resultLabelReadsItsCurrentText()
{
    QVERIFY(form->lblAns->accessibleName().isEmpty());
    const QString before = form->lblAns->text();
    form->lblAns->setText(QStringLiteral("(2,  4)"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form->lblAns);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("(2,  4)"));
    form->lblAns->setText(before);
}

void LayoutTest::readoutsCutLongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("long negative") << "-3.456" << "-3.4";
    QTest::newRow("five characters") << "12345" << "1234";
    QTest::newRow("exactly four") << "-0.5" << "-0.5";
    QTest::newRow("short") << "7" << "7";
    QTest::newRow("empty") << "" << "";
}

void LayoutTest::readoutsCutLongText()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    for (QLineEdit* readout : {form->tx, form->ty}) {
        readout->setText(text);
        QCOMPARE(readout->text(), kept);
    }
}

void LayoutTest::lockedBoxesRejectTyping_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("locked");
    QTest::newRow("txt_slope1") << "txt_slope1" << true;
    QTest::newRow("txt_yint1") << "txt_yint1" << true;
    QTest::newRow("txt_slope2") << "txt_slope2" << true;
    QTest::newRow("txt_yint2") << "txt_yint2" << true;
    QTest::newRow("txt_eqn1 takes typing") << "txt_eqn1" << false;
    QTest::newRow("txt_l2yint takes typing") << "txt_l2yint" << false;
}

void LayoutTest::lockedBoxesRejectTyping()
{
    QFETCH(QString, name);
    QFETCH(bool, locked);
    auto* box = qobject_cast<QLineEdit*>(control(name));
    QVERIFY(box);
    const QString before = box->text();
    box->setFocus(Qt::TabFocusReason);
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("42"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), locked ? before : before + QStringLiteral("4"));
    box->setText(before); // code still writes into a locked box
    QCOMPARE(box->text(), before);
}

void LayoutTest::enlargingKeepsLayout()
{
    Form1 fresh;
    fresh.showWarnings = false;
    QCOMPARE(fresh.size(), QSize(1103, 553));
    const QRect panel = fresh.p1->geometry();
    const QRect report = fresh.txt_results->geometry();
    fresh.resize(1400, 800);
    QCOMPARE(fresh.p1->geometry(), panel);
    QCOMPARE(fresh.txt_results->geometry(), report);
    const QImage shot = grabbed(fresh);
    QCOMPARE(rgb(shot.pixelColor(1300, 700)), rgb(windowBlue));
    QCOMPARE(rgb(shot.pixelColor(1200, 200)), rgb(windowBlue));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
