// How the main window looks and takes the keyboard: pixels of the drawn
// window, stacking of overlapping controls, the Tab order and the button
// pictures, on the offscreen platform.

#include "graph/graph_panel.h"
#include "look/fonts.h"
#include "main_window/faces/button_face.h"
#include "main_window/faces/picture_button.h"
#include "main_window/faces/stored_faces.h"
#include "main_window/form1.h"
#include "window_colours.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdlib>
#include <memory>

using namespace window_test;

class LookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pixels_data();
    void pixels();
    void stacking_data();
    void stacking();
    void equationBoxCoversSlopeBox();
    void labelPaintsItsBackgroundOverShape1();
    void applicationFontLeftAsItWas();
    void focusChain();
    void buttonPictures_data();
    void buttonPictures();
    void storedFacesAreThePaintedOnes_data();
    void storedFacesAreThePaintedOnes();
    void quitLettersStandApart_data();
    void quitLettersStandApart();
    void buttonStatesShow_data();
    void buttonStatesShow();
    void frameTextsFrameTheirBoxes_data();
    void frameTextsFrameTheirBoxes();
    void enlargingKeepsLayout();

private:
    QWidget* control(const QString& name) const;
    static QImage grabbed(QWidget& window) { return window.grab().toImage(); }

    std::unique_ptr<Form1> form_;
    QFont applicationFont_; // before any window was made
};

void LookTest::initTestCase()
{
    applicationFont_ = QApplication::font();
    form_ = std::make_unique<Form1>();
    form_->showWarnings = false;
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void LookTest::cleanupTestCase()
{
    form_.reset();
}

QWidget* LookTest::control(const QString& name) const
{
    return form_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void LookTest::pixels_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("background between panel and shape") << QPoint(550, 420) << windowBlue;
    QTest::newRow("background beside the zoom buttons") << QPoint(800, 530) << windowBlue;
    QTest::newRow("Shape1 outline") << QPoint(568, 200) << black;
    QTest::newRow("Shape1 fill") << QPoint(572, 200) << panelLilac;
    QTest::newRow("Shape2 outline, outer") << QPoint(576, 200) << black;
    QTest::newRow("Shape2 outline, inner") << QPoint(577, 200) << black;
    QTest::newRow("inside Shape2") << QPoint(579, 200) << panelLilac;
    QTest::newRow("lbl_yaxis right of its letter") << QPoint(279, 30) << windowBlue;
    QTest::newRow("Command1 face left of its words") << QPoint(432, 528) << QColor(0, 101, 255);
    QTest::newRow("cmd_quit face left of its words") << QPoint(968, 528) << QColor(0, 101, 255);
    QTest::newRow("draw_line1 background left of its picture")
        << QPoint(952, 249) << QColor(0, 192, 0);
    QTest::newRow("draw_line1 face") << QPoint(957, 248) << QColor(0, 148, 255);
    QTest::newRow("draw_line2 face") << QPoint(957, 304) << QColor(0, 255, 12);
    QTest::newRow("cmd_bothlines background") << QPoint(584, 241) << QColor(255, 128, 0);
    QTest::newRow("cmd_bothlines face") << QPoint(590, 250) << QColor(255, 110, 0);
    QTest::newRow("input box") << QPoint(690, 250) << white;
}

void LookTest::pixels()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage shot = grabbed(*form_);
    QCOMPARE(rgb(shot.pixelColor(at)), rgb(colour));
}

void LookTest::stacking_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    auto row = [](const char* lower, const char* upper) {
        QTest::addRow("%s under %s", lower, upper)
            << QString::fromLatin1(lower) << QString::fromLatin1(upper);
    };
    for (const char* label : { "lbl_y1_0", "lbl_x1", "lbl_xyintline1", "lbl_y1_1", "lbl_x2",
             "lbl_xyintline2", "lbl_intval", "lblAns", "lbl_l1", "lbl_l2", "Label1" }) {
        row("Shape1", label);
        row(label, "Shape2");
    }
    row("lbl_mouscoord", "lbl_mouscoords");
    row("Shape2", "p1");
    row("lbl_mouscoords", "tx");
    row("lbl_mouscoords", "ty");
    row("txt_slope1", "txt_eqn1");
    row("txt_yint1", "txt_eqn1");
    row("lbl_x1", "txt_eqn1");
    row("txt_slope2", "txt_eqn2");
    row("txt_yint2", "txt_eqn2");
    row("lbl_x2", "txt_eqn2");
    row("lbl_xyintline1", "txt_l1xint");
    row("lbl_xyintline1", "txt_l1yint");
    row("lbl_xyintline2", "txt_l2xint");
    row("lbl_xyintline2", "txt_l2yint");
    row("lbl_l1", "t1");
    row("Shape2", "cmd_bothlines");
    row("Shape2", "draw_line1");
    row("Shape2", "Check1");
}

