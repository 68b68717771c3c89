// The version record generated from the build's version number.

#include "trellan_version.h"

#include <QString>
#include <QtTest>

class VersionTest : public QObject {
    Q_OBJECT

private slots:
    void record_data();
    void record();
    void numbers();
};

void VersionTest::record_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    using namespace trellan::version;
    QTest::newRow("FileVersion text") << QString::fromLatin1(versionText) << "1.00.0065";
    QTest::newRow("ProductName") << QString::fromLatin1(productName) << "Trellan";
    QTest::newRow("FileDescription")
        << QString::fromLatin1(fileDescription) << "Trellan. Made to be used for free.";
    QTest::newRow("InternalName") << QString::fromLatin1(internalName) << "Trellan 2";
    QTest::newRow("OriginalFilename") << QString::fromLatin1(originalFilename) << "Trellan 2.exe";
    QTest::newRow("Comments") << QString::fromLatin1(comments)
                              << "Something of a thinking exercise.";
    QTest::newRow("LegalTrademarks")
        << QString::fromLatin1(legalTrademarks) << "Enjoy some free stuff.";
    QTest::newRow("CompanyName") << QString::fromLatin1(companyName) << "Trellan developers";
}

void VersionTest::record()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void VersionTest::numbers()
{
    using namespace trellan::version;
    QCOMPARE(majorVersion, 1);
    QCOMPARE(minorVersion, 0);
    QCOMPARE(patchVersion, 0);
    QCOMPARE(buildNumber, 65);
}

int runVersionTests(int argc, char** argv)
{
    VersionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "version_test.moc"
