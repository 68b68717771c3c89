// The shared look: twips to pixels, and the raw pictures made at build time.

#include "look/raw_picture.h"
#include "look/twips.h"

#include <QtEndian>
#include <QtTest>

class LookModuleTest : public QObject {
    Q_OBJECT

private slots:
    void twipsRoundToTheNearestPixel_data();
    void twipsRoundToTheNearestPixel();
    void rawPictureKeepsEveryPixel();
    void rawPictureRefusesWhatIsNotWhole_data();
    void rawPictureRefusesWhatIsNotWhole();
};

void LookModuleTest::twipsRoundToTheNearestPixel_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("a whole pixel") << 15 << 1;
    QTest::newRow("under half a pixel") << 7 << 0;
    QTest::newRow("over half a pixel") << 8 << 1;
    QTest::newRow("23 and a third") << 350 << 23;
    QTest::newRow("36 and two thirds") << 550 << 37;
    QTest::newRow("the main window's width") << 16545 << 1103;
    QTest::newRow("minus 23 and a third") << -350 << -23;
}

void LookModuleTest::twipsRoundToTheNearestPixel()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(look::pixels(twips), pixels);
}

void LookModuleTest::rawPictureKeepsEveryPixel()
{
    QImage picture(3, 2, QImage::Format_ARGB32);
    const QRgb colours[] = { qRgba(255, 0, 0, 255), qRgba(0, 128, 0, 128), qRgba(0, 0, 0, 0),
        qRgba(10, 20, 30, 40), qRgba(255, 255, 255, 1), qRgba(1, 2, 3, 254) };
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, colours[i]);
    const QByteArray bytes = look::rawPicture(picture);
    QCOMPARE(bytes.size(), 8 + 4 * 6);
    QCOMPARE(look::rawPictureLength(bytes + "trailing"), bytes.size());
    const QImage read = look::readRawPicture(bytes);
    QCOMPARE(read.size(), QSize(3, 2));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(read.pixel(i % 3, i / 3), colours[i]); // straight alpha, not premultiplied
}

void LookModuleTest::rawPictureRefusesWhatIsNotWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const auto header = [](quint32 width, quint32 height) {
        QByteArray bytes(8, Qt::Uninitialized);
        qToLittleEndian(width, bytes.data());
        qToLittleEndian(height, bytes.data() + 4);
        return bytes;
    };
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("half a header") << QByteArray(4, '\1');
    QTest::newRow("a pixel short") << header(2, 2) + QByteArray(12, '\0');
    QTest::newRow("no width") << header(0, 5);
    QTest::newRow("a side too long to allocate") << header(100000, 100000) + QByteArray(64, '\0');
}

void LookModuleTest::rawPictureRefusesWhatIsNotWhole()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(look::rawPictureLength(bytes), 0);
    QVERIFY(look::readRawPicture(bytes).isNull());
}

QTEST_MAIN(LookModuleTest)
#include "look_test.moc"