void LookTest::stacking()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    // Siblings paint in the order of their parent's child list.
    const QObjectList& order = form_->children();
    const auto lowerAt = order.indexOf(control(lower));
    const auto upperAt = order.indexOf(control(upper));
    QVERIFY(lowerAt >= 0 && upperAt >= 0);
    QVERIFY(lowerAt < upperAt);
}

void LookTest::equationBoxCoversSlopeBox()
{
    Form1 fresh;
    fresh.showWarnings = false;
    fresh.txt_eqn1->clear();
    fresh.txt_slope1->setText(QStringLiteral("888"));
    const QImage shot = grabbed(fresh);
    // Everywhere over the slope box only the equation box's colour shows.
    const QRect slope = fresh.txt_slope1->geometry();
    for (int y = slope.top(); y <= slope.bottom(); ++y)
        for (int x = slope.left(); x <= slope.right(); ++x)
            QCOMPARE(rgb(shot.pixelColor(x, y)), rgb(panelLilac));
}

void LookTest::applicationFontLeftAsItWas()
{
    // The window is made in its own font; dialogs and other windows keep the
    // application's, and the fonts a desktop gives some kinds of widget.
    QFont menus = applicationFont_;
    menus.setPointSizeF(applicationFont_.pointSizeF() + 3);
    QApplication::setFont(menus, "QMenu");
    const Form1 fresh;
    QCOMPARE(QApplication::font(), applicationFont_);
    QCOMPARE(QApplication::font().resolveMask(), applicationFont_.resolveMask());
    QCOMPARE(QApplication::font("QMenu"), menus);
    QApplication::setFont(applicationFont_, "QMenu");
    // and the boxes theirs
    QCOMPARE(
        fresh.txt_slope1->font(), look::windowFont(QStringLiteral("Comic Sans MS"), 14.25, false));
    QCOMPARE(fresh.txmax->font(), fresh.font());
}

void LookTest::labelPaintsItsBackgroundOverShape1()
{
    Form1 fresh;
    fresh.showWarnings = false;
    fresh.txt_eqn2->hide(); // it normally covers lbl_x2
    const QImage shot = grabbed(fresh);
    const QRect label = fresh.lbl_x2->geometry();
    QCOMPARE(rgb(shot.pixelColor(label.bottomRight())), rgb(windowBlue));
    QCOMPARE(rgb(shot.pixelColor(label.bottomRight() + QPoint(2, 0))), rgb(panelLilac));
}

void LookTest::focusChain()
{
    const QStringList order { "p1", "t1", "t2", "cmd_bothlines", "t3", "t4", "Command1", "Command2",
        "txmin", "txmax", "ty", "tx", "t1_b", "t2_b", "t3_b", "t4_b", "draw_line2", "draw_line1",
        // The slope and intercept boxes under the equation boxes are no stops.
        "txt_eqn1", "txt_eqn2", "cmd_quit", "txt_results", "Check1", "txt_l1xint", "txt_l2xint",
        "txt_l1yint", "txt_l2yint",
        // The ways to the exact values and to practice, added last so the
        // designed order stands.
        "exactLink", "practiceLink", "p1" };
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->p1->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), form_->p1);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("practiceLink"));
    form_->p1->setFocus(Qt::OtherFocusReason);

    for (const char* name : { "lbl_l1", "lblAns", "lblCredits", "Label1", "Shape1", "Shape2" })
        QCOMPARE(control(QString::fromLatin1(name))->focusPolicy(), Qt::NoFocus);
}

void LookTest::buttonPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QString>("words");
    auto row = [](const char* name, QSize size, const QColor& face, const char* words) {
        QTest::newRow(name) << QString::fromLatin1(name) << size << face
                            << QString::fromLatin1(words);
    };
    row("cmd_quit", { 105, 32 }, QColor(0, 101, 255), "Quit");
    row("draw_line1", { 105, 32 }, QColor(0, 148, 255), "Draw Line 1");
    row("draw_line2", { 105, 32 }, QColor(0, 255, 12), "Draw Line 2");
    row("Command1", { 105, 32 }, QColor(0, 101, 255), "Zoom Out");
    row("Command2", { 105, 32 }, QColor(0, 101, 255), "Zoom In");
    row("cmd_bothlines", { 49, 70 }, QColor(255, 110, 0), "Draw Both Lines");
}

