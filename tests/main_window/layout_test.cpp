// The main window's controls as a table: name, kind, place, text, font,
// colours and accessible name, and the attributes that change how they take
// typing, on the offscreen platform.

#include "graph/graph_panel.h"
#include "look/fonts.h"
#include "main_window/form1.h"
#include "window_colours.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

using namespace window_test;

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void controls_data() { windowModel(); }
    void controls();
    void initialTexts_data();
    void initialTexts();
    void fonts_data() { windowModel(); }
    void fonts();
    void substitutionsNameFreeFaces_data();
    void substitutionsNameFreeFaces();
    void boxes_data();
    void boxes();
    void colours_data() { windowModel(); }
    void colours();
    void accessibleNames_data() { windowModel(); }
    void accessibleNames();
    void resultLabelReadsItsCurrentText();
    void readoutsCutLongText_data();
    void readoutsCutLongText();
    void lockedBoxesRejectTyping_data();
    void lockedBoxesRejectTyping();

private:
    static void windowModel();
    QWidget* control(const QString& name) const;

    std::unique_ptr<Form1> form_;
};

void LayoutTest::initTestCase()
{
    form_ = std::make_unique<Form1>();
    form_->showWarnings = false;
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void LayoutTest::cleanupTestCase()
{
    form_.reset();
}

QWidget* LayoutTest::control(const QString& name) const
{
    return form_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

// The window model: one row a control, with its class, place in pixels,
// font as asked for, background colour and accessible name (null: none of
// its own). Several tests read their columns from this one table.
void LayoutTest::windowModel()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("accessibleName");
    const char* const sans = "MS Sans Serif";
    const char* const comic = "Comic Sans MS";
    const char* const tahoma = "Tahoma";
    const QColor green(0, 192, 0);
    const QColor teal(0, 192, 192);
    const QColor orange(255, 128, 0);
    auto row = [](const char* name, const char* className, QRect geometry, const char* family,
                   qreal points, const QColor& background, const char* accessible = nullptr) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className)
                            << geometry << QString::fromLatin1(family) << points << background
                            << (accessible ? QString::fromLatin1(accessible) : QString());
    };
    row("lbl_yaxis", "QLabel", { 256, 8, 25, 25 }, sans, 12, windowBlue);
    row("p1", "graph::GraphPanel", { 16, 32, 509, 467 }, sans, 8.25, QColor(), "Graph");
    row("txmax", "QLineEdit", { 528, 264, 17, 19 }, sans, 8.25, windowBlue,
        "Highest value of the range");
    row("txmin", "QLineEdit", { 264, 502, 23, 13 }, sans, 8.25, windowBlue,
        "Lowest value of the range");
    row("lbl_mouscoord", "QLabel", { 8, 504, 129, 25 }, comic, 9, windowBlue);
    row("lbl_mouscoords", "QLabel", { 8, 520, 89, 17 }, tahoma, 12, windowBlue);
    row("tx", "QLineEdit", { 24, 520, 37, 19 }, tahoma, 9, white, "Pointer X");
    row("ty", "QLineEdit", { 80, 520, 37, 19 }, tahoma, 9, white, "Pointer Y");
    row("Command2", "PictureButton", { 304, 512, 97, 33 }, comic, 12, windowBlue, "Zoom In");
    row("Command1", "PictureButton", { 424, 512, 105, 33 }, comic, 12, windowBlue, "Zoom Out");
    row("Shape1", "Shape", { 568, 32, 513, 465 }, sans, 8.25, QColor());
    row("Shape2", "Shape", { 576, 40, 497, 289 }, sans, 8.25, QColor());
    row("lbl_y1_0", "QLabel", { 584, 56, 185, 25 }, comic, 14.25, panelLilac);
    row("txt_eqn1", "QLineEdit", { 720, 56, 249, 33 }, comic, 14.25, panelLilac,
        "Equation of line 1");
    row("txt_slope1", "QLineEdit", { 768, 56, 41, 25 }, comic, 14.25, windowBlue,
        "Slope of line 1");
    row("lbl_x1", "QLabel", { 816, 56, 33, 25 }, comic, 14.25, windowBlue);
    row("txt_yint1", "QLineEdit", { 856, 56, 49, 25 }, comic, 14.25, windowBlue,
        "Y-intercept of line 1");
    row("lbl_xyintline1", "QLabel", { 728, 88, 329, 25 }, comic, 12, panelLilac);
    row("txt_l1xint", "QLineEdit", { 792, 88, 57, 25 }, comic, 12, panelLilac,
        "X-axis crossing of line 1");
    row("txt_l1yint", "QLineEdit", { 992, 88, 57, 25 }, comic, 12, panelLilac,
        "Y-axis crossing of line 1");
    row("lbl_y1_1", "QLabel", { 584, 120, 185, 25 }, comic, 14.25, panelLilac);
    row("txt_eqn2", "QLineEdit", { 720, 120, 201, 41 }, comic, 14.25, panelLilac,
        "Equation of line 2");
    row("txt_slope2", "QLineEdit", { 768, 128, 41, 25 }, comic, 14.25, windowBlue,
        "Slope of line 2");
    row("lbl_x2", "QLabel", { 816, 128, 33, 25 }, comic, 14.25, windowBlue);
    row("txt_yint2", "QLineEdit", { 856, 128, 49, 25 }, comic, 14.25, windowBlue,
        "Y-intercept of line 2");
    row("lbl_xyintline2", "QLabel", { 728, 160, 337, 25 }, comic, 12, panelLilac);
    row("txt_l2xint", "QLineEdit", { 792, 160, 57, 25 }, comic, 12, panelLilac,
        "X-axis crossing of line 2");
    row("txt_l2yint", "QLineEdit", { 992, 160, 57, 25 }, comic, 12, panelLilac,
        "Y-axis crossing of line 2");
    row("lbl_intval", "QLabel", { 584, 184, 121, 33 }, comic, 14.25, panelLilac);
    row("lblAns", "QLabel", { 728, 184, 313, 33 }, comic, 14.25, panelLilac);
    row("lbl_l1", "QLabel", { 648, 224, 257, 17 }, comic, 9, panelLilac);
    row("draw_line1", "PictureButton", { 952, 232, 107, 33 }, comic, 9.75, green, "Draw Line 1");
    row("cmd_bothlines", "PictureButton", { 584, 240, 51, 73 }, comic, 9.75, orange,
        "Draw Both Lines");
    row("t1", "QLineEdit", { 648, 240, 49, 19 }, sans, 8.25, white, "Line 1, X1");
    row("t2", "QLineEdit", { 712, 240, 49, 19 }, sans, 8.25, white, "Line 1, Y1");
    row("t3", "QLineEdit", { 808, 240, 49, 19 }, sans, 8.25, white, "Line 1, X2");
    row("t4", "QLineEdit", { 872, 240, 49, 19 }, sans, 8.25, white, "Line 1, Y2");
    row("lbl_l2", "QLabel", { 648, 280, 257, 17 }, comic, 9, panelLilac);
    row("draw_line2", "PictureButton", { 952, 288, 107, 33 }, comic, 9.75, teal, "Draw Line 2");
    row("t1_b", "QLineEdit", { 648, 296, 49, 19 }, sans, 8.25, white, "Line 2, X1");
    row("t2_b", "QLineEdit", { 712, 296, 49, 19 }, sans, 8.25, white, "Line 2, Y1");
    row("t3_b", "QLineEdit", { 808, 296, 49, 19 }, sans, 8.25, white, "Line 2, X2");
    row("t4_b", "QLineEdit", { 872, 296, 49, 19 }, sans, 8.25, white, "Line 2, Y2");
    row("Check1", "QCheckBox", { 576, 336, 17, 21 }, sans, 8.25, panelLilac,
        "Place results into the textbox below");
    row("Label1", "QLabel", { 600, 336, 225, 17 }, comic, 9, panelLilac);
    row("txt_results", "QPlainTextEdit", { 576, 360, 497, 129 }, tahoma, 9, white, "Results");
    row("cmd_quit", "PictureButton", { 960, 512, 105, 33 }, comic, 12, windowBlue, "Quit");
    row("lblCredits", "QLabel", { 1056, 8, 64, 15 }, sans, 8.25, windowBlue);
}

void LayoutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);

    const QList<QWidget*> named = form_->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly);
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
    for (const char* name :
        { "draw_line1", "draw_line2", "cmd_bothlines", "Command1", "Command2", "cmd_quit" })
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
    QCOMPARE(form_->windowTitle(), QStringLiteral("Quarnby's Trellan"));
    QVERIFY(!form_->Check1->isChecked());
}

void LayoutTest::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    const QFont font = control(name)->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(QFontInfo(font).family(), freeFaces.value(family));
    QCOMPARE(font.pointSizeF(), points);
    // lblAns's weight belongs to the crossing-point command; lbl_yaxis and
    // lblCredits are the only bold texts of the layout.
    if (name != QLatin1String("lblAns"))
        QCOMPARE(
            font.bold(), name == QLatin1String("lbl_yaxis") || name == QLatin1String("lblCredits"));
    QCOMPARE(font.underline(), name == QLatin1String("lblCredits"));
}

void LayoutTest::substitutionsNameFreeFaces_data()
{
    QTest::addColumn<QString>("family");
    for (const QString& family : freeFaces.keys())
        QTest::newRow(qPrintable(family)) << family;
}

void LayoutTest::substitutionsNameFreeFaces()
{
    QFETCH(QString, family);
    const QString face = freeFaces.value(family);
    look::installFontSubstitutions(); // a second time: nothing is added twice
    QVERIFY(QFont::substitutes(family).size() <= 1); // none where fontconfig names the face
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
    for (const char* name : { "t1", "t2", "t3", "t4", "t1_b", "t2_b", "t3_b", "t4_b", "tx", "ty" })
        row(name, true, false, Qt::AlignLeft);
    row("txt_slope1", false, true, Qt::AlignRight);
    row("txt_slope2", false, true, Qt::AlignRight);
    row("txt_yint1", false, true, Qt::AlignLeft);
    row("txt_yint2", false, true, Qt::AlignLeft);
    row("txt_eqn1", false, false, Qt::AlignLeft);
    row("txt_eqn2", false, false, Qt::AlignLeft);
    for (const char* name : { "txt_l1xint", "txt_l1yint", "txt_l2xint", "txt_l2yint" })
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
    // The locked boxes lie under the equation boxes: no Tab stop there.
    QCOMPARE(box->focusPolicy(), locked ? Qt::NoFocus : Qt::StrongFocus);

    QCOMPARE(form_->lbl_yaxis->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(form_->txt_results->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(form_->txt_results->verticalScrollBar()->isVisible());
}

void LayoutTest::colours()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QWidget* widget = control(name);
    const QPalette& colours = widget->palette();
    const QColor text = name == QLatin1String("lblCredits") ? QColor(0, 0, 255) : black;
    if (!background.isValid()) {
        QVERIFY(!widget->autoFillBackground()); // the panel and the shapes paint themselves
    } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
        QCOMPARE(colours.color(QPalette::Base), background);
        QCOMPARE(colours.color(QPalette::Text), text);
    } else if (qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(colours.color(QPalette::Button), background);
    } else {
        QVERIFY(widget->autoFillBackground());
        QCOMPARE(colours.color(QPalette::Window), background);
        QCOMPARE(colours.color(QPalette::WindowText), text);
    }
    QCOMPARE(form_->palette().color(QPalette::Window), windowBlue);
}

void LayoutTest::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QWidget* widget = control(name);
    QCOMPARE(widget->accessibleName(), accessibleName);
    // Labels have no name of their own: a screen reader reads their text.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    if (!accessibleName.isNull())
        QCOMPARE(face->text(QAccessible::Name), accessibleName);
}

void LayoutTest::resultLabelReadsItsCurrentText()
{
    const QString before = form_->lblAns->text();
    form_->lblAns->setText(QStringLiteral("(2,  4)"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form_->lblAns);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("(2,  4)"));
    form_->lblAns->setText(before);
}

void LayoutTest::readoutsCutLongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("long negative") << "-3.456"
                                   << "-3.4";
    QTest::newRow("five characters") << "12345"
                                     << "1234";
    QTest::newRow("exactly four") << "-0.5"
                                  << "-0.5";
    QTest::newRow("short") << "7"
                           << "7";
    QTest::newRow("empty") << ""
                           << "";
}

void LayoutTest::readoutsCutLongText()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    for (QLineEdit* readout : { form_->tx, form_->ty }) {
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

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
