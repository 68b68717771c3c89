#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "monkey_quiet.h"
#include "monkey_runner.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>

#include <ctime>
#include <exception>

// A seeded random user over the real main window, and the faults it found,
// each pinned down on its own.
//
// TRELLAN_MONKEY_SEED picks the seed, TRELLAN_MONKEY_ACTIONS the number of
// actions and TRELLAN_MONKEY_LIMIT_MS the most work one action may take; a
// failure prints the seed, the last actions and the command that replays them.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    // The labels' toggle is remembered: in a place of the test's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings().clear(); }
    void randomActionsKeepEveryFieldHonest();
    void reportQuotesTypedTextAsTyped_data();
    void reportQuotesTypedTextAsTyped();
    void pointerOverTheBorderOfTheWidestRange_data();
    void pointerOverTheBorderOfTheWidestRange();
    void pastingAMegabyteIntoTheResultsBox();
};

namespace {

constexpr quint32 defaultSeed = 20240613;

// One action may take this much work at most: a user who waits two seconds
// for a click thinks the program hangs. Unoptimised and sanitised builds run
// many times slower; there the limit only catches hangs, and fewer actions
// keep the run short.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr qint64 defaultLimitMs = 2000;
constexpr int defaultActions = 20000;
#else
constexpr qint64 defaultLimitMs = 30000;
constexpr int defaultActions = 3000;
#endif

qint64 fromEnvironment(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

qint64 limitMs()
{
    return fromEnvironment("TRELLAN_MONKEY_LIMIT_MS", defaultLimitMs);
}

qint64 threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

void MonkeyTest::randomActionsKeepEveryFieldHonest()
{
    const auto seed = static_cast<quint32>(fromEnvironment("TRELLAN_MONKEY_SEED", defaultSeed));
    const auto actions
        = static_cast<int>(fromEnvironment("TRELLAN_MONKEY_ACTIONS", defaultActions));
    qInfo("Monkey seed %u, %d actions, at most %lld ms of work each", seed, actions, limitMs());

    const QuietRaiseNotices quiet;
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    Monkey monkey(f, seed, limitMs());
    QElapsedTimer wall;
    wall.start();
    for (int k = 0; k < actions; ++k) {
        const QString problem = monkey.step(k);
        if (!problem.isEmpty()) {
            qInfo().noquote() << monkey.log().latencies();
            QFAIL(qPrintable(problem + QStringLiteral("\n") + monkey.log().history()));
        }
    }
    qInfo().noquote() << monkey.log().latencies();
    qInfo().noquote() << monkey.tallies();
    // A long run drags some point somewhere.
    if (actions >= 5000)
        QVERIFY2(monkey.dragStepsDrawn() > 0, "no drag moved a point");
    qInfo("Wall time: %.1f s", static_cast<double>(wall.elapsed()) / 1000);
}

void MonkeyTest::reportQuotesTypedTextAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("accented letter") << QStringLiteral("caf\u00e9");
    QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0663");
    QTest::newRow("Chinese") << QStringLiteral("\u4e2d");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600");
    QTest::newRow("plain letters") << QStringLiteral("abc");
}

// Found by the monkey: the report quoted end points in anything but plain
// ASCII as garbled text.
void MonkeyTest::reportQuotesTypedTextAsTyped()
{
    QFETCH(QString, typed);
    LoadedForm f;
    f->t1->setText(typed); // reads as 0, like any text without a number
    LoadedForm::click(f->Check1);
    LoadedForm::click(f->cmd_bothlines);
    QCOMPARE(f.warnings, QStringList());
    const QString report = f->txt_results->toPlainText();
    QVERIFY2(report.contains(QStringLiteral(" P1 = ( ") + typed + QStringLiteral(" , 0 ) , P2")),
        qPrintable(report));
}

void MonkeyTest::pointerOverTheBorderOfTheWidestRange_data()
{
    QTest::addColumn<QString>("corner");
    QTest::newRow("top left") << "top left";
    QTest::newRow("bottom right") << "bottom right";
}

// Found by the monkey: with the range at the edge of the drawing range, the
// panel's border lies beyond it, and a pointer there must still give a
// readout rather than an error that ends the program.
void MonkeyTest::pointerOverTheBorderOfTheWidestRange()
{
    QFETCH(QString, corner);
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    LoadedForm::type(f->txmin, "-3.402823E+38");
    LoadedForm::type(f->txmax, "3.402823E+38");
    LoadedForm::click(f->cmd_bothlines); // the scale for the next pointer move
    const QRect area = f->p1->rect();
    const QPoint at = corner == "top left" ? area.topLeft() : area.bottomRight();
    try {
        QTest::mouseMove(f.form.get(), f->p1->mapTo(f.form.get(), at));
        QTest::mouseMove(f.form.get(),
            f->p1->mapTo(f.form.get(), at + QPoint(0, corner == "top left" ? 1 : -1)));
    } catch (const std::exception& e) {
        QFAIL(qPrintable(
            QStringLiteral("a pointer move ended in an uncaught error: %1").arg(e.what())));
    }
    for (const QLineEdit* readout : { f->tx, f->ty }) {
        QVERIFY(!readout->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive));
        QVERIFY(!readout->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }
}

// Found by the monkey: a megabyte pasted into the results box as one long
// word kept the window busy for tens of seconds.
void MonkeyTest::pastingAMegabyteIntoTheResultsBox()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    const QString paste = QStringLiteral("0.") + QString((1 << 20) - 3, u'0') + u'1';
    const qint64 start = threadCpuMs();
    f->txt_results->insertPlainText(paste);
    QCoreApplication::processEvents();
    const qint64 work = threadCpuMs() - start;
    QCOMPARE(f->txt_results->toPlainText().size(), paste.size());
    QVERIFY2(
        work <= limitMs(), qPrintable(QStringLiteral("the paste took %1 ms of work").arg(work)));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
