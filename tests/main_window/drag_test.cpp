#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/drag/point_drag.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

// A shown window: the panel takes real presses, moves and releases.
struct DragForm : LoadedForm {
    DragForm()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    graph::GraphPanel* panel() const { return form->p1; }

    // Where the user's point (x, y) is drawn, in the panel's own coordinates.
    QPoint at(double x, double y) const
    {
        const graph::Canvas& c = panel()->canvas();
        return panel()->contentsRect().topLeft()
            + QPoint(static_cast<int>(c.ColumnOf(x)), static_cast<int>(c.RowOf(-y)));
    }

    void press(QPoint p) const { QTest::mousePress(panel(), Qt::LeftButton, {}, p); }
    void release(QPoint p) const { QTest::mouseRelease(panel(), Qt::LeftButton, {}, p); }

    // A move with the button held, drawn before it returns.
    void move(QPoint p, Qt::KeyboardModifiers keys = {}) const
    {
        QMouseEvent event(
            QEvent::MouseMove, p, panel()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, keys);
        QApplication::sendEvent(panel(), &event);
        QCoreApplication::processEvents();
    }

    // Every text the window shows but the pointer readout, and its picture.
    QStringList texts() const
    {
        QStringList all;
        for (const QLineEdit* field : form->findChildren<QLineEdit*>())
            if (field != form->tx && field != form->ty)
                all << field->objectName() + "=" + field->text();
        return all << form->lblAns->text() << form->txt_results->toPlainText();
    }
    QImage picture() const { return panel()->canvas().image(); }
};

QPointF pointIn(const QString& caption)
{
    const QRegularExpressionMatch m = QRegularExpression(R"(^\((\S+),\s+(\S+)\)$)").match(caption);
    return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())
                        : QPointF(qQNaN(), qQNaN());
}

// Whether (x, y) lies on the line through the two typed end points.
bool onLine(QPointF p, const QStringList& ends)
{
    const double x1 = ends[0].toDouble(), y1 = ends[1].toDouble();
    const double x2 = ends[2].toDouble(), y2 = ends[3].toDouble();
    const double across = (p.y() - y1) * (x2 - x1) - (p.x() - x1) * (y2 - y1);
    return std::abs(across) <= 1e-5 * (1 + std::abs(x2 - x1) * (1 + std::abs(p.y())));
}

QStringList ends(const DragForm& f, int line)
{
    if (line == 1)
        return { f->t1->text(), f->t2->text(), f->t3->text(), f->t4->text() };
    return { f->t1_b->text(), f->t2_b->text(), f->t3_b->text(), f->t4_b->text() };
}

} // namespace

class DragTest : public QObject {
    Q_OBJECT

private slots:
    void snap_data();
    void snap();
    void dragFollowsLive_data();
    void dragFollowsLive();
    void pickingAndPointer_data();
    void pickingAndPointer();
    void equallyNearEndPointsPickLineOnes();
    void putBack_data();
    void putBack();
    void reportOnRelease_data();
    void reportOnRelease();
    void noMessageOverTheOtherEndPoint();
    void drawLineDragsOneLine();
    void fastMovesAreMergedAtTheWidestRange();
};

void DragTest::snap_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("snapped");
    QTest::newRow("nearest whole number") << 3.4 << -10.0 << 10.0 << 1.0 << 3.0;
    QTest::newRow("rounds up past the half") << -3.6 << -10.0 << 10.0 << 1.0 << -4.0;
    QTest::newRow("tenths") << 3.26 << -10.0 << 10.0 << 0.1 << 3.3;
    QTest::newRow("beyond the upper bound") << 12.7 << -10.0 << 10.0 << 1.0 << 10.0;
    QTest::newRow("below a fractional lower bound") << -2.9 << -2.5 << 3.5 << 1.0 << -2.0;
    QTest::newRow("mirrored range") << 14.0 << 10.0 << -10.0 << 1.0 << 10.0;
    QTest::newRow("no whole number in the range") << 0.9 << 0.2 << 0.8 << 1.0 << 0.8;
}

void DragTest::snap()
{
    QFETCH(double, v);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, step);
    QFETCH(double, snapped);
    QCOMPARE(PointDrag::snap(v, lower, upper, step), snapped);
}

void DragTest::dragFollowsLive_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to"); // where the pointer is let go
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QStringList>("fields"); // the line's four end-point fields after it
    QTest::newRow("line 1's second point to a whole number")
        << 1 << QPointF(8, 7) << QPointF(3.3, 3.8) << false << QStringList { "-6", "0", "3", "4" };
    QTest::newRow("with Shift, to tenths") << 1 << QPointF(8, 7) << QPointF(3.3, 3.8) << true
                                           << QStringList { "-6", "0", "3.3", "3.8" };
    QTest::newRow("line 2's first point") << 2 << QPointF(-7, -5) << QPointF(-2.2, -8.7) << false
                                          << QStringList { "-2", "-9", "6", "8" };
    QTest::newRow("clamped at the top right corner")
        << 1 << QPointF(8, 7) << QPointF(40, 40) << false << QStringList { "-6", "0", "10", "10" };
    QTest::newRow("clamped at the bottom left corner")
        << 2 << QPointF(6, 8) << QPointF(-40, -40) << false
        << QStringList { "-7", "-5", "-10", "-10" };
}