void LookTest::buttonPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QColor, face);
    QFETCH(QString, words);
    auto* button = qobject_cast<PictureButton*>(control(name));
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), words);

    for (const qreal ratio : { 1.0, 2.0 }) {
        const QPixmap picture = button->picture(ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), size);
        QCOMPARE(picture.size(), size * ratio);
        const QImage image = picture.toImage();
        const auto at
            = [&](int x, int y) { return image.pixelColor(int(x * ratio), int(y * ratio)); };
        // Face beside the words, light bevel top left, dark bevel bottom right.
        QCOMPARE(rgb(at(3, size.height() / 2)), rgb(face));
        QVERIFY(at(0, 0).lightness() > face.lightness());
        QVERIFY(at(0, size.height() / 2).lightness() > face.lightness());
        QVERIFY(at(size.width() - 1, size.height() / 2).lightness() < face.lightness());
        QVERIFY(at(size.width() / 2, size.height() - 1).lightness() < face.lightness());
        // The bevel is sharp at any ratio: a whole device pixel block per pixel.
        QCOMPARE(rgb(image.pixelColor(int(ratio) - 1, int(ratio) - 1)), rgb(at(0, 0)));
        // Black letters in the middle band.
        int inked = 0;
        for (int x = 0; x < image.width(); ++x)
            for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
                inked += image.pixelColor(x, y) == black;
        QVERIFY2(inked > 20 * ratio * ratio, qPrintable(QString::number(inked)));
    }

    // Centred on the button and cut at its edges.
    const QImage shot = button->grab().toImage();
    const QImage picture = button->picture(1).toImage();
    const QPoint offset(
        (button->width() - size.width()) / 2, (button->height() - size.height()) / 2);
    for (const QPoint& p : { QPoint(0, size.height() / 2), QPoint(button->width() - 1, 10) }) {
        const QPoint inPicture = p - offset;
        if (picture.rect().contains(inPicture))
            QCOMPARE(rgb(shot.pixelColor(p)), rgb(picture.pixelColor(inPicture)));
    }
}

namespace {

// The first and last columns of each run of columns holding black ink,
// inside the bevel: on a word's picture, one run a letter (or two where
// letters touch).
QList<QPair<int, int>> inkRuns(const QImage& image, int bevel)
{
    QList<QPair<int, int>> runs;
    for (int x = bevel; x < image.width() - bevel; ++x) {
        bool inked = false;
        for (int y = bevel; y < image.height() - bevel && !inked; ++y)
            inked = qGray(image.pixel(x, y)) < 40;
        if (inked && (runs.isEmpty() || runs.last().second != x - 1))
            runs.append({ x, x });
        else if (inked)
            runs.last().second = x;
    }
    return runs;
}

} // namespace

void LookTest::storedFacesAreThePaintedOnes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("ratio");
    for (const char* name :
        { "cmd_quit", "draw_line1", "draw_line2", "Command1", "Command2", "cmd_bothlines" }) {
        for (const qreal ratio : { 1.0, 2.0 })
            QTest::addRow("%s, ratio %g", name, ratio) << QString::fromLatin1(name) << ratio;
    }
}

