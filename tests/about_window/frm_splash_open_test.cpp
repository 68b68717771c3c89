// Opening and closing the About window: one at a time, centred when made.

#include "about_test_support.h"
#include "about_window/frm_splash.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

int openSplashWindows()
{
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<const frmSplash*>(widget) && widget->isVisible())
            ++count;
    }
    return count;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPoint screenCentre()
{
    return QGuiApplication::primaryScreen()->geometry().center();
}

} // namespace

class SplashOpenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void noWindowBeforeOpen();
    void openTwiceShowsOneWindow();
    void openIsCentredOnScreen();
    void openAgainKeepsPlaceAndContents();
    void closing_data();
    void closing();
    void reopenAfterCloseIsCentredAgain();
    void quittingClosesIt();
    void mainWindowStaysUsable();
};

void SplashOpenTest::cleanup()
{
    QApplication::closeAllWindows();
    deleteClosedWindows();
}

void SplashOpenTest::noWindowBeforeOpen()
{
    QCOMPARE(frmSplash::instance(), nullptr);
    QCOMPARE(openSplashWindows(), 0);
}

void SplashOpenTest::openTwiceShowsOneWindow()
{
    frmSplash* first = frmSplash::open();
    frmSplash* second = frmSplash::open();
    QVERIFY(first);
    QCOMPARE(second, first);
    QCOMPARE(frmSplash::instance(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(openSplashWindows(), 1);
}

void SplashOpenTest::openIsCentredOnScreen()
{
    frmSplash* window = frmSplash::open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint offset = window->frameGeometry().center() - screenCentre();
    QVERIFY2(offset.manhattanLength() <= 2,
        qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

void SplashOpenTest::openAgainKeepsPlaceAndContents()
{
    frmSplash* window = frmSplash::open();
    window->move(7, 9);
    auto* title = window->findChild<QLabel*>(QStringLiteral("lblTitle"));
    QVERIFY(title);
    title->setText(QStringLiteral("marker"));
    window->hide();

    QCOMPARE(frmSplash::open(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), QPoint(7, 9));
    QCOMPARE(title->text(), QStringLiteral("marker"));
}

void SplashOpenTest::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click on Close") << "click";
    QTest::newRow("space bar on Close") << "space";
    QTest::newRow("Enter on Close") << "enter";
    QTest::newRow("keypad Enter on Close") << "keypad enter";
    QTest::newRow("Esc with Close focused") << "esc";
    QTest::newRow("Esc on the window") << "esc on window";
}

void SplashOpenTest::closing()
{
    QFETCH(QString, how);
    QPointer<frmSplash> window = frmSplash::open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* close = window->findChild<QPushButton*>(QStringLiteral("cmdclose"));
    QVERIFY(close);
    if (how == QLatin1String("click"))
        QTest::mouseClick(close, Qt::LeftButton);
    else if (how == QLatin1String("space"))
        QTest::keyClick(close, Qt::Key_Space);
    else if (how == QLatin1String("keypad enter"))
        QTest::keyClick(close, Qt::Key_Enter, Qt::KeypadModifier);
    else if (how == QLatin1String("esc"))
        QTest::keyClick(close, Qt::Key_Escape);
    else if (how == QLatin1String("esc on window"))
        QTest::keyClick(window, Qt::Key_Escape);
    else
        QTest::keyClick(close, Qt::Key_Return);

    QCOMPARE(frmSplash::instance(), nullptr);
    QCOMPARE(openSplashWindows(), 0);
    deleteClosedWindows();
    QVERIFY(window.isNull());
}

void SplashOpenTest::reopenAfterCloseIsCentredAgain()
{
    frmSplash* first = frmSplash::open();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    first->move(3, 4);
    auto* close = first->findChild<QPushButton*>(QStringLiteral("cmdclose"));
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(frmSplash::instance(), nullptr);

    // Opened again before the closed one is even deleted.
    frmSplash* second = frmSplash::open();
    QVERIFY(second);
    QVERIFY(QTest::qWaitForWindowExposed(second));
    deleteClosedWindows();
    QCOMPARE(frmSplash::instance(), second);
    QCOMPARE(openSplashWindows(), 1);
    const QPoint offset = second->frameGeometry().center() - screenCentre();
    QVERIFY(offset.manhattanLength() <= 2);
    auto* title = second->findChild<QLabel*>(QStringLiteral("lblTitle"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Trellan"));
}

void SplashOpenTest::quittingClosesIt()
{
    QPointer<frmSplash> window = frmSplash::open();
    QApplication::closeAllWindows();
    QCOMPARE(frmSplash::instance(), nullptr);
    deleteClosedWindows();
    QVERIFY(window.isNull());
}

// The About window is modeless: another window still takes input.
void SplashOpenTest::mainWindowStaysUsable()
{
    QWidget mainWindow;
    auto* button = new QPushButton(QStringLiteral("Command"), &mainWindow);
    int clicks = 0;
    connect(button, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    frmSplash* window = frmSplash::open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QVERIFY(window->isVisible());
}

int runSplashOpenTests(int argc, char** argv)
{
    SplashOpenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frm_splash_open_test.moc"
