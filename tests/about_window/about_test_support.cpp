#include "about_test_support.h"

#include "about_window/frm_splash.h"

#include <QLabel>
#include <QTextDocument>
#include <QWidget>

#include <cstdlib>

QString shownText(const QLabel* label)
{
    if (label->textFormat() != Qt::RichText)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    QString text = document.toPlainText();
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QWidget* splashControl(const QString& name)
{
    frmSplash* window = frmSplash::instance();
    return window ? window->findChild<QWidget*>(name) : nullptr;
}

bool nearColour(const QColor& actual, const QColor& expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}
