// The keyboard and the small things a desktop user expects of the main
// window: Enter in the fields and on the buttons, F1 and Esc for the About
// window, Tab stops that the user can see and that show the focus, and the
// report switch's caption.

#include "about_window/frm_splash.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "words/bad_input.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>

#include <algorithm>

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void enterInAFieldDrawsBothLines_data();
    void enterInAFieldDrawsBothLines();
    void heldEnterInAFieldRunsOnce();
    void enterAndSpacePressButtons_data();
    void enterAndSpacePressButtons();
    void enterOnAButtonRunsItsCommand();
    void f1OpensAboutAndEscClosesIt_data();
    void f1OpensAboutAndEscClosesIt();
    void everyTabStopCanBeSeen();
    void everyTabStopShowsTheFocus();
    void focusMarkOnABorderlessBox_data();
    void focusMarkOnABorderlessBox();
    void noMarkUntilTheKeyboardMovesTheFocus();
    void captionClickTicksTheBox_data();
    void captionClickTicksTheBox();
};

namespace {

int reports(const Form1* form)
{
    return static_cast<int>(form->txt_results->toPlainText().count(QStringLiteral("Equation 1:")));
}

void sendKey(QWidget* to, QEvent::Type type, Qt::Key key, bool autoRepeat = false,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

// A shown, active main window: shortcuts and Tab work only in the active one.
void showActive(LoadedForm& f)
{
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
}

// Tabs from the graph until `target` holds the focus, as a user would.
bool tabTo(QWidget* target)
{
    for (int k = 0; k < 60; ++k) {
        if (QApplication::focusWidget() == target)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return false;
}

// Pixels of the top row or left column inside a control's border (a box
// without a border: its outermost ones), as the window shows them.
QList<QRgb> innerEdge(QWidget* widget, bool top)
{
    const QRect inside = widget->contentsRect().translated(widget->pos());
    const QImage shot = widget->window()->grab(inside).toImage();
    QList<QRgb> pixels;
    const int count = top ? shot.width() : shot.height();
    for (int k = 0; k < count; ++k)
        pixels << (top ? shot.pixel(k, 0) : shot.pixel(0, k));
    return pixels;
}

int blacks(const QList<QRgb>& pixels)
{
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), qRgb(0, 0, 0)));
}

} // namespace

void KeyboardTest::cleanup()
{
    if (frmSplash* about = frmSplash::instance())
        about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void KeyboardTest::enterInAFieldDrawsBothLines_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result"); // a result box, or "warning"
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* field, const char* typed, Qt::Key key,
                   const char* result, const QString& expected) {
        QTest::newRow(name) << QString::fromLatin1(field) << QString::fromLatin1(typed) << int(key)
                            << QString::fromLatin1(result) << expected;
    };
    // Line one runs from (-6, 0) to (8, 7), line two from (-7, -5) to (6, 8).
    row("t1, Return", "t1", "0", Qt::Key_Return, "txt_slope1", "0.875");
    row("t2, keypad Enter", "t2", "7", Qt::Key_Enter, "txt_slope1", "0");
    row("t3, Return", "t3", "-4", Qt::Key_Return, "txt_slope1", "3.5");
    row("t4, keypad Enter", "t4", "0", Qt::Key_Enter, "txt_eqn1", " Y = 0 X +  0");
    row("t1_b, Return", "t1_b", "-2", Qt::Key_Return, "txt_slope2", "1.625");
    row("t2_b, keypad Enter", "t2_b", "8", Qt::Key_Enter, "txt_slope2", "0");
    row("t3_b, Return", "t3_b", "-6", Qt::Key_Return, "txt_slope2", "13");
    row("t4_b, keypad Enter", "t4_b", "-5", Qt::Key_Enter, "lblAns", "(-16,  -5)");
    // The range is read by the same run: an empty one stops it.
    row("txmin, Return", "txmin", "10", Qt::Key_Return, "warning", bad_input::rangeEmpty(10));
    row("txmax, keypad Enter", "txmax", "-10", Qt::Key_Enter, "warning",
        bad_input::rangeEmpty(-10));
}

