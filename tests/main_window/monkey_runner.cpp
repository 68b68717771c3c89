#include "monkey_runner.h"

#include "about_window/frm_splash.h"
#include "form1_fixture.h"
#include "graph/graph_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <ctime>
#include <typeinfo>

namespace {

const char* kindName(int kind)
{
    static const char* const names[] = { "type", "type into locked", "edit results box",
        "select in results box", "clear results box", "both lines", "draw line 1", "draw line 2",
        "zoom out", "zoom in", "check box", "pointer move", "open About", "close About",
        "drag: press", "drag: move", "drag: release", "drag: Esc", "undo on the graph", "wheel",
        "toggle labels" };
    return names[kind];
}

const char* entryName(int entry)
{
    static const char* const names[] = { "keys", "setText", "insert", "erase" };
    return names[entry];
}

// A text short enough for a log line, with its invisible characters shown.
QString shortText(const QString& text)
{
    QString out;
    for (const QChar c : text.left(40))
        out += c.unicode() < 32 || !c.isPrint()
            ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'))
            : QString(c);
    if (text.size() > 40)
        out += QStringLiteral("... (%1 characters)").arg(text.size());
    return u'"' + out + u'"';
}

qint64 threadCpuNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

Monkey::Monkey(LoadedForm& form, quint32 seed, qint64 limitMs)
    : f_(form)
    , rng_(seed)
    , texts_(rng_)
    , log_(seed)
    , limitNs_(limitMs * 1000000)
{
    Form1& w = *f_.form;
    fields_ = { w.t1, w.t2, w.t3, w.t4, w.t1_b, w.t2_b, w.t3_b, w.t4_b, w.txmin, w.txmax, w.tx,
        w.ty, w.txt_slope1, w.txt_yint1, w.txt_eqn1, w.txt_l1xint, w.txt_l1yint, w.txt_slope2,
        w.txt_yint2, w.txt_eqn2, w.txt_l2xint, w.txt_l2yint };
    typedByUser_.assign(fields_.size(), false);
    QObject::connect(
        w.txt_results->document(), &QTextDocument::contentsChanged, [this] { ++boxChanges_; });
    // A modal box would stop the monkey for good: note it and close it.
    modalWatch_.setInterval(200);
    QObject::connect(&modalWatch_, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modalSeen_
                = modal->metaObject()->className() + QStringLiteral(" ") + modal->windowTitle();
            modal->close();
        }
    });
    modalWatch_.start();
    // The window opens with both lines drawn.
    Before opening;
    opening.expected = monkey_oracle::bothLines(w, false);
    Action drawn;
    drawn.kind = Kind::BothLines;
    followDrawing(drawn, opening);
}

