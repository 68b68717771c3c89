// The window's edges of look: nothing of a heading shows beside the box that
// covers it, and the pointer's shape over each control; on the offscreen
// platform.

#include "graph/graph_panel.h"
#include "main_window/form1.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

class LookEdgesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void nothingOfTheHeadingBesideTheBox_data();
    void nothingOfTheHeadingBesideTheBox();
    void pointerShapes();

private:
    std::unique_ptr<Form1> form;
};

void LookEdgesTest::initTestCase()
{
    form = std::make_unique<Form1>();
    form->showWarnings = false;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void LookEdgesTest::cleanupTestCase()
{
    form.reset();
}

void LookEdgesTest::nothingOfTheHeadingBesideTheBox_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("Equation One beside txt_eqn1") << 0;
    QTest::newRow("Equation Two beside txt_eqn2") << 1;
}

void LookEdgesTest::nothingOfTheHeadingBesideTheBox()
{
    QFETCH(int, row);
    const QLabel* heading = form->lbl_y1.at(row);
    const QLineEdit* box = row == 0 ? form->txt_eqn1 : form->txt_eqn2;
    const QColor background = heading->palette().color(QPalette::Window);
    const QImage shot = form->grab().toImage();
    // The heading's text does run on under the box: there is something to hide.
    QVERIFY(heading->fontMetrics().horizontalAdvance(heading->text()) > box->x() - heading->x());
    for (int x = box->x() - 3; x < box->x(); ++x)
        for (int y = box->y(); y < box->y() + box->height(); ++y)
            QVERIFY2(shot.pixelColor(x, y) == background,
                qPrintable(QStringLiteral("(%1, %2) is %3")
                               .arg(x)
                               .arg(y)
                               .arg(shot.pixelColor(x, y).name())));
    // What fits before the box still shows.
    bool inked = false;
    for (int x = heading->x(); x < heading->x() + 40; ++x)
        for (int y = heading->y(); y < heading->y() + heading->height(); ++y)
            inked = inked || shot.pixelColor(x, y) != background;
    QVERIFY(inked);
}

// A thin cross over the panel; elsewhere the usual arrow, text boxes aside.
void LookEdgesTest::pointerShapes()
{
    QCOMPARE(form->p1->cursor().shape(), Qt::CrossCursor);
    const QList<QWidget*> children = form->findChildren<QWidget*>();
    QVERIFY(children.size() > 40);
    for (const QWidget* child : children) {
        if (child == form->p1 || form->p1->isAncestorOf(child))
            continue;
        // Text boxes, and what lies on them, keep the pointer a text box
        // shows, beam or arrow.
        if (qobject_cast<const QLineEdit*>(child)
            || qobject_cast<const QLineEdit*>(child->parentWidget())
            || child == form->txt_results->viewport())
            continue;
        QVERIFY2(child->cursor().shape() == Qt::ArrowCursor,
            qPrintable(child->objectName() + QLatin1Char(' ')
                + QString::fromLatin1(child->metaObject()->className())));
    }
    QCOMPARE(form->lblCredits->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(LookEdgesTest)
#include "look_edges_test.moc"
