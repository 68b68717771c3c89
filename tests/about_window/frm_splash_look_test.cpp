// What the About window shows: texts, layout, fonts, colours and focus.

#include "about_test_support.h"
#include "about_window/frm_splash.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class SplashLookTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void geometry_data();
    void geometry();
    void fonts_data();
    void fonts();
    void textColours_data();
    void textColours();
    void alignment_data();
    void alignment();
    void linesFit_data();
    void linesFit();
    void pixels_data();
    void pixels();
    void textDrawnInItsColour_data();
    void textDrawnInItsColour();
    void frame();
    void onlyCloseTakesFocus();
    void screenReaderNames_data();
    void screenReaderNames();

private:
    QImage shot_;
};

void SplashLookTest::init()
{
    frmSplash* window = frmSplash::open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    shot_ = window->grab().toImage();
}

void SplashLookTest::cleanup()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SplashLookTest::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "lblTitle"
                           << "Trellan";
    QTest::newRow("description") << "lblCopyright"
                                 << "A simple program to check your results";
    QTest::newRow("version") << "lblVersion"
                             << "Free for good under the GNU GPL, Version 1.00 Build 65\n"
                                "Some bugs still to be ironed out!";
    QTest::newRow("credits") << "LblBy"
                             << "By Trellan developers\n"
                                "Made during August 2008\n"
                                "Email: trellan@trellan.example.org";
    QTest::newRow("to do") << "Label1"
                           << " To Do\n"
                              "Fix decimal round off errors\n"
                              "Include decimal to fraction conversion\n"
                              "Add dragable lines\n"
                              "Include coordinates on the endpoints\n"
                              "Include a dynamic intersection routine\n"
                              "Include a print facilty\n"
                              "Include a screen capture facility";
}

void SplashLookTest::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    const auto* label = qobject_cast<QLabel*>(splashControl(name));
    QVERIFY(label);
    QCOMPARE(shownText(label), text);
}

void SplashLookTest::geometry_data()
{
    // Twips divided by 15, inside the client area.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("lblTitle") << "lblTitle" << QRect(8, 8, 425, 33);
    QTest::newRow("lblCopyright") << "lblCopyright" << QRect(24, 32, 393, 33);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(16, 80, 409, 57);
    QTest::newRow("LblBy") << "LblBy" << QRect(48, 128, 233, 41);
    QTest::newRow("cmdclose") << "cmdclose" << QRect(320, 128, 89, 33);
    QTest::newRow("Label1") << "Label1" << QRect(32, 184, 321, 193);
}

void SplashLookTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const QWidget* control = splashControl(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), frmSplash::instance()->clientArea());
    QCOMPARE(control->geometry(), rect);
}

void SplashLookTest::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("lblTitle") << "lblTitle"
                              << "MS Sans Serif" << 18.0 << true;
    QTest::newRow("lblCopyright") << "lblCopyright"
                                  << "Comic Sans MS" << 15.0 << true;
    QTest::newRow("lblVersion") << "lblVersion"
                                << "Comic Sans MS" << 12.0 << false;
    QTest::newRow("LblBy") << "LblBy"
                           << "Comic Sans MS" << 9.75 << false;
    QTest::newRow("cmdclose") << "cmdclose"
                              << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Label1") << "Label1"
                            << "Comic Sans MS" << 12.0 << false;
}

void SplashLookTest::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    const QWidget* control = splashControl(name);
    QVERIFY(control);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    // The classic names show the free faces the program maps them onto, with
    // no main window ever made in this test.
    const QString installed = family == QLatin1String("Comic Sans MS")
        ? QStringLiteral("Comic Neue")
        : QStringLiteral("Liberation Sans");
    QCOMPARE(QFontInfo(control->font()).family(), installed);
}

void SplashLookTest::textColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("lblTitle") << "lblTitle" << QColor(255, 0, 0);
    QTest::newRow("lblCopyright") << "lblCopyright" << QColor(0, 0, 0);
    QTest::newRow("lblVersion") << "lblVersion" << QColor(0, 0, 0);
    QTest::newRow("LblBy") << "LblBy" << QColor(0, 0, 192);
    QTest::newRow("Label1") << "Label1" << QColor(0, 0, 0);
}

void SplashLookTest::textColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    const QWidget* control = splashControl(name);
    QVERIFY(control);
    QCOMPARE(control->palette().color(QPalette::WindowText), colour);
    QVERIFY(!control->autoFillBackground());
}

void SplashLookTest::alignment_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("horizontal");
    QTest::newRow("lblTitle") << "lblTitle" << int(Qt::AlignHCenter);
    QTest::newRow("lblCopyright") << "lblCopyright" << int(Qt::AlignHCenter);
    QTest::newRow("lblVersion") << "lblVersion" << int(Qt::AlignHCenter);
    QTest::newRow("LblBy") << "LblBy" << int(Qt::AlignLeft);
    QTest::newRow("Label1") << "Label1" << int(Qt::AlignHCenter);
}

void SplashLookTest::alignment()
{
    QFETCH(QString, name);
    QFETCH(int, horizontal);
    const auto* label = qobject_cast<QLabel*>(splashControl(name));
    QVERIFY(label);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), horizontal);
    QVERIFY(label->wordWrap());
}

