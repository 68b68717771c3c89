// Where the Exact values window opens: out of the way of the main window's
// fields and graph where the screen has room, else over the graph's lower
// part, never over the fields; where the pupil moved it, once moved. The
// window test runs on two screens, 1366 by 768 and 1920 by 1080, that the
// offscreen platform is given before the application starts.
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/widgets/tool_place.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The main window's inner size and, inside it, what stays in sight.
const QSize mainWindow(1103, 553);
const QRect fieldsInside(576, 40, 497, 317);
const QRect graphInside(16, 32, 529, 513);

QRect centred(const QRect& screen)
{
    QRect owner(QPoint(0, 0), mainWindow);
    owner.moveCenter(screen.center());
    return owner;
}

// What must stay in sight, in the window's own coordinates.
QList<QWidget*> inSight(const Form1& w)
{
    return { w.p1, w.txmin, w.txmax, w.Command1, w.Command2, w.txt_eqn1, w.txt_eqn2, w.txt_slope1,
        w.txt_l1xint, w.txt_l2yint, w.lblAns, w.t1, w.t2, w.t3, w.t4, w.t1_b, w.t2_b, w.t3_b,
        w.t4_b, w.draw_line1, w.draw_line2, w.cmd_bothlines, w.Check1 };
}

} // namespace

class ToolPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void outOfTheWay_data();
    void outOfTheWay();
    void opensOutOfTheWayOnEachScreen_data();
    void opensOutOfTheWayOnEachScreen();
    void keepsThePlaceThePupilMovedItTo();
};

void ToolPlaceTest::outOfTheWay_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("clearOfOwner");
    // The main window centred on each screen; the tool window is 500 by 500.
    QTest::newRow("1920x1080: right of the main window, narrowed")
        << QRect(0, 0, 1920, 1080) << QRect(1511, 263, 409, 500) << true;
    QTest::newRow("1366x768: under the fields, right of the graph, lowered")
        << QRect(0, 0, 1366, 768) << QRect(866, 464, 500, 304) << false;
    QTest::newRow("1600x1000: under the fields, right of the graph")
        << QRect(0, 0, 1600, 1000) << QRect(1100, 580, 500, 420) << false;
    QTest::newRow("2560x1440 below a panel: beside, whole")
        << QRect(0, 40, 2560, 1400) << QRect(1831, 463, 500, 500) << true;
    QTest::newRow("1024x600: over the graph's lower half")
        << QRect(0, 0, 1024, 600) << QRect(0, 300, 500, 300) << false;
}

void ToolPlaceTest::outOfTheWay()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, place);
    QFETCH(bool, clearOfOwner);
    const QRect owner = centred(screen);
    const InSight keep { fieldsInside.translated(owner.topLeft()),
        graphInside.translated(owner.topLeft()) };
    const QRect at = ::outOfTheWay(screen, owner, keep, QSize(500, 500));
    QCOMPARE(at, place);
    QVERIFY(screen.contains(at));
    QVERIFY(!at.intersects(keep.fields));
    QCOMPARE(!at.intersects(owner), clearOfOwner);
}

void ToolPlaceTest::opensOutOfTheWayOnEachScreen_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("1366x768") << 0;
    QTest::newRow("1920x1080") << 1;
}

void ToolPlaceTest::opensOutOfTheWayOnEachScreen()
{
    QFETCH(int, screen);
    QSettings().remove(QStringLiteral("exactValues"));
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    const QRect area = screens[screen]->availableGeometry();
    LoadedForm f;
    f->move(centred(area).topLeft());
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QCOMPARE(f->screen(), screens[screen]);
    LoadedForm::click(f->exactLink);
    ExactWindow* window = ExactWindow::instance();
    QVERIFY(window);
    const QRect frame = window->frameGeometry();
    QVERIFY(area.contains(frame));
    QVERIFY(frame.width() >= leastSize.width() && frame.height() >= leastSize.height());
    for (const QWidget* w : inSight(*f.form)) {
        const QRect onScreen(w->mapToGlobal(QPoint(0, 0)), w->size());
        QVERIFY2(!frame.intersects(onScreen), qPrintable(w->objectName()));
    }
    window->close();
}

void ToolPlaceTest::keepsThePlaceThePupilMovedItTo()
{
    QSettings().remove(QStringLiteral("exactValues"));
    LoadedForm f;
    f->move(centred(QGuiApplication::screens()[1]->availableGeometry()).topLeft());
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    LoadedForm::click(f->exactLink);
    const QPoint opened = ExactWindow::instance()->pos();
    // Closed where it opened, it opens there again, worked out afresh.
    ExactWindow::instance()->close();
    QVERIFY(!QSettings().contains(QStringLiteral("exactValues/place")));
    LoadedForm::click(f->exactLink);
    QCOMPARE(ExactWindow::instance()->pos(), opened);
    // Moved by the pupil, it opens where it was put, in this run and the next.
    const QPoint moved(1400, 100);
    ExactWindow::instance()->move(moved);
    ExactWindow::instance()->close();
    LoadedForm::click(f->exactLink);
    QCOMPARE(ExactWindow::instance()->pos(), moved);
    QCOMPARE(QSettings().value(QStringLiteral("exactValues/place")).toRect().topLeft(), moved);
    ExactWindow::instance()->close();
}

int main(int argc, char** argv)
{
    // Two screens side by side, which the offscreen platform reads from a
    // file named when the application starts.
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [
        {"name": "small", "x": 0, "y": 0, "width": 1366, "height": 768,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "large", "x": 1366, "y": 0, "width": 1920, "height": 1080,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ToolPlaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tool_place_test.moc"
