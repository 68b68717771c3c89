// The main window in each language: every caption fits its control,
// measured with its font, and no two controls overlap where the English
// design does not stack them; with a translation that marks every text, no
// text of the main window or of About escapes translation.

#include "about_window/frm_splash.h"
#include "main_window/faces/button_face.h"
#include "main_window/faces/picture_button.h"
#include "main_window/faces/stored_faces.h"
#include "main_window/form1.h"
#include "main_window/widgets/link_button.h"
#include "tests/support/every_text.h"
#include "words/language.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

// The smallest letters a picture button's face may draw its words in: the
// German words on the both-lines button need its whole room at 9 px.
constexpr int legibleLetters = 9;

std::unique_ptr<Form1> windowIn(const QString& language)
{
    words::chooseLanguage(language);
    words::installTranslators();
    auto form = std::make_unique<Form1>();
    form->showWarnings = false;
    return form;
}

// How far `text` reaches from where it starts: its advance or its ink.
int reach(const QFontMetrics& metrics, const QString& text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

// The pairs of the window's controls that overlap, by object name.
QSet<QString> overlappingPairs(const Form1& form)
{
    const QStringList pairs = test_support::overlappingControls(&form);
    return QSet<QString>(pairs.begin(), pairs.end());
}

// The crossings' row: its name and opening bracket end before the first
// box, and the text between the boxes lies wholly between them.
void checkInterceptFrame(const QLabel* frame, const QWidget* xBox, const QWidget* yBox)
{
    const QFontMetrics metrics(frame->font());
    const QString text = frame->text();
    const qsizetype open = text.indexOf(u'(');
    const qsizetype between = text.indexOf(u',');
    const qsizetype lastComma = text.lastIndexOf(u',');
    const int left = frame->x();
    QVERIFY2(left + reach(metrics, text.left(open + 1)) <= xBox->x(), qPrintable(text));
    QVERIFY2(left + metrics.horizontalAdvance(text.left(between)) >= xBox->x() + xBox->width(),
        qPrintable(text));
    QVERIFY2(left + reach(metrics, text.left(lastComma + 1)) <= yBox->x(), qPrintable(text));
    QVERIFY2(left + metrics.horizontalAdvance(text.chopped(1)) >= yBox->x() + yBox->width(),
        qPrintable(text));
    QVERIFY2(reach(metrics, text) <= frame->width(), qPrintable(text));
}

// The About window's labels whose lines had to be set closer together to
// fit their height.
QStringList squeezedAboutLabels()
{
    frmSplash* about = frmSplash::open();
    QStringList squeezed;
    for (const QLabel* label : about->findChildren<QLabel*>())
        if (label->textFormat() == Qt::RichText)
            squeezed << label->objectName();
    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return squeezed;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void captionsFit_data();
    void captionsFit();
    void facesStoredInEveryLanguage_data() { captionsFit_data(); }
    void facesStoredInEveryLanguage();
    void noTextEscapesTranslation();

private:
    QSet<QString> englishOverlaps_;
    QList<QRect> englishPlaces_; // every control's, in the order they were made
    QStringList squeezedInEnglish_; // the About labels whose lines are set closer
};

void LanguagesTest::initTestCase()
{
    const std::unique_ptr<Form1> english = windowIn(u"en"_qs);
    englishOverlaps_ = overlappingPairs(*english);
    for (const QWidget* child : english->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        englishPlaces_ << child->geometry();
    squeezedInEnglish_ = squeezedAboutLabels();
}

void LanguagesTest::cleanupTestCase()
{
    words::chooseLanguage(u"en"_qs);
}

void LanguagesTest::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    for (const char* code : { "en", "de", "fr", "es" })
        QTest::newRow(code) << QString::fromLatin1(code);
}

void LanguagesTest::captionsFit()
{
    QFETCH(QString, language);
    const std::unique_ptr<Form1> form = windowIn(language);
    const bool english = language == u"en"_qs;
    if (!english)
        QVERIFY2(form->windowTitle() != u"Quarnby's Trellan"_qs, "the language was not loaded");

    // Labels and links show their one line whole.
    for (QWidget* control : std::initializer_list<QWidget*> { form->lbl_intval, form->Label1,
             form->lbl_mouscoord, form->lblCredits, form->exactLink, form->practiceLink }) {
        const auto* label = qobject_cast<QLabel*>(control);
        const QString text = label ? label->text() : static_cast<QAbstractButton*>(control)->text();
        const int textWidth = reach(QFontMetrics(control->font()), text);
        QVERIFY2(textWidth <= control->contentsRect().width(),
            qPrintable(control->objectName() + u": "_qs + text));
        QVERIFY2(control->x() + textWidth <= form->width(), qPrintable(text));
    }
    // An equation heading runs on under its box: its words before "Y ="
    // show in front of the box, and nothing more.
    for (const auto& [heading, box] : { std::pair { form->lbl_y1[0], form->txt_eqn1 },
             std::pair { form->lbl_y1[1], form->txt_eqn2 } }) {
        const QString caption = heading->text().section(u"   "_qs, 0, 0);
        QCOMPARE(heading->contentsRect().width(), reach(QFontMetrics(heading->font()), caption));
        QVERIFY2(heading->x() + heading->contentsRect().width() < box->x(), qPrintable(caption));
    }
    checkInterceptFrame(form->lbl_xyintline1, form->txt_l1xint, form->txt_l1yint);
    checkInterceptFrame(form->lbl_xyintline2, form->txt_l2xint, form->txt_l2yint);

    // Every picture button draws its words in letters large enough to read.
    for (const PictureButton* button : form->findChildren<PictureButton*>()) {
        const int letters
            = faceLetterSize(button->words(), button->pictureSize(), button->letterSpacing());
        QVERIFY2(letters >= legibleLetters,
            qPrintable(button->objectName() + u": "_qs + button->words().join(u'/')));
    }

    // Controls overlap only where the English design stacks them.
    const QSet<QString> extra = overlappingPairs(*form) - englishOverlaps_;
    QVERIFY2(extra.isEmpty(), qPrintable(QStringList(extra.begin(), extra.end()).join(u", ")));

    // The About window's texts fit their labels as the English ones do.
    QCOMPARE(squeezedAboutLabels(), squeezedInEnglish_);

    // Only a longer caption moves a control: English keeps the designed
    // places (tests/main_window/layout_test.cpp holds them), and every
    // language keeps the places of the controls without a caption.
    const QList<QWidget*> controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), englishPlaces_.size());
    const QSet<QWidget*> mayGrow { form->lbl_intval, form->Label1, form->lbl_mouscoord,
        form->lblCredits, form->exactLink, form->practiceLink, form->cmd_bothlines,
        form->lbl_xyintline1, form->lbl_xyintline2 };
    for (qsizetype k = 0; k < controls.size(); ++k)
        if (english || !mayGrow.contains(controls[k]))
            QCOMPARE(controls[k]->geometry(), englishPlaces_[k]);
}