void SplashLookTest::linesFit_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : { "lblTitle", "lblCopyright", "lblVersion", "LblBy", "Label1" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Each line shows whole on a line of its own, and no line falls below the
// label's bottom edge.
void SplashLookTest::linesFit()
{
    QFETCH(QString, name);
    const auto* label = qobject_cast<QLabel*>(splashControl(name));
    QVERIFY(label);
    const QFontMetrics metrics(label->font());
    for (const QString& line : shownText(label).split(u'\n'))
        QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
        qPrintable(QStringLiteral("needs %1 px").arg(label->heightForWidth(label->width()))));
}

void SplashLookTest::pixels_data()
{
    // Points in the client area, away from any text.
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    const QColor background(192, 192, 255);
    QTest::newRow("background, lower right") << QPoint(415, 370) << background;
    QTest::newRow("background, upper left") << QPoint(2, 2) << background;
    QTest::newRow("through Label1 left of its text") << QPoint(36, 300) << background;
    QTest::newRow("through LblBy right of its text") << QPoint(276, 135) << background;
    QTest::newRow("through lblVersion at its top") << QPoint(20, 81) << background;
    QTest::newRow("face of cmdclose, left of caption") << QPoint(328, 144) << QColor(128, 128, 255);
    QTest::newRow("face of cmdclose, right of caption")
        << QPoint(400, 144) << QColor(128, 128, 255);
}

void SplashLookTest::pixels()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QPoint inWindow = point + QPoint(frmSplash::borderWidth, frmSplash::borderWidth);
    QCOMPARE(shot_.pixelColor(inWindow), colour);
}

void SplashLookTest::textDrawnInItsColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("lblTitle red") << "lblTitle" << QColor(255, 0, 0);
    QTest::newRow("lblCopyright black") << "lblCopyright" << QColor(0, 0, 0);
    QTest::newRow("lblVersion black") << "lblVersion" << QColor(0, 0, 0);
    QTest::newRow("LblBy dark blue") << "LblBy" << QColor(0, 0, 192);
    QTest::newRow("Label1 black") << "Label1" << QColor(0, 0, 0);
    QTest::newRow("cmdclose caption black") << "cmdclose" << QColor(0, 0, 0);
}

// The glyphs' solid cores carry the text colour.
void SplashLookTest::textDrawnInItsColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    const QWidget* control = splashControl(name);
    QVERIFY(control);
    QRect area = control->geometry().translated(frmSplash::borderWidth, frmSplash::borderWidth);
    if (name == QLatin1String("cmdclose"))
        area = area.adjusted(4, 4, -4, -4); // inside the button's edge
    area &= shot_.rect();
    int matching = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            matching += nearColour(shot_.pixelColor(x, y), colour, 24) ? 1 : 0;
    }
    QVERIFY2(matching >= 10, qPrintable(QStringLiteral("%1 pixels").arg(matching)));
}

void SplashLookTest::frame()
{
    frmSplash* window = frmSplash::instance();
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), nullptr);
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!window->isModal());
    QCOMPARE(window->clientArea()->geometry(), QRect(1, 1, 429, 381));
    QCOMPARE(window->size(), QSize(431, 383));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->clientArea()->palette().color(QPalette::Window), QColor(192, 192, 255));
    // The one-pixel border all round, drawn in black.
    for (const QPoint corner : { QPoint(0, 0), QPoint(430, 0), QPoint(0, 382), QPoint(430, 382),
             QPoint(215, 0), QPoint(0, 191), QPoint(430, 191), QPoint(215, 382) })
        QCOMPARE(shot_.pixelColor(corner), QColor(Qt::black));
}

void SplashLookTest::onlyCloseTakesFocus()
{
    frmSplash* window = frmSplash::instance();
    const auto* close = window->findChild<QPushButton*>(QStringLiteral("cmdclose"));
    QVERIFY(close);
    QVERIFY(close->focusPolicy() & Qt::TabFocus);
    const QList<QWidget*> children = window->findChildren<QWidget*>();
    for (const QWidget* child : children) {
        if (child != close)
            QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
    }
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QApplication::focusWidget(), close);
}

void SplashLookTest::screenReaderNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("window") << ""
                            << "About Trellan";
    QTest::newRow("title") << "lblTitle"
                           << "Trellan";
    QTest::newRow("version") << "lblVersion"
                             << "Version 1.00 Build 65";
    QTest::newRow("credits") << "LblBy"
                             << "Email: trellan@trellan.example.org";
    QTest::newRow("to do") << "Label1"
                           << "Include a screen capture facility";
    QTest::newRow("close") << "cmdclose"
                           << "Close";
}

void SplashLookTest::screenReaderNames()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QWidget* widget = name.isEmpty() ? frmSplash::instance() : splashControl(name);
    QVERIFY(widget);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QVERIFY2(accessible->text(QAccessible::Name).contains(spoken),
        qPrintable(accessible->text(QAccessible::Name)));
    QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
}

int runSplashLookTests(int argc, char** argv)
{
    SplashLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frm_splash_look_test.moc"