void DragTest::dragFollowsLive()
{
    QFETCH(int, line);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, shift);
    QFETCH(QStringList, fields);
    DragForm f;
    f.press(f.at(from.x(), from.y()));
    QVERIFY(f->pointDrag->dragging());
    const QPoint target = f.at(to.x(), to.y());
    f.move((f.at(from.x(), from.y()) + target) / 2, shift ? Qt::ShiftModifier : Qt::NoModifier);
    f.move(target, shift ? Qt::ShiftModifier : Qt::NoModifier);
    // Live, before the release: the fields, and the readout of the pointer.
    QCOMPARE(ends(f, line), fields);
    if (qAbs(to.x()) < 10)
        QVERIFY(qAbs(f->tx->text().toDouble() - to.x()) < 0.1);
    f.release(target);
    QVERIFY(!f->pointDrag->dragging());
    QCOMPARE(ends(f, line), fields);
    // The crossing shown lies on both lines as they now stand.
    const QPointF crossing = pointIn(f->lblAns->text());
    QVERIFY2(onLine(crossing, ends(f, 1)) && onLine(crossing, ends(f, 2)),
        qPrintable(f->lblAns->text()));
    // Every answer is what a click of Draw Both Lines gives for these fields.
    LoadedForm typed;
    typed.typeLine(1, ends(f, 1));
    typed.typeLine(2, ends(f, 2));
    LoadedForm::click(typed->cmd_bothlines);
    for (const auto& [mine, theirs] :
        { std::pair { f->txt_eqn1, typed->txt_eqn1 }, { f->txt_eqn2, typed->txt_eqn2 },
            { f->txt_l1xint, typed->txt_l1xint }, { f->txt_l2yint, typed->txt_l2yint } })
        QCOMPARE(mine->text(), theirs->text());
    QCOMPARE(f->lblAns->text(), typed->lblAns->text());
    QCOMPARE(f.picture(), typed->p1->canvas().image());
    QVERIFY(f.warnings.isEmpty());
}

void DragTest::pickingAndPointer_data()
{
    QTest::addColumn<QPoint>("offset"); // from the drawn end point (8, 7)
    QTest::addColumn<bool>("picked");
    QTest::newRow("on the point") << QPoint(0, 0) << true;
    QTest::newRow("6 pixels to the right") << QPoint(6, 0) << true;
    QTest::newRow("diagonally, 5.7 pixels") << QPoint(-4, 4) << true;
    QTest::newRow("diagonally, 6.4 pixels") << QPoint(5, -4) << false;
    QTest::newRow("7 pixels below") << QPoint(0, 7) << false;
}

void DragTest::pickingAndPointer()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, picked);
    DragForm f;
    const QPoint p = f.at(8, 7) + offset;
    QTest::mouseMove(f.panel(), p);
    QCOMPARE(f.panel()->cursor().shape(), picked ? Qt::OpenHandCursor : Qt::CrossCursor);
    f.press(p);
    QCOMPARE(f->pointDrag->dragging(), picked);
    QCOMPARE(f.panel()->cursor().shape(), picked ? Qt::ClosedHandCursor : Qt::CrossCursor);
    f.release(p);
    QVERIFY(!f->pointDrag->dragging());
    QCOMPARE(ends(f, 1), QStringList({ "-6", "0", "8", "7" })); // a click moves nothing
}

// Line two starts where line one ends: a press there takes line one's end.
void DragTest::equallyNearEndPointsPickLineOnes()
{
    DragForm f;
    f->t1_b->setText("8");
    f->t2_b->setText("7");
    f->cmd_bothlines->click();
    QSignalSpy picked(f.panel(), &graph::GraphPanel::pointPicked);
    f.press(f.at(8, 7));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.first(), QVariantList({ 1, 2 }));
    f.release(f.at(8, 7));
}

void DragTest::putBack_data()
{
    QTest::addColumn<bool>("escape"); // else undo after the release
    QTest::addColumn<bool>("report");
    QTest::newRow("Esc during the drag") << true << false;
    QTest::newRow("Esc during the drag, report ticked") << true << true;
    QTest::newRow("Ctrl+Z after the drag") << false << false;
    QTest::newRow("Ctrl+Z takes the drag's report back") << false << true;
}

