#include "about_window/frm_splash.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"

#include <QApplication>
#include <QLabel>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void aboutOpensOnceAndLeavesTheWindowUsable();
    void quitClosesBothWindows();
    void windowHasItsIcon();
    void focusStartsOnTheGraph();
};

void WindowTest::aboutOpensOnceAndLeavesTheWindowUsable()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QTest::mouseClick(f->lblCredits, Qt::LeftButton);
    QTest::mouseClick(f->lblCredits, Qt::LeftButton);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<frmSplash*>(w) && w->isVisible();
    QCOMPARE(open, 1);
    QVERIFY(frmSplash::instance());
    // The main window's commands still work while it is open.
    LoadedForm::type(f->t4, "9");
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f->txt_slope1->text(), "0.642857142857143");
    QVERIFY(frmSplash::instance()->isVisible());
    frmSplash::instance()->close();
}

void WindowTest::quitClosesBothWindows()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QTest::mouseClick(f->lblCredits, Qt::LeftButton);
    QPointer<frmSplash> about = frmSplash::instance();
    QVERIFY(about && about->isVisible());
    LoadedForm::click(f->cmd_quit);
    QVERIFY(!f->isVisible());
    QTRY_VERIFY(!about || !about->isVisible());
}

void WindowTest::windowHasItsIcon()
{
    LoadedForm f;
    QVERIFY(!f->windowIcon().isNull());
    QVERIFY(f->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void WindowTest::focusStartsOnTheGraph()
{
    LoadedForm f;
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->p1));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