void KeyboardTest::enterInAFieldDrawsBothLines()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    LoadedForm f;
    QSignalSpy runs(f->cmd_bothlines, &QPushButton::clicked);
    f->Check1->setChecked(true);
    auto* box = f->findChild<QLineEdit*>(field);
    QVERIFY(box);
    LoadedForm::type(box, typed);
    QCOMPARE(runs.count(), 0); // typing alone runs nothing
    const Qt::KeyboardModifiers modifiers
        = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(box, Qt::Key(key), modifiers);
    QCOMPARE(runs.count(), 1);
    if (result == QLatin1String("warning")) {
        QCOMPARE(f.warnings, QStringList { expected });
        QCOMPARE(reports(f.form.get()), 0);
    } else {
        auto* shown = f->findChild<QWidget*>(result);
        QVERIFY(shown);
        const QString text = qobject_cast<QLabel*>(shown) ? qobject_cast<QLabel*>(shown)->text()
                                                          : qobject_cast<QLineEdit*>(shown)->text();
        QCOMPARE(text, expected);
        QCOMPARE(f.warnings, QStringList());
        QCOMPARE(reports(f.form.get()), 1);
    }
    QCOMPARE(box->text(), typed); // the field keeps what was typed
}

void KeyboardTest::heldEnterInAFieldRunsOnce()
{
    LoadedForm f;
    f->Check1->setChecked(true);
    // The key repeats while held: one press, then repeats, then the release.
    sendKey(f->t3, QEvent::KeyPress, Qt::Key_Return);
    for (int k = 0; k < 5; ++k)
        sendKey(f->t3, QEvent::KeyPress, Qt::Key_Return, true);
    sendKey(f->t3, QEvent::KeyRelease, Qt::Key_Return);
    QCOMPARE(reports(f.form.get()), 1);
    // Enter in a box that is not an end point or the range draws nothing.
    QTest::keyClick(f->tx, Qt::Key_Return);
    QTest::keyClick(f->txt_eqn1, Qt::Key_Return);
    QCOMPARE(reports(f.form.get()), 1);
}

void KeyboardTest::enterAndSpacePressButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const char* name :
        { "cmd_bothlines", "draw_line1", "draw_line2", "Command1", "Command2", "cmd_quit" }) {
        QTest::addRow("%s, Return", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
        QTest::addRow("%s, keypad Enter", name) << QString::fromLatin1(name) << int(Qt::Key_Enter);
        QTest::addRow("%s, Space", name) << QString::fromLatin1(name) << int(Qt::Key_Space);
    }
}

void KeyboardTest::enterAndSpacePressButtons()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    LoadedForm f;
    auto* pressed = f->findChild<QPushButton*>(button);
    QVERIFY(pressed);
    // Quitting would end the test; only the press itself is counted here.
    if (pressed == f->cmd_quit)
        QObject::disconnect(pressed, nullptr, f.form.get(), nullptr);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    const Qt::KeyboardModifiers modifiers
        = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    pressed->setFocus();

    // Held, the button shows pushed in and has not acted yet; the key's
    // repeats change nothing; the release clicks it once.
    sendKey(pressed, QEvent::KeyPress, Qt::Key(key), false, modifiers);
    QVERIFY(pressed->isDown());
    QCOMPARE(clicks.count(), 0);
    for (int k = 0; k < 4; ++k)
        sendKey(pressed, QEvent::KeyPress, Qt::Key(key), true, modifiers);
    QCOMPARE(clicks.count(), 0);
    sendKey(pressed, QEvent::KeyRelease, Qt::Key(key), false, modifiers);
    QVERIFY(!pressed->isDown());
    QCOMPARE(clicks.count(), 1);

    QTest::keyClick(pressed, Qt::Key(key), modifiers);
    QCOMPARE(clicks.count(), 2);
}

