#include "about_window/about_texts.h"

#include "trellan_version.h"

#include <QChar>
#include <QCoreApplication>
#include <QStringList>

// The texts are translated in the About window's context.

QString aboutTitleText()
{
    return QString::fromLatin1(trellan::version::productName);
}

QString aboutDescriptionText()
{
    return QCoreApplication::translate("frmSplash", "A simple program to check your results");
}

QString aboutVersionText()
{
    using namespace trellan::version;
    // "Version 1.00 Build 65": the minor number always shows two digits.
    return QCoreApplication::translate("frmSplash",
        "Free for good under the GNU GPL, Version %1.%2 Build %3\nSome bugs still to be ironed "
        "out!")
        .arg(majorVersion)
        .arg(minorVersion, 2, 10, QChar(u'0'))
        .arg(buildNumber);
}

QString aboutCreditsText()
{
    return QCoreApplication::translate("frmSplash", "By %1\nMade during August 2008\nEmail: %2")
        .arg(QString::fromLatin1(trellan::version::companyName),
            QStringLiteral("trellan@trellan.example.org"));
}

QString aboutToDoText()
{
    const QStringList items {
        QCoreApplication::translate("frmSplash", " To Do"),
        QCoreApplication::translate("frmSplash", "Fix decimal round off errors"),
        QCoreApplication::translate("frmSplash", "Include decimal to fraction conversion"),
        QCoreApplication::translate("frmSplash", "Add dragable lines"),
        QCoreApplication::translate("frmSplash", "Include coordinates on the endpoints"),
        QCoreApplication::translate("frmSplash", "Include a dynamic intersection routine"),
        QCoreApplication::translate("frmSplash", "Include a print facilty"),
        QCoreApplication::translate("frmSplash", "Include a screen capture facility"),
    };
    return items.join(u'\n');
}

QString spokenText(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines.join(QStringLiteral(". "));
}