void LanguagesTest::facesStoredInEveryLanguage()
{
    // The faces embedded at build time are there in every language, pixel
    // for pixel what the buttons paint now, at the size the fitting gives.
    QFETCH(QString, language);
    const std::unique_ptr<Form1> form = windowIn(language);
    for (const PictureButton* button : form->findChildren<PictureButton*>()) {
        const QString name = button->objectName() + u": "_qs + button->words().join(u'/');
        for (const qreal ratio : { 1.0, 2.0 }) {
            QImage stored = storedFace(button->faceKey(ratio));
            QVERIFY2(!stored.isNull(), qPrintable(name));
            stored.setDevicePixelRatio(ratio); // raw pictures carry pixels only
            QCOMPARE(stored.convertToFormat(QImage::Format_ARGB32),
                button->paintedPicture(ratio).toImage().convertToFormat(QImage::Format_ARGB32));
        }
        // A picture grown towards legible letters grew no further than them.
        const QSize grown = button->pictureSize();
        if (grown != button->madePictureSize()) {
            QCOMPARE(
                faceLetterSize(button->words(), grown - QSize(1, 0), button->letterSpacing(), 11),
                0);
        }
    }
}

void LanguagesTest::noTextEscapesTranslation()
{
    test_support::chooseMarkingTranslation();
    auto form = std::make_unique<Form1>();
    form->showWarnings = false;
    form->show();
    frmSplash* about = frmSplash::open();
    // The report switch's own caption is its name, hidden by the design:
    // the label beside it carries the words. The program's name is a name.
    const QStringList names { u"Check"_qs, u"Trellan"_qs };
    QList<test_support::ShownText> escaped = test_support::untranslatedTexts(form.get(), names);
    escaped += test_support::untranslatedTexts(about, names);
    about->close();
    QStringList listed;
    for (const test_support::ShownText& shown : escaped)
        listed << shown.where + u": "_qs + shown.text;
    QVERIFY2(listed.isEmpty(), qPrintable(listed.join(u'\n')));
}

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