void KeyboardTest::enterOnAButtonRunsItsCommand()
{
    LoadedForm f;
    LoadedForm::type(f->t1_b, "-2");
    LoadedForm::type(f->t4, "0");
    f->draw_line2->setFocus();
    QTest::keyClick(f->draw_line2, Qt::Key_Return);
    QCOMPARE(f->txt_slope2->text(), "1.625");
    QCOMPARE(f->lblAns->text(), QString()); // one line drawn, no crossing
    const QString upper = f->txmax->text();
    f->Command2->setFocus();
    QTest::keyClick(f->Command2, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(f->txmax->text().toDouble() < upper.toDouble()); // zoomed in
}

void KeyboardTest::f1OpensAboutAndEscClosesIt_data()
{
    QTest::addColumn<QString>("focused");
    for (const char* name :
        { "p1", "t1", "txmax", "cmd_bothlines", "txt_eqn2", "txt_results", "Check1", "exactLink" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void KeyboardTest::f1OpensAboutAndEscClosesIt()
{
    QFETCH(QString, focused);
    LoadedForm f;
    showActive(f);
    auto* control = f->findChild<QWidget*>(focused);
    QVERIFY(control);
    control->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), control);
    QCOMPARE(frmSplash::instance(), nullptr);

    QTest::keyClick(control, Qt::Key_F1);
    QPointer<frmSplash> about = frmSplash::instance();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(reports(f.form.get()), 0); // nothing else ran
    QVERIFY(QTest::qWaitForWindowActive(about));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(frmSplash::instance(), nullptr);
    QVERIFY(!about || !about->isVisible());
    QVERIFY(f->isVisible()); // Esc closed only the About window
}

void KeyboardTest::everyTabStopCanBeSeen()
{
    LoadedForm f;
    showActive(f);
    f->p1->setFocus(Qt::OtherFocusReason);
    QSet<QWidget*> seen;
    QWidget* stop = f->p1;
    do {
        seen << stop;
        QVERIFY2(stop->isVisible(), qPrintable(stop->objectName()));
        // The control itself shows at its centre: no other lies over it.
        const QPoint centre = stop->geometry().center();
        QWidget* top = f->childAt(centre);
        QVERIFY2(top == stop || stop->isAncestorOf(top),
            qPrintable(stop->objectName() + QStringLiteral(" lies under ")
                + (top ? top->objectName() : QStringLiteral("nothing"))));
        QTest::keyClick(stop, Qt::Key_Tab);
        stop = QApplication::focusWidget();
        QVERIFY(stop);
    } while (!seen.contains(stop) && seen.size() < 100);
    QCOMPARE(stop, static_cast<QWidget*>(f->p1)); // one cycle through every stop
    QCOMPARE(seen.size(), 29);
    for (QWidget* covered : { f->txt_slope1, f->txt_slope2, f->txt_yint1, f->txt_yint2 })
        QVERIFY2(!seen.contains(covered), qPrintable(covered->objectName()));
}

void KeyboardTest::everyTabStopShowsTheFocus()
{
    LoadedForm f;
    showActive(f);
    f->p1->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f->p1, Qt::Key_Tab);
    // Every stop, as the Tab key reaches it and after it leaves.
    QWidget* stop = QApplication::focusWidget();
    for (int k = 0; k < 28; ++k) {
        const QRect place(stop->mapTo(f.form.get(), QPoint(0, 0)), stop->size());
        const QImage focused = f->grab(place).toImage();
        QTest::keyClick(stop, Qt::Key_Tab);
        QVERIFY2(f->grab(place).toImage() != focused, qPrintable(stop->objectName()));
        stop = QApplication::focusWidget();
    }
}

void KeyboardTest::focusMarkOnABorderlessBox_data()
{
    QTest::addColumn<QString>("box");
    for (const char* name : { "txt_eqn1", "txt_l2yint", "txmin", "txmax" })
        QTest::newRow(name) << QString::fromLatin1(name);
    QTest::newRow("the graph") << "p1";
    QTest::newRow("the report, inside its border") << "txt_results";
}

void KeyboardTest::focusMarkOnABorderlessBox()
{
    QFETCH(QString, box);
    LoadedForm f;
    showActive(f);
    auto* marked = f->findChild<QWidget*>(box);
    QVERIFY(marked);
    QTest::keyClick(f->p1, Qt::Key_Tab); // the keyboard has moved the focus
    QVERIFY(QApplication::focusWidget() != marked);
    const QList<QRgb> plainTop = innerEdge(marked, true);
    const QList<QRgb> plainLeft = innerEdge(marked, false);
    QVERIFY(tabTo(marked));

    // A dotted frame: every other pixel of its top and left edges is black.
    for (const bool top : { true, false }) {
        const QList<QRgb> pixels = innerEdge(marked, top);
        const int count = blacks(pixels);
        QVERIFY2(count >= pixels.size() / 2 - 1 && count <= pixels.size() / 2 + 2,
            qPrintable(QStringLiteral("%1 black of %2").arg(count).arg(pixels.size())));
    }
    // Unfocused, the edges are as they were.
    QTest::keyClick(marked, Qt::Key_Tab);
    QCOMPARE(innerEdge(marked, true), plainTop);
    QCOMPARE(innerEdge(marked, false), plainLeft);
    if (marked != f->p1 && marked != f->txt_results)
        QCOMPARE(blacks(plainTop), 0);
}

void KeyboardTest::noMarkUntilTheKeyboardMovesTheFocus()
{
    // The window starts with the graph focused and looks as designed: no
    // mark on the graph, nor on a box clicked into.
    LoadedForm f;
    showActive(f);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->p1));
    const QList<QRgb> graphFocused = innerEdge(f->p1, true);
    // The equation boxes show a thin frame while focused: a crossing box
    // shows nothing.
    const QList<QRgb> boxUnfocused = innerEdge(f->txt_l1xint, true);
    QTest::mouseClick(f->txt_l1xint, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->txt_l1xint));
    QCOMPARE(innerEdge(f->p1, true), graphFocused);
    QCOMPARE(innerEdge(f->txt_l1xint, true), boxUnfocused);
    QCOMPARE(blacks(boxUnfocused), 0);
}