void LookTest::storedFacesAreThePaintedOnes()
{
    // The faces embedded at build time are there, and are pixel for pixel
    // what the buttons paint now.
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    auto* button = qobject_cast<PictureButton*>(control(name));
    QVERIFY(button);
    QImage stored = storedFace(button->faceKey(ratio));
    QVERIFY2(!stored.isNull(), qPrintable(button->faceKey(ratio)));
    stored.setDevicePixelRatio(ratio); // raw pictures carry pixels only
    const QImage painted = button->paintedPicture(ratio).toImage();
    QCOMPARE(stored.convertToFormat(QImage::Format_ARGB32),
        painted.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(button->picture(ratio).devicePixelRatio(), ratio);
    QCOMPARE(button->picture(ratio).toImage().convertToFormat(QImage::Format_ARGB32),
        painted.convertToFormat(QImage::Format_ARGB32));
}

void LookTest::quitLettersStandApart_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

void LookTest::quitLettersStandApart()
{
    // "Q u i t": each letter of the Quit button stands 6 pixels further from
    // the one before it than in the plain word, and the spaced word is still
    // centred on the face.
    QFETCH(qreal, ratio);
    auto* quit = qobject_cast<PictureButton*>(control(QStringLiteral("cmd_quit")));
    QVERIFY(quit);
    const QImage spaced = quit->picture(ratio).toImage();
    const QImage plain
        = paintButtonFace({ QStringLiteral("Quit") }, { 105, 32 }, QColor(0, 101, 255), 0, ratio)
              .toImage();
    const int bevel = int(2 * ratio);
    const auto letters = inkRuns(spaced, bevel);
    const auto plainLetters = inkRuns(plain, bevel);
    QCOMPARE(letters.size(), 4);
    QCOMPARE(plainLetters.size(), 4);
    for (int k = 1; k < 4; ++k) {
        const int apart = letters[k].first - letters[0].first;
        const int plainApart = plainLetters[k].first - plainLetters[0].first;
        QVERIFY2(std::abs(apart - (plainApart + k * 6 * ratio)) <= ratio,
            qPrintable(QStringLiteral("letter %1 starts %2 device pixels after the first, plain %3")
                           .arg(k)
                           .arg(apart)
                           .arg(plainApart)));
    }
    const int leftMargin = letters.first().first;
    const int rightMargin = spaced.width() - 1 - letters.last().second;
    QVERIFY2(std::abs(leftMargin - rightMargin) <= ratio,
        qPrintable(QStringLiteral("margins %1 and %2").arg(leftMargin).arg(rightMargin)));
}

void LookTest::buttonStatesShow_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : { "cmd_bothlines", "Command2", "cmd_quit" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void LookTest::buttonStatesShow()
{
    QFETCH(QString, name);
    auto* button = qobject_cast<QPushButton*>(control(name));
    QVERIFY(button);
    form_->p1->setFocus(Qt::OtherFocusReason);
    const QImage plain = button->grab().toImage();
    button->setDown(true);
    const QImage pressed = button->grab().toImage();
    button->setDown(false);
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(button->hasFocus());
    const QImage focused = button->grab().toImage();
    form_->p1->setFocus(Qt::OtherFocusReason);
    QCOMPARE(button->grab().toImage(), plain);
    QVERIFY(pressed != plain);
    QVERIFY(focused != plain);
    QVERIFY(focused != pressed);
}

void LookTest::frameTextsFrameTheirBoxes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("xBox");
    QTest::addColumn<QString>("yBox");
    QTest::newRow("line 1") << "lbl_xyintline1"
                            << "txt_l1xint"
                            << "txt_l1yint";
    QTest::newRow("line 2") << "lbl_xyintline2"
                            << "txt_l2xint"
                            << "txt_l2yint";
}

void LookTest::frameTextsFrameTheirBoxes()
{
    QFETCH(QString, label);
    QFETCH(QString, xBox);
    QFETCH(QString, yBox);
    auto* frame = qobject_cast<QLabel*>(control(label));
    QVERIFY(frame);
    const QString text = frame->text();
    const QFontMetricsF metrics(frame->font());
    const qreal left = frame->x();
    // Where the ink of the character at `index` starts and ends in the window.
    const auto inkStart = [&](qsizetype index) {
        return left + metrics.horizontalAdvance(text.left(index))
            + metrics.leftBearing(text.at(index));
    };
    const auto inkEnd = [&](qsizetype index) {
        return left + metrics.horizontalAdvance(text.left(index + 1))
            - metrics.rightBearing(text.at(index));
    };
    const QRect xAt = control(xBox)->geometry();
    const QRect yAt = control(yBox)->geometry();
    // "X-int = (" before the x box, ", 0" after it, "( 0 ," before the y box
    // and the last ")" after it, inside the label.
    QVERIFY(inkEnd(text.indexOf(QLatin1Char('('))) <= xAt.left());
    QVERIFY(inkStart(text.indexOf(QLatin1Char(','))) >= xAt.left() + xAt.width());
    QVERIFY(inkEnd(text.lastIndexOf(QLatin1Char(','))) <= yAt.left());
    QVERIFY(inkStart(text.size() - 1) >= yAt.left() + yAt.width());
    QVERIFY(inkEnd(text.size() - 1) <= frame->geometry().right() + 1);
}

void LookTest::enlargingKeepsLayout()
{
    Form1 fresh;
    fresh.showWarnings = false;
    QCOMPARE(fresh.size(), QSize(1103, 553));
    const QRect panel = fresh.p1->geometry();
    const QRect report = fresh.txt_results->geometry();
    fresh.resize(1400, 800);
    QCOMPARE(fresh.p1->geometry(), panel);
    QCOMPARE(fresh.txt_results->geometry(), report);
    const QImage shot = grabbed(fresh);
    QCOMPARE(rgb(shot.pixelColor(1300, 700)), rgb(windowBlue));
    QCOMPARE(rgb(shot.pixelColor(1200, 200)), rgb(windowBlue));
}

QTEST_MAIN(LookTest)
#include "look_test.moc"
