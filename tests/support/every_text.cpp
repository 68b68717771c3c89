#include "tests/support/every_text.h"

#include "words/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>
#include <QWidget>

#include <memory>

namespace test_support {

namespace {

class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
};

// `text` without what lies between the marks (which may nest: a translated
// text with another in its place).
QString outsideMarks(const QString& text)
{
    QString outside;
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'⟦')
            ++depth;
        else if (c == u'⟧')
            depth = depth > 0 ? depth - 1 : 0;
        else if (depth == 0)
            outside += c;
    }
    return outside;
}

// What `text` shows: markup's plain text (a label squeezed to its height
// shows its text as markup), any other text as it is.
QString shownText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

bool holdsWord(const QString& text, const QStringList& allowed)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    for (auto match = word.globalMatch(outsideMarks(shownText(text))); match.hasNext();)
        if (!allowed.contains(match.next().captured()))
            return true;
    return false;
}

QString nameOf(const QObject* object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

} // namespace

void chooseMarkingTranslation()
{
    words::chooseTranslation(std::make_unique<MarkingTranslator>());
}

void chooseEnglish()
{
    words::chooseLanguage(QStringLiteral("en"));
}

QList<ShownText> untranslatedTexts(const QWidget* root, const QStringList& allowed)
{
    QList<ShownText> found;
    const auto look = [&](const QObject* object, const char* which, const QString& text) {
        if (holdsWord(text, allowed))
            found.append({ nameOf(object) + u'.' + QLatin1String(which), text });
    };
    QList<const QWidget*> widgets { root };
    for (const QWidget* child : root->findChildren<QWidget*>())
        widgets.append(child);
    for (const QWidget* w : widgets) {
        if (w->isWindow())
            look(w, "windowTitle", w->windowTitle());
        look(w, "toolTip", w->toolTip());
        look(w, "statusTip", w->statusTip());
        look(w, "whatsThis", w->whatsThis());
        look(w, "accessibleName", w->accessibleName());
        look(w, "accessibleDescription", w->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            look(w, "text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            look(w, "text", button->text());
        if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            look(w, "placeholderText", edit->placeholderText());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            look(w, "title", group->title());
        if (const auto* view = qobject_cast<const QTextEdit*>(w))
            look(w, "text", view->toPlainText());
        if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
            look(w, "text", plain->toPlainText());
        if (const auto* box = qobject_cast<const QComboBox*>(w))
            for (int k = 0; k < box->count(); ++k)
                look(w, "item", box->itemText(k));
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int k = 0; k < tabs->count(); ++k)
                look(w, "tab", tabs->tabText(k));
        for (const QAction* action : w->actions()) {
            look(action, "text", action->text());
            look(action, "toolTip", action->toolTip());
            look(action, "statusTip", action->statusTip());
        }
    }
    return found;
}

QStringList overlappingControls(const QWidget* window)
{
    QList<const QWidget*> controls;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            controls << child;
    QStringList pairs;
    for (qsizetype a = 0; a < controls.size(); ++a)
        for (qsizetype b = a + 1; b < controls.size(); ++b)
            if (controls[a]->geometry().intersects(controls[b]->geometry()))
                pairs << controls[a]->objectName() + u'/' + controls[b]->objectName();
    return pairs;
}

} // namespace test_support