Monkey::~Monkey()
{
    if (frmSplash* about = frmSplash::instance())
        about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Monkey::typeKeys(QLineEdit* field, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Monkey::perform(const Action& a)
{
    Form1& w = *f_.form;
    const auto at = [](int thousandths, qsizetype size) {
        return static_cast<int>(size * thousandths / 1000);
    };
    switch (a.kind) {
    case Kind::Type:
    case Kind::TypeLocked: {
        QLineEdit* field = a.field;
        const qsizetype size = field->text().size();
        switch (a.entry) {
        case Entry::Keys:
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            typeKeys(field, a.text);
            break;
        case Entry::SetText:
            field->setText(a.text);
            break;
        case Entry::Insert:
            field->setSelection(at(a.from, size), at(a.to, size) - at(a.from, size));
            field->insert(a.text);
            break;
        case Entry::Erase:
            field->setCursorPosition(at(a.from, size));
            for (int k = 0; k < 1 + a.to % 4; ++k)
                QTest::keyClick(field, k % 2 ? Qt::Key_Delete : Qt::Key_Backspace);
            break;
        }
        break;
    }
    case Kind::EditResults:
    case Kind::SelectResults: {
        QTextCursor cursor = w.txt_results->textCursor();
        const int size = w.txt_results->document()->characterCount() - 1;
        cursor.setPosition(at(a.from, size));
        cursor.setPosition(at(a.to, size), QTextCursor::KeepAnchor);
        w.txt_results->setTextCursor(cursor);
        if (a.kind == Kind::EditResults)
            w.txt_results->insertPlainText(a.text);
        break;
    }
    case Kind::ClearResults:
        w.txt_results->selectAll();
        QTest::keyClick(w.txt_results, Qt::Key_Delete);
        break;
    case Kind::BothLines:
        LoadedForm::click(w.cmd_bothlines);
        break;
    case Kind::DrawLine1:
        LoadedForm::click(w.draw_line1);
        break;
    case Kind::DrawLine2:
        LoadedForm::click(w.draw_line2);
        break;
    case Kind::ZoomOut:
        LoadedForm::click(w.Command1);
        break;
    case Kind::ZoomIn:
        LoadedForm::click(w.Command2);
        break;
    case Kind::Check:
        LoadedForm::click(w.Check1);
        break;
    case Kind::Move:
        // Aimed at the window: Qt Test takes a point (0, 0) for "the middle".
        QTest::mouseMove(&w, w.p1->mapTo(&w, a.point));
        break;
    case Kind::OpenAbout:
        QTest::mouseClick(w.lblCredits, Qt::LeftButton);
        break;
    case Kind::CloseAbout:
        if (frmSplash* about = frmSplash::instance()) {
            if (a.byButton)
                QTest::mouseClick(
                    about->findChild<QPushButton*>(QStringLiteral("cmdclose")), Qt::LeftButton);
            else
                about->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    case Kind::DragPress:
    case Kind::DragMove:
    case Kind::DragRelease:
    case Kind::DragEscape:
    case Kind::Undo:
        performDrag(a);
        break;
    case Kind::Wheel:
    case Kind::ToggleMarks:
        performWheel(a);
        break;
    }
}

QString Monkey::describe(const Action& a) const
{
    QString out = QString::fromLatin1(kindName(static_cast<int>(a.kind)));
    switch (a.kind) {
    case Kind::Type:
    case Kind::TypeLocked:
        out += QStringLiteral(" %1 by %2 at %3..%4‰: %5")
                   .arg(a.field->objectName(), entryName(static_cast<int>(a.entry)))
                   .arg(a.from)
                   .arg(a.to)
                   .arg(shortText(a.text));
        break;
    case Kind::EditResults:
        out += QStringLiteral(" at %1..%2‰: %3").arg(a.from).arg(a.to).arg(shortText(a.text));
        break;
    case Kind::SelectResults:
        out += QStringLiteral(" %1..%2‰").arg(a.from).arg(a.to);
        break;
    case Kind::Move:
    case Kind::DragPress:
    case Kind::DragRelease:
        out += QStringLiteral(" at (%1, %2)").arg(a.point.x()).arg(a.point.y());
        break;
    case Kind::DragMove:
        for (const QPoint p : a.path)
            out += QStringLiteral(" (%1, %2)").arg(p.x()).arg(p.y());
        out += QStringLiteral(" to (%1, %2)%3")
                   .arg(a.point.x())
                   .arg(a.point.y())
                   .arg(a.shift ? QStringLiteral(" with Shift") : QString());
        break;
    case Kind::Wheel:
        for (const int angle : a.angles)
            out += QStringLiteral(" %1").arg(angle);
        break;
    case Kind::CloseAbout:
        out += a.byButton ? QStringLiteral(" by its button") : QStringLiteral(" by code");
        break;
    default:
        break;
    }
    return out;
}

QString Monkey::step(int index)
{
    if (queue_.empty())
        plan();
    const Action action = queue_.front();
    queue_.pop_front();
    log_.begin(index, describe(action));
    const Before before = snapshot(action);
    const QString range = shortText(f_.form->txmin->text()) + QStringLiteral(" to ")
        + shortText(f_.form->txmax->text());

    QElapsedTimer timer;
    timer.start();
    const qint64 cpuStart = threadCpuNanoseconds();
    try {
        perform(action);
        QCoreApplication::processEvents(); // the repaint is part of what the user waits for
    } catch (const std::exception& e) {
        // Out of an event handler in the running program, this ends it.
        return QStringLiteral("the action let an exception escape: %1 (%2)")
            .arg(QString::fromLocal8Bit(e.what()), QString::fromLatin1(typeid(e).name()));
    } catch (...) {
        return QStringLiteral("the action let an exception of an unknown kind escape");
    }
    const qint64 took = timer.nsecsElapsed();
    const qint64 cpu = threadCpuNanoseconds() - cpuStart;
    const QString kind = QString::fromLatin1(kindName(static_cast<int>(action.kind)));
    log_.took(took, cpu, kind, range);
    // The limit holds for the work the action did; the time it waited for a
    // busy machine only counts when it looks like a hang.
    if (cpu > limitNs_ || took > 5 * limitNs_)
        return QStringLiteral("the action took %1 ms (%2 ms of work), over the limit of %3 ms "
                              "(range %4)")
            .arg(took / 1000000)
            .arg(cpu / 1000000)
            .arg(limitNs_ / 1000000)
            .arg(range);
    QString problem = check(action, before);
    if (problem.isEmpty())
        problem = followDrawing(action, before);
    if (action.kind != Kind::ToggleMarks)
        toggledFrom_.reset(); // labels toggled back later may meet a new picture
    Tally& tally = tallies_[kind];
    ++tally.runs;
    tally.warned += f_.warnings.size() > before.warnings;
    return problem;
}

QString Monkey::tallies() const
{
    QString out = QStringLiteral("Actions run (with a warning):");
    for (const auto& [kind, tally] : tallies_)
        out += QStringLiteral("\n  %1 %2 (%3)").arg(kind, -22).arg(tally.runs, 6).arg(tally.warned);
    out += QStringLiteral("\nEnd points picked: %1, positions drawn: %2, drags undone: %3")
               .arg(dragsPicked_)
               .arg(dragSteps_)
               .arg(dragsUndone_);
    return out;
}