void KeyboardTest::captionClickTicksTheBox_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("left click on the words") << int(Qt::LeftButton) << QPoint(30, 8) << true;
    QTest::newRow("left click at the caption's end")
        << int(Qt::LeftButton) << QPoint(220, 8) << true;
    QTest::newRow("right click") << int(Qt::RightButton) << QPoint(30, 8) << false;
    QTest::newRow("released outside") << int(Qt::LeftButton) << QPoint(400, 8) << false;
}

void KeyboardTest::captionClickTicksTheBox()
{
    QFETCH(int, button);
    QFETCH(QPoint, at);
    QFETCH(bool, ticks);
    LoadedForm f;
    showActive(f);
    QSignalSpy toggles(f->Check1, &QCheckBox::toggled);
    QTest::mousePress(f->Label1, Qt::MouseButton(button), {}, QPoint(30, 8));
    QTest::mouseRelease(f->Label1, Qt::MouseButton(button), {}, at);
    QCOMPARE(f->Check1->isChecked(), ticks);
    QCOMPARE(f->PlaceResults, ticks);
    QCOMPARE(toggles.count(), ticks ? 1 : 0);
    if (!ticks)
        return;
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Check1));
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(reports(f.form.get()), 1);
    // A second click unticks it, as the box's own caption would.
    QTest::mouseClick(f->Label1, Qt::LeftButton, {}, at);
    QVERIFY(!f->Check1->isChecked());
    QVERIFY(!f->PlaceResults);
    QCOMPARE(toggles.count(), 2);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