void DragTest::putBack()
{
    QFETCH(bool, escape);
    QFETCH(bool, report);
    DragForm f;
    f->Check1->setChecked(report);
    const QStringList texts = f.texts();
    const QImage picture = f.picture();
    f.press(f.at(-6, 0));
    f.move(f.at(-3, 2));
    f.move(f.at(0, -4), Qt::ShiftModifier);
    QCOMPARE(ends(f, 1).mid(0, 2), QStringList({ "0", "-4" }));
    QVERIFY(f.picture() != picture);
    if (escape) {
        QTest::keyClick(f.panel(), Qt::Key_Escape);
        QCOMPARE(f.panel()->cursor().shape(), Qt::CrossCursor);
        f.move(f.at(5, 5)); // the drag is over: the point stays back
    }
    f.release(f.at(5, 5));
    if (!escape) {
        QCOMPARE(f->txt_results->toPlainText().isEmpty(), !report);
        f.panel()->setFocus();
        QTest::keyClick(f.panel(), Qt::Key_Z, Qt::ControlModifier);
    }
    QCOMPARE(f.texts(), texts);
    QCOMPARE(f.picture(), picture);
    QCOMPARE(f->pointDrag->undoDepth(), 0);
}

void DragTest::reportOnRelease_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("ticked: one report") << true;
    QTest::newRow("not ticked: none") << false;
}

void DragTest::reportOnRelease()
{
    QFETCH(bool, ticked);
    DragForm f;
    f->Check1->setChecked(ticked);
    f.press(f.at(6, 8));
    for (const double x : { 5, 4, 3, 2 })
        f.move(f.at(x, 8));
    QVERIFY(f->txt_results->toPlainText().isEmpty());
    f.release(f.at(2, 8));
    // The report a click adds for the same fields, once.
    LoadedForm typed;
    LoadedForm::type(typed->t3_b, "2");
    typed->Check1->setChecked(ticked);
    LoadedForm::click(typed->cmd_bothlines);
    QCOMPARE(f->txt_results->toPlainText(), typed->txt_results->toPlainText());
    QCOMPARE(f->txt_results->toPlainText().isEmpty(), !ticked);
}

void DragTest::noMessageOverTheOtherEndPoint()
{
    DragForm f;
    QSignalSpy warned(f.form.get(), &Form1::warningRaised);
    f.press(f.at(8, 7));
    f.move(f.at(-5, 1));
    f.move(f.at(-6, 0)); // line 1's other end point: no line there, skipped
    QCOMPARE(ends(f, 1), QStringList({ "-6", "0", "-5", "1" }));
    f.move(f.at(-6, 5)); // vertical: answered
    f.release(f.at(-6, 5));
    QCOMPARE(ends(f, 1), QStringList({ "-6", "0", "-6", "5" }));
    QCOMPARE(f->txt_slope1->text(), "undefined");
    QCOMPARE(warned.count(), 0);
}

void DragTest::drawLineDragsOneLine()
{
    DragForm f;
    LoadedForm::click(f->draw_line1);
    f.press(f.at(6, 8)); // line 2 is not drawn: nothing to pick
    QVERIFY(!f->pointDrag->dragging());
    f.release(f.at(6, 8));
    f.press(f.at(-6, 0));
    f.move(f.at(-6, 3));
    f.release(f.at(-6, 3));
    QCOMPARE(ends(f, 1), QStringList({ "-6", "3", "8", "7" }));
    QCOMPARE(f->txt_eqn1->text(), " Y = 0.285714285714286 X +  4.71428571428571");
    QCOMPARE(f->lblAns->text(), ""); // the draw-line command leaves no crossing
    QCOMPARE(f->txt_eqn2->text(), "");
}

void DragTest::fastMovesAreMergedAtTheWidestRange()
{
    DragForm f;
    LoadedForm::type(f->txmin, "-32768");
    LoadedForm::type(f->txmax, "32766");
    f.typeLine(1, { "-20000", "0", "20000", "10000" });
    LoadedForm::click(f->cmd_bothlines);
    QSignalSpy drawn(f->pointDrag, &PointDrag::stepDrawn);
    f.press(f.at(20000, 10000));
    QVERIFY(f->pointDrag->dragging());
    // Forty moves queued at once, as a fast pointer delivers them.
    QPoint last;
    for (int k = 1; k <= 40; ++k) {
        last = f.at(20000 - 250 * k, 10000 + 250 * k);
        QCoreApplication::postEvent(f.panel(),
            new QMouseEvent(QEvent::MouseMove, last, f.panel()->mapToGlobal(last), Qt::NoButton,
                Qt::LeftButton, Qt::NoModifier));
    }
    // The moves, then the drawing they left behind.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(drawn.count(), 1);
    f.release(last);
    QCOMPARE(drawn.count(), 1);
    // The one drawing is of the last position, within a pixel's worth.
    const double pixel = 65534.0 / f.panel()->contentsRect().width();
    QVERIFY(qAbs(f->t3->text().toDouble() - 10000) <= pixel);
    QVERIFY(qAbs(f->t4->text().toDouble() - 20000) <= pixel);
}

QTEST_MAIN(DragTest)
#include "drag_test.moc"
