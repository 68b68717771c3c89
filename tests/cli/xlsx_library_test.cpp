// The workbook library opened when a workbook is first written: found with
// every function the key calls, or refused with the system's reason.
#include "app/xlsx_library.h"

#include <QTest>

#include <string_view>

class XlsxLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void opened();
    void refused_data();
    void refused();
};

void XlsxLibraryTest::opened()
{
    std::string why;
    const answers::XlsxLibrary* library = answers::xlsxLibrary(why);
    QVERIFY2(library, why.c_str());
#define TRELLAN_XLSX_FOUND(name) QVERIFY2(library->name, #name);
    TRELLAN_XLSX_FUNCTIONS(TRELLAN_XLSX_FOUND)
#undef TRELLAN_XLSX_FOUND
    // Called through what was found: the library's own words for an error.
    QVERIFY(std::string_view(library->lxw_strerror(LXW_ERROR_CREATING_XLSX_FILE)).size() > 0);
}

void XlsxLibraryTest::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("said"); // a part of the reason
    QTest::newRow("no such library") << QByteArray("libtrellan-no-such-library.so.9")
                                     << QStringLiteral("libtrellan-no-such-library.so.9");
    QTest::newRow("a library without the functions") << QByteArray(
        "libcsv.so.3") << QStringLiteral("libcsv.so.3: undefined symbol: workbook_new_opt");
}

void XlsxLibraryTest::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, said);
    std::string why;
    QVERIFY(!answers::openXlsxLibrary(file.constData(), why));
    QVERIFY2(QString::fromStdString(why).contains(said), why.c_str());
}

QTEST_APPLESS_MAIN(XlsxLibraryTest)
#include "xlsx_library_test.moc"
