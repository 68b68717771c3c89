#include "about_window/about_texts.h"

#include "trellan_version.h"

#include <QChar>
#include <QStringList>

QString aboutTitleText()
{
    return QString::fromLatin1(trellan::version::productName);
}

QString aboutDescriptionText()
{
    return QStringLiteral("A simple program to check your results");
}

QString aboutVersionText()
{
    using namespace trellan::version;
    // ", Version 1.00 Build 65": the minor number always shows two digits.
    const QString version = QStringLiteral(", Version %1.%2 Build %3")
                                .arg(majorVersion)
                                .arg(minorVersion, 2, 10, QChar(u'0'))
                                .arg(buildNumber);
    return QStringLiteral("Free for good under the GNU GPL") + version
        + QStringLiteral("\nSome bugs still to be ironed out!");
}

QString aboutCreditsText()
{
    return QStringLiteral("By ") + QString::fromLatin1(trellan::version::companyName)
        + QStringLiteral("\nMade during August 2008"
                         "\nEmail: trellan@trellan.example.org");
}

QString aboutToDoText()
{
    const QStringList items {
        QStringLiteral(" To Do"),
        QStringLiteral("Fix decimal round off errors"),
        QStringLiteral("Include decimal to fraction conversion"),
        QStringLiteral("Add dragable lines"),
        QStringLiteral("Include coordinates on the endpoints"),
        QStringLiteral("Include a dynamic intersection routine"),
        QStringLiteral("Include a print facilty"),
        QStringLiteral("Include a screen capture facility"),
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
