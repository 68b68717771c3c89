// The settings file lies where the manual page's FILES section says.

#include "app/command_line.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class SettingsPathTest : public QObject {
    Q_OBJECT

private slots:
    void settingsFileIsTheOneTheManualPageNames();
};

void SettingsPathTest::settingsFileIsTheOneTheManualPageNames()
{
    QFile page(QStringLiteral(TRELLAN_MANUAL_PAGE));
    QVERIFY(page.open(QIODevice::ReadOnly | QIODevice::Text));
    const QRegularExpression named(QStringLiteral(R"(\.SH FILES\n\.TP\n\.I ~/\.config/(\S+)\n)"));
    const QRegularExpressionMatch match = named.match(QString::fromUtf8(page.readAll()));
    QVERIFY2(match.hasMatch(), "FILES names no file under ~/.config");

    // QSettings reads XDG_CONFIG_HOME when it is first used.
    QTemporaryDir config;
    QVERIFY(config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    trellan::setApplicationNames();
    QCOMPARE(QSettings().fileName(), config.path() + u'/' + match.captured(1));
}

QTEST_GUILESS_MAIN(SettingsPathTest)

#include "settings_path_test.moc"
